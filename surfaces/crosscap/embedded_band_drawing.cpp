#include "surfaces/crosscap/embedded_band_drawing.h"

#include "surfaces/crosscap/embedded_band_surface.h"

namespace tessivo {

using namespace crosscap;

namespace {

SurfaceDrawing drawingOf(const std::vector<QuadStrip>& strips) {
    SurfaceDrawing drawing;
    for (const QuadStrip& strip : strips) {
        drawing.push_back(quadStripPrimitive(strip, false));
    }
    return drawing;
}

} // namespace

SurfaceDrawing bandDrawing(double aStart, double aEnd, bool striped) {
    return drawingOf(bandSurface(aStart, aEnd, striped));
}

SurfaceDrawing bandEdgeDrawing(double a) {
    return drawingOf(bandEdgeTube(a));
}

} // namespace tessivo
