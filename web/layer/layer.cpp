#include "web/layer/layer.h"

#include "web/layer/default_raster_backend.h"

#include <GL/glut.h>
#include <algorithm>
#include <cstring>

namespace tessivo::gllayer {

namespace {

int matrixIndex(GLenum mode) {
    return mode == GL_PROJECTION ? 1 : mode == GL_TEXTURE ? 2 : 0;
}

// False for a parameter GL does not have or the layer leaves out.
bool setMaterialParameter(Material& m, GLenum pname, const Rgba& p) {
    switch (pname) {
    case GL_AMBIENT:
        m.ambient = p;
        return true;
    case GL_DIFFUSE:
        m.diffuse = p;
        return true;
    case GL_AMBIENT_AND_DIFFUSE:
        m.ambient = m.diffuse = p;
        return true;
    case GL_SPECULAR:
        m.specular = p;
        return true;
    case GL_EMISSION:
        m.emission = p;
        return true;
    case GL_SHININESS:
        m.shininess = std::clamp(p[0], 0.0f, 128.0f);
        return true;
    default:
        return false;
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
    recorded.clear();
    recordedMaterials.clear();
    vertices.clear();
    pendingIndices.clear();
    texture = initialTexture();
    textureDefined = false;
    texturesHanded.clear();
    unpackAlignment = packAlignment = 4;
    error = GL_NO_ERROR;
}

TextureImage Layer::initialTexture() {
    TextureImage t;
    t.magnification = t.minification = GL_LINEAR;
    t.wrapS = t.wrapT = GL_REPEAT;
    return t;
}

void Layer::matrixMode(GLenum matrixMode) {
    if (matrixMode != GL_MODELVIEW && matrixMode != GL_PROJECTION && matrixMode != GL_TEXTURE) {
        setError(GL_INVALID_ENUM);
        return;
    }
    state.transform.matrixMode = matrixMode;
}

MatrixStack& Layer::currentStack() {
    return stacks[static_cast<std::size_t>(matrixIndex(state.transform.matrixMode))];
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

void Layer::light(GLenum which, GLenum pname, const Rgba& p) {
    const int index = static_cast<int>(which) - GL_LIGHT0;
    if (index < 0 || index >= Lighting::lightCount) {
        setError(GL_INVALID_ENUM);
        return;
    }
    Light& l = state.lighting.lights[static_cast<std::size_t>(index)];
    switch (pname) {
    case GL_AMBIENT:
        l.ambient = p;
        break;
    case GL_DIFFUSE:
        l.diffuse = p;
        break;
    case GL_SPECULAR:
        l.specular = p;
        break;
    case GL_POSITION:
        // A light is fixed in the frame of the modelview matrix current when it is placed.
        l.eyePosition = modelview().transform({p[0], p[1], p[2], p[3]});
        break;
    default:
        setError(GL_INVALID_ENUM);
    }
}

void Layer::lightModel(GLenum pname, const Rgba& p) {
    switch (pname) {
    case GL_LIGHT_MODEL_AMBIENT:
        state.lighting.modelAmbient = p;
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

void Layer::material(GLenum face, GLenum pname, const Rgba& p) {
    if (face != GL_FRONT && face != GL_BACK && face != GL_FRONT_AND_BACK) {
        setError(GL_INVALID_ENUM);
        return;
    }
    bool known = true;
    materialsChanged = true;
    if (face != GL_BACK) {
        known = setMaterialParameter(state.lighting.materials[0], pname, p);
    }
    if (face != GL_FRONT) {
        known = setMaterialParameter(state.lighting.materials[1], pname, p);
    }
    if (!known) {
        setError(GL_INVALID_ENUM);
    }
}

void Layer::colourMaterial(GLenum face, GLenum colourMode) {
    const bool knownMode = colourMode == GL_AMBIENT || colourMode == GL_DIFFUSE ||
                           colourMode == GL_AMBIENT_AND_DIFFUSE || colourMode == GL_SPECULAR ||
                           colourMode == GL_EMISSION;
    if (!knownMode || (face != GL_FRONT && face != GL_BACK && face != GL_FRONT_AND_BACK)) {
        setError(GL_INVALID_ENUM);
        return;
    }
    state.lighting.colourMaterialFace = face;
    state.lighting.colourMaterialMode = colourMode;
    applyColourMaterial();
}

// With colour material on, the current colour stands for the chosen material colours: set
// whenever the colour changes, and as soon as the tracking starts.
void Layer::applyColourMaterial() {
    if (state.on(capability::colourMaterial)) {
        material(state.lighting.colourMaterialFace, state.lighting.colourMaterialMode,
                 state.current.colour);
    }
}

void Layer::setColour(const Rgba& colour) {
    state.current.colour = colour;
    applyColourMaterial();
}

void Layer::setEnabled(GLenum cap, bool enabled) {
    const std::optional<std::uint32_t> bit = capabilityBit(cap);
    if (!bit) {
        setError(GL_INVALID_ENUM);
        return;
    }
    state.enabled = enabled ? state.enabled | *bit : state.enabled & ~*bit;
    if (*bit == capability::colourMaterial) {
        applyColourMaterial();
    }
}

bool Layer::isEnabled(GLenum cap) {
    const std::optional<std::uint32_t> bit = capabilityBit(cap);
    if (!bit) {
        setError(GL_INVALID_ENUM);
    }
    return bit && state.on(*bit);
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
    materialsChanged = true;
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

PixelRows Layer::unpackedRows(int width, int channels, const void* pixels) const {
    const std::size_t row = static_cast<std::size_t>(width) * channels;
    return {static_cast<const std::uint8_t*>(pixels),
            (row + unpackAlignment - 1) / unpackAlignment * unpackAlignment};
}

// Whether the picture is the texture's already: the program may hand over the same picture
// every frame, and converting and uploading it anew would cost the page more than the frame.
bool Layer::holdsTexture(int width, int height, int channels, PixelRows rows) const {
    if (!textureDefined || rows.first == nullptr || width != texture.width ||
        height != texture.height || channels != texture.channels) {
        return false;
    }
    const std::size_t row = static_cast<std::size_t>(width) * channels;
    for (int y = 0; y < height; ++y) {
        if (std::memcmp(rows.first + y * rows.stride, texture.pixels.data() + y * row, row) != 0) {
            return false;
        }
    }
    return true;
}

void Layer::textureImage(int width, int height, int channels, PixelRows rows) {
    if (holdsTexture(width, height, channels, rows)) {
        return;
    }
    flush();
    texture.width = width;
    texture.height = height;
    texture.channels = channels;
    const std::size_t row = static_cast<std::size_t>(width) * channels;
    texture.pixels.assign(row * static_cast<std::size_t>(height), 0);
    for (int y = 0; rows.first && y < height; ++y) {
        std::copy_n(rows.first + y * rows.stride, row, texture.pixels.begin() + y * row);
    }
    textureDefined = true;
    ++textureVersion;
}

void Layer::textureParameter(GLenum pname, GLint value) {
    const auto filter = static_cast<GLenum>(value);
    const bool isFilter = filter == GL_LINEAR || filter == GL_NEAREST;
    const bool isMinifyingFilter =
        isFilter || filter == GL_NEAREST_MIPMAP_NEAREST || filter == GL_LINEAR_MIPMAP_NEAREST ||
        filter == GL_NEAREST_MIPMAP_LINEAR || filter == GL_LINEAR_MIPMAP_LINEAR;
    const bool isWrap = filter == GL_REPEAT || filter == GL_CLAMP;
    unsigned* parameter = nullptr;
    unsigned newValue = filter;
    if (pname == GL_TEXTURE_MAG_FILTER && isFilter) {
        parameter = &texture.magnification;
    } else if (pname == GL_TEXTURE_MIN_FILTER && isMinifyingFilter) {
        // There are no mipmaps to choose between: only the nearest filters stay nearest.
        parameter = &texture.minification;
        newValue =
            filter == GL_NEAREST || filter == GL_NEAREST_MIPMAP_NEAREST ? GL_NEAREST : GL_LINEAR;
    } else if (pname == GL_TEXTURE_WRAP_S && isWrap) {
        parameter = &texture.wrapS;
    } else if (pname == GL_TEXTURE_WRAP_T && isWrap) {
        parameter = &texture.wrapT;
    } else {
        setError(GL_INVALID_ENUM);
        return;
    }
    if (*parameter == newValue) {
        return;
    }
    flush();
    *parameter = newValue;
    ++textureVersion;
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
    ViewportAttributes& v = state.viewport;
    if (!v.set) {
        v.box = {0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
        v.set = true;
    }
    return v.box;
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
