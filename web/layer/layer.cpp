#include "web/layer/layer.h"

#include "web/layer/default_raster_backend.h"

#include <GL/glut.h>
#include <algorithm>

namespace tessivo::gllayer {

namespace {

constexpr GLenum texture = GL_TEXTURE;

Rgba rgba(const float* p) {
    return {p[0], p[1], p[2], p[3]};
}

int matrixIndex(GLenum mode) {
    return mode == GL_PROJECTION ? 1 : mode == texture ? 2 : 0;
}

void setMaterialParameter(Material& m, GLenum pname, const float* p) {
    switch (pname) {
    case GL_AMBIENT:
        m.ambient = rgba(p);
        break;
    case GL_DIFFUSE:
        m.diffuse = rgba(p);
        break;
    case GL_AMBIENT_AND_DIFFUSE:
        m.ambient = m.diffuse = rgba(p);
        break;
    case GL_SPECULAR:
        m.specular = rgba(p);
        break;
    case GL_EMISSION:
        m.emission = rgba(p);
        break;
    case GL_SHININESS:
        m.shininess = std::clamp(p[0], 0.0f, 128.0f);
        break;
    default:
        break;
    }
}

} // namespace

Layer& Layer::instance() {
    static Layer layer;
    return layer;
}

void Layer::setBackend(RasterBackend* chosen) {
    flush();
    chosenBackend = chosen;
    textureChanged = textureDefined;
}

RasterBackend& Layer::backend() {
    if (chosenBackend) {
        return *chosenBackend;
    }
    if (!defaultBackend) {
        defaultBackend = createDefaultRasterBackend();
    }
    return *defaultBackend;
}

void Layer::reset() {
    pending.clear();
    state = ServerState();
    arrays = ClientArrays();
    lists.clear();
    stacks = {MatrixStack(32), MatrixStack(4), MatrixStack(4)};
    attributeStack.clear();
    clientAttributeStack.clear();
    mode = GL_RENDER;
    insideBegin = false;
    vertices.clear();
    texture = TextureImage();
    textureDefined = textureChanged = false;
    unpackAlignment = packAlignment = 4;
    error = GL_NO_ERROR;
}

void Layer::matrixMode(GLenum matrixMode) {
    state.matrixMode = matrixMode;
}

MatrixStack& Layer::currentStack() {
    return stacks[static_cast<std::size_t>(matrixIndex(state.matrixMode))];
}

const MatrixStack& Layer::stack(GLenum matrixMode) const {
    return stacks[static_cast<std::size_t>(matrixIndex(matrixMode))];
}

void Layer::pushMatrix() {
    if (!currentStack().push()) {
        setError(GL_STACK_OVERFLOW);
    }
}

void Layer::popMatrix() {
    if (!currentStack().pop()) {
        setError(GL_STACK_UNDERFLOW);
    }
}

void Layer::light(GLenum which, GLenum pname, const float* p) {
    const int index = static_cast<int>(which) - GL_LIGHT0;
    if (index < 0 || index >= Lighting::lightCount) {
        setError(GL_INVALID_ENUM);
        return;
    }
    Light& l = state.lighting.lights[static_cast<std::size_t>(index)];
    switch (pname) {
    case GL_AMBIENT:
        l.ambient = rgba(p);
        break;
    case GL_DIFFUSE:
        l.diffuse = rgba(p);
        break;
    case GL_SPECULAR:
        l.specular = rgba(p);
        break;
    case GL_POSITION:
        // A light is fixed in the frame of the modelview matrix current when it is placed.
        l.eyePosition = modelview().transform({p[0], p[1], p[2], p[3]});
        break;
    case GL_SPOT_DIRECTION: {
        const auto d = modelview().transform({p[0], p[1], p[2], 0.0});
        l.spotDirection = {d[0], d[1], d[2]};
        break;
    }
    case GL_SPOT_EXPONENT:
        l.spotExponent = p[0];
        break;
    case GL_SPOT_CUTOFF:
        l.spotCutoff = p[0];
        break;
    case GL_CONSTANT_ATTENUATION:
        l.constantAttenuation = p[0];
        break;
    case GL_LINEAR_ATTENUATION:
        l.linearAttenuation = p[0];
        break;
    case GL_QUADRATIC_ATTENUATION:
        l.quadraticAttenuation = p[0];
        break;
    default:
        setError(GL_INVALID_ENUM);
    }
}

void Layer::lightModel(GLenum pname, const float* p) {
    switch (pname) {
    case GL_LIGHT_MODEL_AMBIENT:
        state.lighting.modelAmbient = rgba(p);
        break;
    case GL_LIGHT_MODEL_TWO_SIDE:
        state.lighting.twoSided = p[0] != 0.0f;
        break;
    case GL_LIGHT_MODEL_LOCAL_VIEWER:
        state.lighting.localViewer = p[0] != 0.0f;
        break;
    default:
        setError(GL_INVALID_ENUM);
    }
}

void Layer::material(GLenum face, GLenum pname, const float* p) {
    if (face != GL_BACK) {
        setMaterialParameter(state.lighting.materials[0], pname, p);
    }
    if (face != GL_FRONT) {
        setMaterialParameter(state.lighting.materials[1], pname, p);
    }
}

void Layer::colourMaterial(GLenum face, GLenum colourMode) {
    state.colourMaterialFace = face;
    state.colourMaterialMode = colourMode;
    applyColourMaterial();
}

// With colour material on, the current colour stands for the chosen material colours: set
// whenever the colour changes, and as soon as the tracking starts.
void Layer::applyColourMaterial() {
    if (state.colourMaterialEnabled) {
        material(state.colourMaterialFace, state.colourMaterialMode, state.colour.data());
    }
}

void Layer::setColour(const Rgba& colour) {
    state.colour = colour;
    applyColourMaterial();
}

namespace {

bool* enableFlag(ServerState& s, GLenum cap) {
    switch (cap) {
    case GL_LIGHTING:
        return &s.lightingEnabled;
    case GL_COLOR_MATERIAL:
        return &s.colourMaterialEnabled;
    case GL_NORMALIZE:
        return &s.normalize;
    case GL_DEPTH_TEST:
        return &s.depthTest;
    case GL_BLEND:
        return &s.blend;
    case GL_TEXTURE_2D:
        return &s.texture2D;
    case GL_CULL_FACE:
        return &s.cullFace;
    case GL_POLYGON_OFFSET_FILL:
        return &s.polygonOffsetFill;
    case GL_SCISSOR_TEST:
        return &s.scissorTest;
    default:
        break;
    }
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + Lighting::lightCount) {
        return &s.lighting.lights[cap - GL_LIGHT0].enabled;
    }
    return nullptr;
}

} // namespace

void Layer::setEnabled(GLenum cap, bool enabled) {
    if (bool* flag = enableFlag(state, cap)) {
        *flag = enabled;
        if (cap == GL_COLOR_MATERIAL) {
            applyColourMaterial();
        }
    }
    // Capabilities that only matter to other GL features (evaluators' GL_AUTO_NORMAL, dithering)
    // are accepted and have no effect here.
}

bool Layer::isEnabled(GLenum cap) const {
    ServerState copy = state;
    const bool* flag = enableFlag(copy, cap);
    return flag && *flag;
}

void Layer::pushAttributes(GLbitfield mask) {
    if (attributeStack.size() >= 16) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    attributeStack.emplace_back(mask, state);
}

void Layer::popAttributes() {
    if (attributeStack.empty()) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    restoreAttributes(state, attributeStack.back().second, attributeStack.back().first);
    attributeStack.pop_back();
}

void Layer::pushClientAttributes(GLbitfield) {
    if (clientAttributeStack.size() >= 16) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    clientAttributeStack.push_back(arrays);
}

void Layer::popClientAttributes() {
    if (clientAttributeStack.empty()) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    arrays = clientAttributeStack.back();
    clientAttributeStack.pop_back();
}

void Layer::textureImage(int width, int height, GLenum format, GLenum type, const void* pixels) {
    if (type != GL_UNSIGNED_BYTE || (format != GL_RGB && format != GL_RGBA) || width < 0 ||
        height < 0) {
        setError(GL_INVALID_ENUM);
        return;
    }
    flush();
    texture.width = width;
    texture.height = height;
    texture.channels = format == GL_RGB ? 3 : 4;
    const std::size_t row = static_cast<std::size_t>(width) * texture.channels;
    const std::size_t stride = (row + unpackAlignment - 1) / unpackAlignment * unpackAlignment;
    texture.pixels.assign(row * static_cast<std::size_t>(height), 0);
    const auto* source = static_cast<const unsigned char*>(pixels);
    for (int y = 0; source && y < height; ++y) {
        std::copy_n(source + y * stride, row, texture.pixels.begin() + y * row);
    }
    textureDefined = textureChanged = true;
}

void Layer::textureParameter(GLenum pname, GLint value) {
    flush();
    switch (pname) {
    case GL_TEXTURE_MAG_FILTER:
        texture.linearMagnification = value == GL_LINEAR;
        break;
    case GL_TEXTURE_MIN_FILTER:
        texture.linearMinification = value != GL_NEAREST && value != GL_NEAREST_MIPMAP_NEAREST;
        break;
    case GL_TEXTURE_WRAP_S:
        texture.repeatS = value == GL_REPEAT;
        break;
    case GL_TEXTURE_WRAP_T:
        texture.repeatT = value == GL_REPEAT;
        break;
    default:
        break;
    }
    textureChanged = textureDefined;
}

void Layer::pixelStore(GLenum pname, GLint value) {
    if (value != 1 && value != 2 && value != 4 && value != 8) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (pname == GL_UNPACK_ALIGNMENT) {
        unpackAlignment = value;
    } else if (pname == GL_PACK_ALIGNMENT) {
        packAlignment = value;
    }
}

void Layer::selectBuffer(GLsizei size, GLuint* buffer) {
    selectionBuffer = buffer;
    selectionBufferSize = size;
}

int Layer::renderMode(GLenum newMode) {
    flush();
    int result = 0;
    if (mode == GL_SELECT) {
        result = selector.end();
    }
    if (newMode == GL_SELECT) {
        selector.begin(selectionBuffer, selectionBufferSize);
    }
    mode = newMode;
    return result;
}

const std::array<int, 4>& Layer::viewport() {
    // Before the program sets a viewport GL's is the whole window.
    if (!state.viewportSet) {
        state.viewport = {0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
        state.viewportSet = true;
    }
    return state.viewport;
}

void Layer::setError(GLenum newError) {
    if (error == GL_NO_ERROR) {
        error = newError;
    }
}

GLenum Layer::takeError() {
    const GLenum e = error;
    error = GL_NO_ERROR;
    return e;
}

} // namespace tessivo::gllayer
