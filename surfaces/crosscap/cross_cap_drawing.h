#pragma once

#include "surfaces/drawing/surface_drawing.h"

namespace tessivo {

// The morphing cross-cap's renderings as drawing steps (geometry: cross_cap_surface.h). Each
// sets its own material for front and back faces and is computed from its arguments alone.
// morph in [0, 1]; other finite values extrapolate.

// The surface: material specular (1, 1, 1, 1), shininess 50, ambient and diffuse
// (0.1, 0.7, 0.3, 0.8); all 51 rows, or 26 when striped.
SurfaceDrawing crossCapDrawing(double morph, bool striped);

// The tube along the boundary: specular (1, 1, 1, 1), shininess 50, ambient and diffuse
// (0.5, 0.5, 0.2, 1); when coloured the vertex colours run through the hue ramp and take over
// ambient and diffuse through colour material, which is on for these steps only.
SurfaceDrawing crossCapBoundaryDrawing(double morph, bool coloured);

// The tube along the cross-section at the dial's position (any finite angle, radians), in the
// colour the coloured boundary has where the section meets it (vertex colours, colour material
// on ambient and diffuse for these steps only); specular (1, 1, 1, 1), shininess 50.
SurfaceDrawing crossCapSectionDrawing(double morph, double dialAngle);

} // namespace tessivo
