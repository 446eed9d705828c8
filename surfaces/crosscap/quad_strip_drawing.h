#pragma once

#include "surfaces/crosscap/quad_strip.h"

#include <vector>

namespace tessivo::crosscap {

// Emits each strip as one GL_QUAD_STRIP, per vertex: hueColour(hue, 1) when vertexColours,
// then glNormal3d, then glVertex3d. Sets no material.
void emitQuadStrips(const std::vector<QuadStrip>& strips, bool vertexColours);

} // namespace tessivo::crosscap
