#include "web/layer/desktop_raster_backend.h"

#include "web/layer/default_raster_backend.h"

#include <GL/gl.h>

namespace tessivo::gllayer {

namespace {

GLenum compareFunction(CompareFunction f) {
    static const GLenum functions[] = {GL_NEVER,   GL_LESS,     GL_EQUAL,  GL_LEQUAL,
                                       GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return functions[static_cast<int>(f)];
}

GLenum blendFactor(BlendFactor f) {
    static const GLenum factors[] = {GL_ZERO,      GL_ONE,
                                     GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR,
                                     GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA,
                                     GL_DST_ALPHA, GL_ONE_MINUS_DST_ALPHA,
                                     GL_DST_COLOR, GL_ONE_MINUS_DST_COLOR};
    return factors[static_cast<int>(f)];
}

GLenum textureEnvironment(TextureEnvironment e) {
    return e == TextureEnvironment::Replace ? GL_REPLACE
           : e == TextureEnvironment::Decal ? GL_DECAL
                                            : GL_MODULATE;
}

void setEnabled(GLenum cap, bool enabled) {
    if (enabled) {
        glEnable(cap);
    } else {
        glDisable(cap);
    }
}

GLenum glPrimitive(Primitive p) {
    return p == Primitive::Triangles ? GL_TRIANGLES : p == Primitive::Lines ? GL_LINES : GL_POINTS;
}

} // namespace

std::unique_ptr<RasterBackend> createDefaultRasterBackend() {
    return std::make_unique<DesktopRasterBackend>();
}

void DesktopRasterBackend::applyState(const FragmentState& s) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    setEnabled(GL_SCISSOR_TEST, s.scissorTest);
    glScissor(s.scissor[0], s.scissor[1], s.scissor[2], s.scissor[3]);
    setEnabled(GL_DEPTH_TEST, s.depthTest);
    glDepthFunc(compareFunction(s.depthFunction));
    glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
    glDepthRange(s.depthRange[0], s.depthRange[1]);
    setEnabled(GL_BLEND, s.blend);
    glBlendFunc(blendFactor(s.blendSource), blendFactor(s.blendDestination));
    glColorMask(s.colourWrite[0], s.colourWrite[1], s.colourWrite[2], s.colourWrite[3]);
    setEnabled(GL_TEXTURE_2D, s.textured);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE,
              static_cast<GLint>(textureEnvironment(s.textureEnvironment)));
    glLineWidth(s.lineWidth);
    glPointSize(s.pointSize);
    setEnabled(GL_POLYGON_OFFSET_FILL, s.polygonOffset);
    glPolygonOffset(s.polygonOffsetFactor, s.polygonOffsetUnits);
}

void DesktopRasterBackend::clear(bool colour, const float rgba[4], bool depth, double depthValue,
                                 const FragmentState& state) {
    applyState(state);
    glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
    glClearDepth(depthValue);
    glClear((colour ? GL_COLOR_BUFFER_BIT : 0u) | (depth ? GL_DEPTH_BUFFER_BIT : 0u));
}

void DesktopRasterBackend::setTexture(const TextureImage& image) {
    if (textureName == 0) {
        glGenTextures(1, &textureName);
    }
    glBindTexture(GL_TEXTURE_2D, textureName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = image.channels == 3 ? GL_RGB : GL_RGBA;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                    image.linearMagnification ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    image.linearMinification ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, image.repeatS ? GL_REPEAT : GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, image.repeatT ? GL_REPEAT : GL_CLAMP);
}

void DesktopRasterBackend::draw(Primitive primitive, const std::vector<RasterVertex>& vertices,
                                const FragmentState& state) {
    applyState(state);
    glBegin(glPrimitive(primitive));
    for (const RasterVertex& v : vertices) {
        glColor4fv(v.colour);
        glTexCoord2fv(v.texCoord);
        glVertex4fv(v.position);
    }
    glEnd();
}

void DesktopRasterBackend::readPixels(int x, int y, int width, int height, std::uint8_t* rgba) {
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

} // namespace tessivo::gllayer
