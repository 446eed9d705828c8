#include "web/page/webgl_raster_backend.h"

#include "web/layer/default_raster_backend.h"

#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdio>
#include <memory>

namespace tessivo::gllayer {

namespace {

// The vertex shader only passes on what the layer computed: positions are already in clip
// coordinates and colours already lit.
const char* const vertexShaderSource = R"(
attribute vec4 position;
attribute vec4 colour;
attribute vec2 texCoord;
uniform float pointSize;
varying vec4 fragmentColour;
varying vec2 fragmentTexCoord;
void main() {
    gl_Position = position;
    gl_PointSize = pointSize;
    fragmentColour = colour;
    fragmentTexCoord = texCoord;
}
)";

// GL 1.1's texture environments for RGB and RGBA textures. An RGB texture samples with alpha 1,
// so modulate and decal need no case of their own for it; replace takes the fragment's alpha
// unless the texture has one.
const char* const fragmentShaderSource = R"(
precision mediump float;
uniform sampler2D picture;
uniform int mode; // 0 untextured, 1 modulate, 2 replace, 3 decal
uniform bool textureHasAlpha;
varying vec4 fragmentColour;
varying vec2 fragmentTexCoord;
void main() {
    if (mode == 0) {
        gl_FragColor = fragmentColour;
        return;
    }
    vec4 texel = texture2D(picture, fragmentTexCoord);
    if (mode == 1) {
        gl_FragColor = fragmentColour * texel;
    } else if (mode == 2) {
        gl_FragColor = vec4(texel.rgb, textureHasAlpha ? texel.a : fragmentColour.a);
    } else {
        gl_FragColor = vec4(mix(fragmentColour.rgb, texel.rgb, texel.a), fragmentColour.a);
    }
}
)";

enum Attribute : GLuint { positionAttribute = 0, colourAttribute = 1, texCoordAttribute = 2 };

GLuint compileShader(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
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

GLenum compareFunction(CompareFunction function) {
    switch (function) {
    case CompareFunction::Never:
        return GL_NEVER;
    case CompareFunction::Less:
        return GL_LESS;
    case CompareFunction::Equal:
        return GL_EQUAL;
    case CompareFunction::LessOrEqual:
        return GL_LEQUAL;
    case CompareFunction::Greater:
        return GL_GREATER;
    case CompareFunction::NotEqual:
        return GL_NOTEQUAL;
    case CompareFunction::GreaterOrEqual:
        return GL_GEQUAL;
    case CompareFunction::Always:
        break;
    }
    return GL_ALWAYS;
}

GLenum blendFactor(BlendFactor factor) {
    switch (factor) {
    case BlendFactor::Zero:
        return GL_ZERO;
    case BlendFactor::One:
        return GL_ONE;
    case BlendFactor::SourceColour:
        return GL_SRC_COLOR;
    case BlendFactor::OneMinusSourceColour:
        return GL_ONE_MINUS_SRC_COLOR;
    case BlendFactor::SourceAlpha:
        return GL_SRC_ALPHA;
    case BlendFactor::OneMinusSourceAlpha:
        return GL_ONE_MINUS_SRC_ALPHA;
    case BlendFactor::DestinationAlpha:
        return GL_DST_ALPHA;
    case BlendFactor::OneMinusDestinationAlpha:
        return GL_ONE_MINUS_DST_ALPHA;
    case BlendFactor::DestinationColour:
        return GL_DST_COLOR;
    case BlendFactor::OneMinusDestinationColour:
        break;
    }
    return GL_ONE_MINUS_DST_COLOR;
}

GLenum primitiveMode(Primitive primitive) {
    switch (primitive) {
    case Primitive::Triangles:
        return GL_TRIANGLES;
    case Primitive::Lines:
        return GL_LINES;
    case Primitive::Points:
        break;
    }
    return GL_POINTS;
}

void setCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

bool sameRectangle(const int a[4], const int b[4]) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
}

bool isPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

int textureMode(const FragmentState& state) {
    if (!state.textured) {
        return 0;
    }
    switch (state.textureEnvironment) {
    case TextureEnvironment::Modulate:
        return 1;
    case TextureEnvironment::Replace:
        return 2;
    case TextureEnvironment::Decal:
        break;
    }
    return 3;
}

} // namespace

void WebglRasterBackend::prepare() {
    if (prepared_) {
        return;
    }
    prepared_ = true;
    program_ = glCreateProgram();
    glAttachShader(program_, compileShader(GL_VERTEX_SHADER, vertexShaderSource));
    glAttachShader(program_, compileShader(GL_FRAGMENT_SHADER, fragmentShaderSource));
    glBindAttribLocation(program_, positionAttribute, "position");
    glBindAttribLocation(program_, colourAttribute, "colour");
    glBindAttribLocation(program_, texCoordAttribute, "texCoord");
    glLinkProgram(program_);
    glUseProgram(program_);
    modeLocation_ = glGetUniformLocation(program_, "mode");
    pointSizeLocation_ = glGetUniformLocation(program_, "pointSize");
    textureHasAlphaLocation_ = glGetUniformLocation(program_, "textureHasAlpha");
    glUniform1i(glGetUniformLocation(program_, "picture"), 0);

    glGenBuffers(1, &buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const auto stride = static_cast<GLsizei>(sizeof(RasterVertex));
    glVertexAttribPointer(positionAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, position)));
    glVertexAttribPointer(colourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, colour)));
    glVertexAttribPointer(texCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, texCoord)));
    glEnableVertexAttribArray(positionAttribute);
    glEnableVertexAttribArray(colourAttribute);
    glEnableVertexAttribArray(texCoordAttribute);

    glGenTextures(1, &texture_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture_);
    // GL 1.1 has no face culling to hand over here (the layer culls), and WebGL's defaults for
    // everything else match GL's except that nothing has been applied yet.
    glDisable(GL_CULL_FACE);
}

// The state that also governs clears: where pixels may be written and which parts of them.
void WebglRasterBackend::applyWrites(const FragmentState& state) {
    const FragmentState& last = applied_;
    const bool first = !anyApplied_;
    if (first || !sameRectangle(state.viewport, last.viewport)) {
        glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
    }
    if (first || state.scissorTest != last.scissorTest) {
        setCapability(GL_SCISSOR_TEST, state.scissorTest);
    }
    if (state.scissorTest && (first || !sameRectangle(state.scissor, last.scissor))) {
        glScissor(state.scissor[0], state.scissor[1], state.scissor[2], state.scissor[3]);
    }
    if (first || state.depthWrite != last.depthWrite) {
        glDepthMask(state.depthWrite ? GL_TRUE : GL_FALSE);
    }
    const bool* mask = state.colourWrite;
    const bool* lastMask = last.colourWrite;
    if (first || mask[0] != lastMask[0] || mask[1] != lastMask[1] || mask[2] != lastMask[2] ||
        mask[3] != lastMask[3]) {
        glColorMask(mask[0], mask[1], mask[2], mask[3]);
    }
    anyApplied_ = true;
    applied_.viewport[0] = state.viewport[0];
    applied_.viewport[1] = state.viewport[1];
    applied_.viewport[2] = state.viewport[2];
    applied_.viewport[3] = state.viewport[3];
    applied_.scissorTest = state.scissorTest;
    for (int i = 0; i < 4; ++i) {
        applied_.scissor[i] = state.scissorTest ? state.scissor[i] : last.scissor[i];
        applied_.colourWrite[i] = state.colourWrite[i];
    }
    applied_.depthWrite = state.depthWrite;
}

void WebglRasterBackend::apply(const FragmentState& state) {
    const bool first = !anyApplied_;
    const FragmentState last = applied_;
    applyWrites(state);
    if (first || state.depthTest != last.depthTest) {
        setCapability(GL_DEPTH_TEST, state.depthTest);
    }
    if (first || state.depthFunction != last.depthFunction) {
        glDepthFunc(compareFunction(state.depthFunction));
    }
    if (first || state.depthRange[0] != last.depthRange[0] ||
        state.depthRange[1] != last.depthRange[1]) {
        glDepthRangef(static_cast<float>(state.depthRange[0]),
                      static_cast<float>(state.depthRange[1]));
    }
    if (first || state.blend != last.blend) {
        setCapability(GL_BLEND, state.blend);
    }
    if (first || state.blendSource != last.blendSource ||
        state.blendDestination != last.blendDestination) {
        glBlendFunc(blendFactor(state.blendSource), blendFactor(state.blendDestination));
    }
    if (first || state.polygonOffset != last.polygonOffset) {
        setCapability(GL_POLYGON_OFFSET_FILL, state.polygonOffset);
    }
    if (first || state.polygonOffsetFactor != last.polygonOffsetFactor ||
        state.polygonOffsetUnits != last.polygonOffsetUnits) {
        glPolygonOffset(state.polygonOffsetFactor, state.polygonOffsetUnits);
    }
    if (first || state.lineWidth != last.lineWidth) {
        glLineWidth(state.lineWidth);
    }
    if (first || state.pointSize != last.pointSize) {
        glUniform1f(pointSizeLocation_, state.pointSize);
    }
    if (first || textureMode(state) != textureMode(last)) {
        glUniform1i(modeLocation_, textureMode(state));
    }
    applied_ = state;
}

void WebglRasterBackend::clear(bool colour, const float rgba[4], bool depth, double depthValue,
                               const FragmentState& state) {
    prepare();
    applyWrites(state);
    GLbitfield mask = 0;
    if (colour) {
        glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (depth) {
        glClearDepthf(static_cast<float>(depthValue));
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (mask != 0) {
        glClear(mask);
    }
}

void WebglRasterBackend::setTexture(const TextureImage& image) {
    prepare();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                    image.linearMagnification ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    image.linearMinification ? GL_LINEAR : GL_NEAREST);
    // WebGL 1 samples a texture whose sides are not powers of two only when clamped; GL 1.1
    // wants powers of two anyway, so this only keeps such a picture visible.
    const bool repeatable = isPowerOfTwo(image.width) && isPowerOfTwo(image.height);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S,
                    image.repeatS && repeatable ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T,
                    image.repeatT && repeatable ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glUniform1i(textureHasAlphaLocation_, image.channels == 4 ? 1 : 0);
}

void WebglRasterBackend::draw(Primitive primitive, const std::vector<RasterVertex>& vertices,
                              const FragmentState& state) {
    if (vertices.empty()) {
        return;
    }
    prepare();
    apply(state);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(RasterVertex)),
                 vertices.data(), GL_STREAM_DRAW);
    glDrawArrays(primitiveMode(primitive), 0, static_cast<GLsizei>(vertices.size()));
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
