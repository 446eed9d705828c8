#pragma once

#include "surfaces/drawing/surface_drawing.h"
#include "surfaces/klein/klein_mesh.h"
#include "surfaces/klein/klein_scene_settings.h"

#include <vector>

namespace tessivo {

// The materials the bottle's renderings share.
// Green, translucent where blending is on (alpha 0.3), with a sharp white highlight.
inline constexpr MaterialStep bottleMaterial{{0.15, 0.7, 0.1, 0.3}, Specular{1.0, 50.0}};
// Black but for the specular term: a second pass of the same geometry in this material, added
// on top, lays only the highlights over the glass. The glue marks use it with colour material
// on the ambient term.
inline constexpr MaterialStep highlightMaterial{{0.0, 0.0, 0.0, 1.0}, Specular{1.0, 50.0}};
// A matt light grey paper, so that the label's picture keeps its own colours.
inline constexpr MaterialStep labelMaterial{{0.7, 0.7, 0.7, 1.0}, Specular{0.2, 10.0}};

// The first row of each band that the surface draws: every band for the solid and glass
// modes, every other band (0, 2, 4, ...) for the striped one. A band joins row r to row r + 1.
std::vector<int> surfaceBands(int drawMode, int rows);

// The cut scene's two halves at a progress of its slider: up to 0.5 they swing apart
// (swing = 2 progress, the cut rings opened by a mere 0.00001 so that they show as halves),
// beyond it they have swung apart (swing 1) and unroll flat (opening 2 progress - 1). At
// progress 0 the bottle is whole.
struct HalvesPose {
    double swing = 0.0;
    double opening = 0.0;
};
HalvesPose halvesPose(double progress);

// What a Klein scene draws for one setting, from the one mesh it builds: the stage turned half
// a turn about x (about z for the label), and
// - the surface, solid, striped or as glass (setting.drawMode), at every stage but the label;
// - rolling and closing: with the glue marks, which show which edges of the rectangle are
//   glued, and in which direction;
// - the label: the carried picture on the glass bottle, where the progress puts it;
// - the halves: the cut mesh and its mirror image, posed by halvesPose.
// Played in a scene's state (depth test and writes on, blending off, light 0 on), it leaves
// that state, and the matrix, as it found them.
SurfaceDrawing kleinDrawing(const StageSetting& setting);

} // namespace tessivo
