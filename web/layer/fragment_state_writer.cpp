#include "web/layer/fragment_state_writer.h"

#include <GL/gl.h>

namespace tessivo::gllayer {

namespace {

void setCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

} // namespace

bool FragmentStateWriter::write(const FragmentState& s) {
    const bool all = !written;
    const FragmentState& last = all ? s : *written;
    if (all || s.viewport != last.viewport) {
        glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    }
    if (all || s.scissorTest != last.scissorTest) {
        setCapability(GL_SCISSOR_TEST, s.scissorTest);
    }
    if (all || s.scissor != last.scissor) {
        glScissor(s.scissor[0], s.scissor[1], s.scissor[2], s.scissor[3]);
    }
    if (all || s.depthTest != last.depthTest) {
        setCapability(GL_DEPTH_TEST, s.depthTest);
    }
    if (all || s.depthWrite != last.depthWrite) {
        glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
    }
    if (all || s.blend != last.blend) {
        setCapability(GL_BLEND, s.blend);
    }
    if (all || s.blendSource != last.blendSource || s.blendDestination != last.blendDestination) {
        glBlendFunc(s.blendSource, s.blendDestination);
    }
    if (all || s.lineWidth != last.lineWidth) {
        glLineWidth(s.lineWidth);
    }
    const bool switchTexturing = all || s.textured != last.textured;
    written = s;
    return switchTexturing;
}

} // namespace tessivo::gllayer
