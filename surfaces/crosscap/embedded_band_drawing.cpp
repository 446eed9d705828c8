#include "surfaces/crosscap/embedded_band_drawing.h"

#include "surfaces/crosscap/embedded_band_surface.h"
#include "surfaces/crosscap/quad_strip_drawing.h"

namespace tessivo {

using namespace crosscap;

void drawBand(double aStart, double aEnd, bool striped) {
    emitQuadStrips(bandSurface(aStart, aEnd, striped), false);
}

void drawBandEdge(double a) {
    emitQuadStrips(bandEdgeTube(a), false);
}

} // namespace tessivo
