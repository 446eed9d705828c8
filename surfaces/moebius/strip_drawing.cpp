#include "surfaces/moebius/strip_drawing.h"

#include "math/draw_helpers.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

struct StepPlayer {
    void operator()(const StripMaterialStep& step) const {
        const StripColour& c = step.colour;
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c.r, c.g, c.b, c.a);
    }
    void operator()(const StripPrimitive& primitive) const { emitStripPrimitive(primitive); }
    void operator()(const StripNameStep& step) const { glLoadName(static_cast<GLuint>(step.name)); }
    void operator()(const StripTranslucencyStep& step) const {
        if (step.on) {
            glDepthMask(GL_FALSE);
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            glDepthMask(GL_TRUE);
            glDisable(GL_BLEND);
        }
    }
};

} // namespace

void playStripDrawing(const StripDrawing& drawing) {
    for (const StripDrawStep& step : drawing) {
        std::visit(StepPlayer{}, step);
    }
}

} // namespace tessivo
