#include "web/layer/desktop_raster_backend.h"

#include "web/layer/default_raster_backend.h"

#include <GL/gl.h>

namespace tessivo::gllayer {

std::unique_ptr<RasterBackend> createDefaultRasterBackend() {
    return std::make_unique<DesktopRasterBackend>();
}

void DesktopRasterBackend::apply(const FragmentState& s) {
    // Nothing but this backend calls the real GL: what it sets once stays set.
    if (!prepared) {
        prepared = true;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
    }
    if (writer.write(s)) {
        if (s.textured) {
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
    }
}

void DesktopRasterBackend::clear(bool colour, const float rgba[4], bool depth,
                                 const FragmentState& state) {
    apply(state);
    glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
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
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(image.magnification));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(image.minification));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(image.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(image.wrapT));
}

void DesktopRasterBackend::draw(unsigned mode, const std::vector<RasterVertex>& vertices,
                                const std::vector<std::uint16_t>& indices,
                                const FragmentState& state) {
    apply(state);
    glBegin(mode);
    for (std::uint16_t i : indices) {
        const RasterVertex& v = vertices[i];
        glColor4ubv(v.colour);
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
