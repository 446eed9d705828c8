#pragma once

namespace tessivo {

// The morphing cross-cap in immediate mode (geometry: cross_cap_surface.h). Each routine sets
// its own material for front and back faces, recomputes everything from its arguments and
// keeps no state. morph in [0, 1]; other finite values extrapolate.

// The surface: material specular (1, 1, 1, 1), shininess 50, ambient and diffuse
// (0.1, 0.7, 0.3, 0.8); all 51 rows, or 26 when striped.
void drawCrossCap(double morph, bool striped);

// The tube along the boundary: specular (1, 1, 1, 1), shininess 50; when coloured the vertex
// colours run through the hue ramp via colour material on ambient and diffuse, enabled here and
// disabled at the end; otherwise ambient and diffuse (0.5, 0.5, 0.2, 1).
void drawCrossCapBoundary(double morph, bool coloured);

// The tube along the cross-section at the dial's position (any finite angle, radians):
// specular (1, 1, 1, 1), shininess 50, colour material on ambient and diffuse for the routine,
// in the colour the coloured boundary has where the section meets it.
void drawCrossCapSection(double morph, double dialAngle);

} // namespace tessivo
