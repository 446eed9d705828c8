#pragma once

#include "surfaces/drawing/surface_drawing.h"

namespace tessivo {

// The embedded band as drawing steps (geometry: embedded_band_surface.h): primitives only, in
// the material the caller sets.

// The band between aStart and aEnd (0 <= aStart <= aEnd <= 1), every row or, when striped,
// every second one. It always reaches aEnd exactly, where bandEdgeDrawing(aEnd) puts its tube.
SurfaceDrawing bandDrawing(double aStart, double aEnd, bool striped);

// The tube of radius 0.05 along the curve of constant a (any a in [0, 1]; at 1 it is the
// boundary circle).
SurfaceDrawing bandEdgeDrawing(double a);

} // namespace tessivo
