#pragma once

namespace tessivo {

// The GL materials and the glass light that the bottle's drawing shares between its stages.

// Green, translucent where blending is on (alpha 0.3), with a sharp white highlight.
void setBottleMaterial();

// Black but for the specular term: a second pass of the same geometry in this material, added
// on top, lays only the highlights over the glass. The glue marks use it with colour material
// on the ambient term.
void setHighlightMaterial();

// A matt light grey paper, so that the label's picture keeps its own colours.
void setLabelMaterial();

// Swaps light 0 for light 4, straight above the eye at (0, 0, 10) in eye coordinates, with
// the given specular level, for the translucent first pass of the glass.
void switchToGlassLight(double specular);

// Back to light 0 for the highlight pass.
void switchToSceneLight();

} // namespace tessivo
