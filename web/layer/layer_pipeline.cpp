// The vertex pipeline of the layer: what happens between glBegin and glEnd, and how finished
// primitives reach the backend.

#include "web/layer/clip_volume.h"
#include "web/layer/layer.h"
#include "web/layer/primitive_assembly.h"
#include "web/layer/wide_lines.h"

#include <algorithm>
#include <cmath>

namespace tessivo::gllayer {

namespace {

Point3 normalised(const Point3& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return length > 0.0 ? Point3{v[0] / length, v[1] / length, v[2] / length} : v;
}

} // namespace

FragmentState Layer::fragmentState() {
    FragmentState f;
    f.viewport = viewport();
    f.scissor = state.scissor.box;
    f.blendSource = state.colourBuffer.blendSource;
    f.blendDestination = state.colourBuffer.blendDestination;
    f.lineWidth = state.line.width;
    f.scissorTest = state.on(capability::scissorTest);
    f.depthTest = state.on(capability::depthTest);
    f.depthWrite = state.depthBuffer.write;
    f.blend = state.on(capability::blend);
    f.textured = state.on(capability::texture2D) && textureDefined && texture.width > 0 &&
                 texture.height > 0;
    return f;
}

void Layer::prepareVertexPipeline() {
    normalMatrix = modelview().normalMatrix();
}

void Layer::begin(GLenum primitive) {
    if (insideBegin) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    if (!assemblesPrimitives(primitive)) {
        setError(GL_INVALID_ENUM);
        return;
    }
    insideBegin = true;
    primitiveMode = primitive;
    vertices.clear();
    prepareVertexPipeline();
}

void Layer::vertex(double x, double y, double z, double w) {
    if (!insideBegin) {
        return;
    }
    Vertex v;
    const auto eye = modelview().transform({x, y, z, w});
    v.clip = projection().transform(eye);
    if (selecting()) {
        vertices.push_back(v);
        return;
    }
    if (state.on(capability::lighting)) {
        const auto& n = state.current.normal;
        const auto& m = normalMatrix;
        Point3 eyeNormal = {m[0] * n[0] + m[1] * n[1] + m[2] * n[2],
                            m[3] * n[0] + m[4] * n[1] + m[5] * n[2],
                            m[6] * n[0] + m[7] * n[1] + m[8] * n[2]};
        if (state.on(capability::normalize)) {
            eyeNormal = normalised(eyeNormal);
        }
        const double wEye = eye[3] != 0.0 ? eye[3] : 1.0;
        const Point3 eyePosition = {eye[0] / wEye, eye[1] / wEye, eye[2] / wEye};
        const Lighting& l = state.lighting;
        const std::uint32_t lightsOn = state.enabled & capability::lights;
        v.front = l.colour(eyePosition, eyeNormal, false, lightsOn);
        v.back = l.twoSided ? l.colour(eyePosition, eyeNormal, true, lightsOn) : v.front;
    } else {
        v.front = v.back = state.current.colour;
    }
    const auto t = textureMatrix().transform(state.current.texCoord);
    const double q = t[3] != 0.0 ? t[3] : 1.0;
    v.texCoord = {static_cast<float>(t[0] / q), static_cast<float>(t[1] / q)};
    vertices.push_back(v);
}

void Layer::end() {
    if (!insideBegin) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    insideBegin = false;
    const AssembledPrimitives assembled =
        assemblePrimitives(primitiveMode, static_cast<int>(vertices.size()));
    if (selecting()) {
        selectPrimitives(assembled.kind, assembled.indices);
    } else if (assembled.kind == GL_TRIANGLES) {
        emitTriangles(assembled.indices);
    } else {
        emitLines(assembled.indices);
    }
}

void Layer::rectangle(double x1, double y1, double x2, double y2) {
    begin(GL_POLYGON);
    vertex(x1, y1, 0, 1);
    vertex(x2, y1, 0, 1);
    vertex(x2, y2, 0, 1);
    vertex(x1, y2, 0, 1);
    end();
}

// Whether the triangle appears counterclockwise in the window, GL's front face. The determinant
// of the homogeneous coordinates (x, y, w) has the sign of the projected area for vertices in
// front of the eye and stays right for a triangle crossing the eye's plane, whose visible part
// GL would judge.
bool Layer::frontFacing(const Vertex& a, const Vertex& b, const Vertex& c) {
    const auto& p = a.clip;
    const auto& q = b.clip;
    const auto& r = c.clip;
    const double determinant = p[0] * (q[1] * r[3] - q[3] * r[1]) -
                               p[1] * (q[0] * r[3] - q[3] * r[0]) +
                               p[3] * (q[0] * r[1] - q[1] * r[0]);
    return determinant > 0.0;
}

RasterVertex Layer::rasterVertex(const Vertex& v, bool back) const {
    RasterVertex r;
    for (int k = 0; k < 4; ++k) {
        r.position[k] = static_cast<float>(v.clip[static_cast<std::size_t>(k)]);
    }
    const Rgba& colour = back ? v.back : v.front;
    std::copy(colour.begin(), colour.end(), r.colour);
    r.texCoord[0] = v.texCoord[0];
    r.texCoord[1] = v.texCoord[1];
    return r;
}

void Layer::emitTriangles(const std::vector<int>& indices) {
    batch(GL_TRIANGLES, fragmentState());
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        const Vertex& a = vertices[static_cast<std::size_t>(indices[i])];
        const Vertex& b = vertices[static_cast<std::size_t>(indices[i + 1])];
        const Vertex& c = vertices[static_cast<std::size_t>(indices[i + 2])];
        const bool back = !frontFacing(a, b, c);
        for (const Vertex* v : {&a, &b, &c}) {
            pending.push_back(rasterVertex(*v, back));
        }
    }
}

void Layer::emitLines(const std::vector<int>& indices) {
    const FragmentState fragments = fragmentState();
    const float width = rasterisedLineWidth(fragments.lineWidth);
    if (width > 1.0f) {
        batch(GL_TRIANGLES, fragments);
        for (std::size_t i = 0; i + 1 < indices.size(); i += 2) {
            appendWideLine(rasterVertex(vertices[static_cast<std::size_t>(indices[i])], false),
                           rasterVertex(vertices[static_cast<std::size_t>(indices[i + 1])], false),
                           fragments.viewport, width, pending);
        }
        return;
    }
    batch(GL_LINES, fragments);
    for (int i : indices) {
        pending.push_back(rasterVertex(vertices[static_cast<std::size_t>(i)], false));
    }
}

void Layer::selectPrimitives(GLenum kind, const std::vector<int>& indices) {
    const std::size_t corners = kind == GL_TRIANGLES ? 3 : 2;
    for (std::size_t i = 0; i + corners <= indices.size(); i += corners) {
        std::vector<ClipPoint> polygon;
        for (std::size_t k = 0; k < corners; ++k) {
            polygon.push_back(vertices[static_cast<std::size_t>(indices[i + k])].clip);
        }
        if (const auto range = clippedDepthRange(polygon)) {
            // Normalised depth to window depth through GL's depth range, 0..1.
            selector.hit((range->first + 1.0) * 0.5, (range->second + 1.0) * 0.5);
        }
    }
}

// Starts a new batch unless the primitives to come can join the pending one.
void Layer::batch(GLenum kind, const FragmentState& fragments) {
    if (!pending.empty() && (kind != pendingKind || fragments != pendingState)) {
        flush();
    }
    pendingKind = kind;
    pendingState = fragments;
}

void Layer::flush() {
    if (pending.empty()) {
        return;
    }
    RasterBackend& target = backend();
    if (textureChanged && pendingState.textured) {
        target.setTexture(texture);
        textureChanged = false;
    }
    target.draw(pendingKind, pending, pendingState);
    pending.clear();
}

void Layer::clear(GLbitfield mask) {
    if (selecting()) {
        return;
    }
    flush();
    const FragmentState fragments = fragmentState();
    backend().clear((mask & GL_COLOR_BUFFER_BIT) != 0, state.colourBuffer.clearColour.data(),
                    (mask & GL_DEPTH_BUFFER_BIT) != 0, fragments);
}

void Layer::readPixels(int x, int y, int width, int height, GLenum format, GLenum type,
                       void* pixels) {
    if (type != GL_UNSIGNED_BYTE || (format != GL_RGB && format != GL_RGBA) || width < 0 ||
        height < 0) {
        setError(GL_INVALID_ENUM);
        return;
    }
    flush();
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    backend().readPixels(x, y, width, height, rgba.data());
    const int channels = format == GL_RGB ? 3 : 4;
    const std::size_t row = static_cast<std::size_t>(width) * channels;
    const std::size_t stride = (row + packAlignment - 1) / packAlignment * packAlignment;
    auto* out = static_cast<std::uint8_t*>(pixels);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const std::uint8_t* from = &rgba[(static_cast<std::size_t>(j) * width + i) * 4];
            std::copy_n(from, channels, out + j * stride + static_cast<std::size_t>(i) * channels);
        }
    }
}

} // namespace tessivo::gllayer
