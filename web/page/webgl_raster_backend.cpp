#include "web/page/webgl_raster_backend.h"

#include "web/layer/default_raster_backend.h"

#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdio>
#include <memory>

namespace tessivo::gllayer {

namespace {

// The shaders only pass on what the layer computed: positions are already in clip coordinates
// and colours already lit. An untextured draw has a program of its own, compiled from the same
// sources without TEXTURED, so that its fragments sample no texture: SwiftShader runs the
// shaders on the CPU, where a sample that a branch would throw away costs as much as one that
// is kept.
const char* const vertexShader = R"(
attribute vec4 position;
attribute vec4 colour;
varying vec4 fragmentColour;
#ifdef TEXTURED
attribute vec2 texCoord;
varying vec2 fragmentTexCoord;
#endif
void main() {
    gl_Position = position;
    fragmentColour = colour;
#ifdef TEXTURED
    fragmentTexCoord = texCoord;
#endif
}
)";

// GL 1.1's modulating texture environment; an RGB texture samples with alpha 1, which keeps the
// fragment's alpha as GL does.
const char* const fragmentShader = R"(
precision mediump float;
varying vec4 fragmentColour;
#ifdef TEXTURED
uniform sampler2D picture;
varying vec2 fragmentTexCoord;
#endif
void main() {
#ifdef TEXTURED
    gl_FragColor = fragmentColour * texture2D(picture, fragmentTexCoord);
#else
    gl_FragColor = fragmentColour;
#endif
}
)";

enum Attribute : GLuint { positionAttribute = 0, colourAttribute = 1, texCoordAttribute = 2 };

GLuint compileShader(GLenum type, const char* source, bool textured) {
    const GLuint shader = glCreateShader(type);
    const char* sources[] = {textured ? "#define TEXTURED\n" : "", source};
    glShaderSource(shader, 2, sources, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        char log[512] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "tessivo: shader does not compile: %s\n", log);
    }
    return shader;
}

bool isPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

GLuint linkProgram(bool textured) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, compileShader(GL_VERTEX_SHADER, vertexShader, textured));
    glAttachShader(program, compileShader(GL_FRAGMENT_SHADER, fragmentShader, textured));
    glBindAttribLocation(program, positionAttribute, "position");
    glBindAttribLocation(program, colourAttribute, "colour");
    glBindAttribLocation(program, texCoordAttribute, "texCoord");
    glLinkProgram(program);
    return program;
}

} // namespace

void WebglRasterBackend::prepare() {
    if (prepared_) {
        return;
    }
    prepared_ = true;
    plainProgram_ = linkProgram(false);
    texturedProgram_ = linkProgram(true);
    glUseProgram(texturedProgram_);
    glUniform1i(glGetUniformLocation(texturedProgram_, "picture"), 0);

    glGenBuffers(1, &buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glGenBuffers(1, &indexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    const auto stride = static_cast<GLsizei>(sizeof(RasterVertex));
    glVertexAttribPointer(positionAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, position)));
    glVertexAttribPointer(colourAttribute, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, colour)));
    glVertexAttribPointer(texCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, texCoord)));
    glEnableVertexAttribArray(positionAttribute);
    glEnableVertexAttribArray(colourAttribute);
    glEnableVertexAttribArray(texCoordAttribute);

    glGenTextures(1, &texture_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture_);
    // The layer hands over both faces of everything; WebGL's defaults for the rest match GL's.
    glDisable(GL_CULL_FACE);
}

// The program's canvas has alpha, for the view beneath to show through where the overlay
// leaves it transparent: a blended fragment covers what is under it by its alpha, as the
// compositor takes it, so that an opaque picture stays opaque.
void WebglRasterBackend::apply(const FragmentState& state) {
    if (writer_.write(viewCanvas_ ? viewCanvas_->scaled(state) : state)) {
        glUseProgram(state.textured ? texturedProgram_ : plainProgram_);
    }
    if (transparentCanvas_ &&
        (state.blendSource != blendSource_ || state.blendDestination != blendDestination_)) {
        blendSource_ = state.blendSource;
        blendDestination_ = state.blendDestination;
        glBlendFuncSeparate(blendSource_, blendDestination_, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    }
}

void WebglRasterBackend::clearTransparent(int width, int height) {
    prepare();
    FragmentState whole;
    whole.viewport = {0, 0, width, height};
    apply(whole);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE); // the overlay's alpha is its coverage
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void WebglRasterBackend::clear(bool colour, const float rgba[4], bool depth,
                               const FragmentState& state) {
    prepare();
    apply(state);
    GLbitfield mask = 0;
    if (colour) {
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (depth) {
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (mask != 0) {
        glClear(mask);
    }
    if (colour && transparentCanvas_) {
        keepAlpha(); // the picture is opaque from its clear on
    }
}

// Only the clear writes the alpha of a picture drawn on the program's canvas: the view's
// surfaces may leave an alpha below one, which would let the page's background through.
void WebglRasterBackend::keepAlpha() {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
}

void WebglRasterBackend::setTexture(const TextureImage& image) {
    prepare();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(image.magnification));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(image.minification));
    // WebGL has no GL_CLAMP, and samples a texture whose sides are not powers of two only when
    // clamped; GL 1.1 wants powers of two anyway, so this only keeps such a picture visible.
    const bool repeatable = isPowerOfTwo(image.width) && isPowerOfTwo(image.height);
    const auto wrap = [repeatable](unsigned w) {
        return w == GL_REPEAT && repeatable ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    };
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap(image.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap(image.wrapT));
}

void WebglRasterBackend::draw(unsigned mode, const std::vector<RasterVertex>& vertices,
                              const std::vector<std::uint16_t>& indices,
                              const FragmentState& state) {
    if (indices.empty()) {
        return;
    }
    prepare();
    apply(state);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(RasterVertex)),
                 vertices.data(), GL_STREAM_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(indices.size() * sizeof(std::uint16_t)), indices.data(),
                 GL_STREAM_DRAW);
    glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_SHORT, nullptr);
}

void WebglRasterBackend::readPixels(int x, int y, int width, int height, std::uint8_t* rgba) {
    prepare();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

// The browser's build draws through WebGL.
std::unique_ptr<RasterBackend> createDefaultRasterBackend() {
    return std::make_unique<WebglRasterBackend>();
}

} // namespace tessivo::gllayer
