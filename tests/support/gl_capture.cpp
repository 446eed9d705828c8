#include "tests/support/gl_capture.h"

#include <GL/gl.h>

namespace tessivo::testing {

Feedback captureFeedback(const std::function<void()>& draw, int capacity, bool withTexture) {
    std::vector<GLfloat> buffer(static_cast<size_t>(capacity));
    glFeedbackBuffer(capacity, withTexture ? GL_3D_COLOR_TEXTURE : GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    Feedback feedback;
    if (used < 0) {
        feedback.overflowed = true;
        return feedback;
    }
    // GL_3D_COLOR in RGBA mode: x, y, z, then r, g, b, a per vertex; GL_3D_COLOR_TEXTURE adds
    // s, t, r, q.
    auto readVertex = [&](GLint& at) {
        Feedback::Vertex v{buffer[at],     buffer[at + 1], buffer[at + 2],
                           buffer[at + 3], buffer[at + 4], buffer[at + 5],
                           buffer[at + 6], 0.0f,           0.0f};
        at += 7;
        if (withTexture) {
            v.s = buffer[at];
            v.t = buffer[at + 1];
            at += 4;
        }
        return v;
    };
    for (GLint at = 0; at < used;) {
        const GLint token = static_cast<GLint>(buffer[at++]);
        if (token == GL_POLYGON_TOKEN) {
            const GLint count = static_cast<GLint>(buffer[at++]);
            std::vector<Feedback::Vertex> polygon;
            for (GLint i = 0; i < count; ++i) {
                polygon.push_back(readVertex(at));
            }
            feedback.polygons.push_back(polygon);
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            const Feedback::Vertex a = readVertex(at);
            const Feedback::Vertex b = readVertex(at);
            feedback.lines.push_back({a, b});
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                   token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            readVertex(at);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++at;
        } else {
            break; // unknown token: stop rather than misread
        }
    }
    return feedback;
}

} // namespace tessivo::testing
