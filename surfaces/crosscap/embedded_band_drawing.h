#pragma once

namespace tessivo {

// The embedded band in immediate mode (geometry: embedded_band_surface.h). The caller sets the
// material; nothing is kept between calls.

// The band between aStart and aEnd (0 <= aStart <= aEnd <= 1), every row or, when striped,
// every second one. It always reaches aEnd exactly, where drawBandEdge(aEnd) puts its tube.
void drawBand(double aStart, double aEnd, bool striped);

// The tube of radius 0.05 along the curve of constant a (any a in [0, 1]; at 1 it is the
// boundary circle).
void drawBandEdge(double a);

} // namespace tessivo
