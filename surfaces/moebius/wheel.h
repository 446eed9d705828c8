#pragma once

#include "surfaces/drawing/draw_primitive.h"

#include <vector>

namespace tessivo {

// The small spoked wheel that rolls along the band. In its own frame the axle is the x axis,
// the wheel stands on the plane y = 0 and rolls along z.

constexpr double wheelRadius = 0.3;     // the tyre's outer radius
constexpr double wheelRimRadius = 0.24; // the tyre's inner radius, where the spokes end
constexpr double wheelHalfWidth = 0.03; // half the tyre's width along the axle
constexpr double wheelSpokeRadius = 0.02;
constexpr int wheelSamples = 30;      // samples round the tyre and its sides
constexpr int wheelSpokeSamples = 15; // samples round a spoke

// The shapes are sampled at angles a_i = 2 pi i / (n - 1), i = 0..n-1, so that the last sample
// repeats the first and closes the shape. Fewer than 2 samples give nothing (an empty strip or
// no quadrilaterals).

// Cylindrical band of radius r round the z axis from z = -h to z = h: a quad strip with the
// outward normal (cos a_i, sin a_i, 0) and the vertices (r cos a_i, r sin a_i, h), then the
// same at -h.
DrawPrimitive wheelBand(double r, double h, int samples);

// Flat ring between radii r1 and r2 in the plane at height z: one quadrilateral per pair of
// consecutive samples, all with normal (0, 0, 1).
std::vector<DrawPrimitive> wheelRing(double r1, double r2, double z, int samples);

// Spoke of radius r along +y from 0 to length: a quad strip with normal (cos a_i, 0, sin a_i)
// and vertices (r cos a_i, 0, r sin a_i), then the same at y = length.
DrawPrimitive wheelSpoke(double r, double length, int samples);

// The angle, in degrees about the wheel's axle, by which a wheel that has rolled distance has
// turned: -distance / radius radians. It grows without bound with the distance.
double wheelRollDegrees(double distance);

// Draws the wheel rolled by distance: tyre, its two sides and three spokes, each in its own
// material, at the current matrix (which it leaves as it found it). Needs a GL context.
void drawWheel(double distance);

} // namespace tessivo
