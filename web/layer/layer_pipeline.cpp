// The vertex pipeline of the layer: what happens between glBegin and glEnd, and how finished
// primitives reach the backend.

#include "web/layer/clip_volume.h"
#include "web/layer/layer.h"
#include "web/layer/prepared_lighting.h"
#include "web/layer/primitive_assembly.h"
#include "web/layer/wide_lines.h"

#include <algorithm>

namespace tessivo::gllayer {

namespace {

using Vector3 = PreparedLighting::Vector3;

// The normal matrix of the modelview matrix, in the lighting's single precision.
std::array<float, 9> normalMatrix(const Matrix4& modelview) {
    const std::array<double, 9> m = modelview.normalMatrix();
    std::array<float, 9> r{};
    for (std::size_t k = 0; k < 9; ++k) {
        r[k] = static_cast<float>(m[k]);
    }
    return r;
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
    recorded.clear();
    recordedMaterials.clear();
    materialsChanged = true;
}

void Layer::vertex(double x, double y, double z, double w) {
    if (!insideBegin) {
        return;
    }
    // Colour material changes the materials with every colour; each vertex keeps the
    // materials it was given, and only a change costs a copy.
    if (materialsChanged) {
        recordedMaterials.push_back(state.lighting.materials);
        materialsChanged = false;
    }
    const Point3& n = state.current.normal;
    recorded.push_back(
        {{x, y, z, w},
         {static_cast<float>(n[0]), static_cast<float>(n[1]), static_cast<float>(n[2])},
         state.current.colour,
         state.current.texCoord,
         static_cast<int>(recordedMaterials.size()) - 1});
}

// GL's per-vertex work for the recorded vertices: the modelview and projection matrices in
// double precision, as GL specifies its transformations, and the lighting in single precision,
// both faces at once.
void Layer::transformAndLight() {
    const Matrix4& toEye = modelview();
    const Matrix4& toClip = projection();
    const bool lit = state.on(capability::lighting) && !selecting();
    facesDiffer = lit && state.lighting.twoSided;
    PreparedLighting lighting;
    std::array<float, 9> m{};
    if (lit) {
        lighting = PreparedLighting(state.lighting, state.enabled & capability::lights);
        m = normalMatrix(toEye);
    }
    const bool normalize = state.on(capability::normalize);
    const bool plainTexCoords = textureMatrix().isIdentity();
    int materialsInUse = -1;
    vertices.resize(recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        const RecordedVertex& r = recorded[i];
        Vertex& v = vertices[i];
        const auto eye = toEye.transform(r.object);
        v.clip = toClip.transform(eye);
        if (selecting()) {
            continue;
        }
        if (lit) {
            if (r.materials != materialsInUse) {
                materialsInUse = r.materials;
                const auto& materials = recordedMaterials[static_cast<std::size_t>(r.materials)];
                lighting.setMaterials(materials[0], materials[1]);
            }
            const auto& n = r.normal;
            Vector3 eyeNormal = {m[0] * n[0] + m[1] * n[1] + m[2] * n[2],
                                 m[3] * n[0] + m[4] * n[1] + m[5] * n[2],
                                 m[6] * n[0] + m[7] * n[1] + m[8] * n[2]};
            if (normalize) {
                eyeNormal = PreparedLighting::normalised(eyeNormal);
            }
            const double wEye = eye[3] != 0.0 ? eye[3] : 1.0;
            const Vector3 eyePosition = {static_cast<float>(eye[0] / wEye),
                                         static_cast<float>(eye[1] / wEye),
                                         static_cast<float>(eye[2] / wEye)};
            lighting.colours(eyePosition, eyeNormal, facesDiffer, v.front, v.back);
            if (!facesDiffer) {
                v.back = v.front;
            }
        } else {
            v.front = v.back = r.colour;
        }
        const auto t = plainTexCoords ? r.texCoord : textureMatrix().transform(r.texCoord);
        const double q = t[3] != 0.0 ? t[3] : 1.0;
        v.texCoord = {static_cast<float>(t[0] / q), static_cast<float>(t[1] / q)};
    }
}

void Layer::end() {
    if (!insideBegin) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    insideBegin = false;
    const double start = profile.now();
    transformAndLight();
    const double lit = profile.now();
    const double rasterBefore = profile.rasterCalls;
    assemblePrimitives(primitiveMode, static_cast<int>(vertices.size()), assembled);
    if (selecting()) {
        selectPrimitives(assembled.kind, assembled.indices);
    } else if (assembled.kind == GL_TRIANGLES) {
        emitTriangles(assembled.indices);
    } else {
        emitLines(assembled.indices);
    }
    if (profile.on()) {
        const double done = profile.now();
        profile.transformLighting += lit - start;
        // A draw that a full batch or a new fragment state sets off is the backend's time.
        profile.assembly += done - lit - (profile.rasterCalls - rasterBefore);
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
    for (int k = 0; k < 4; ++k) {
        // GL's conversion of a colour component to the framebuffer's bytes.
        r.colour[k] = static_cast<std::uint8_t>(
            std::clamp(colour[static_cast<std::size_t>(k)], 0.0f, 1.0f) * 255.0f + 0.5f);
    }
    r.texCoord[0] = v.texCoord[0];
    r.texCoord[1] = v.texCoord[1];
    return r;
}

// Where vertex i went into the pending batch with its front or back colour, appending it the
// first time a triangle asks for it.
int Layer::appendedIndex(std::vector<int>& appended, int i, bool back) {
    int& index = appended[static_cast<std::size_t>(i)];
    if (index < 0) {
        index = static_cast<int>(pending.size());
        pending.push_back(rasterVertex(vertices[static_cast<std::size_t>(i)], back));
    }
    return index;
}

// Triangles share their vertices through indices; a vertex that a front and a back face share
// goes in twice, once with each colour.
void Layer::emitTriangles(const std::vector<int>& indices) {
    batch(GL_TRIANGLES, fragmentState());
    frontAppended.assign(vertices.size(), -1);
    if (facesDiffer) {
        backAppended.assign(vertices.size(), -1);
    }
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        if (pending.size() + 3 > maxBatchVertices) {
            flush();
            std::fill(frontAppended.begin(), frontAppended.end(), -1);
            std::fill(backAppended.begin(), backAppended.end(), -1);
        }
        const int corners[3] = {indices[i], indices[i + 1], indices[i + 2]};
        const bool back =
            facesDiffer && !frontFacing(vertices[static_cast<std::size_t>(corners[0])],
                                        vertices[static_cast<std::size_t>(corners[1])],
                                        vertices[static_cast<std::size_t>(corners[2])]);
        for (int corner : corners) {
            pendingIndices.push_back(static_cast<std::uint16_t>(
                appendedIndex(back ? backAppended : frontAppended, corner, back)));
        }
    }
}

void Layer::emitLines(const std::vector<int>& indices) {
    const FragmentState fragments = fragmentState();
    const float width = rasterisedLineWidth(fragments.lineWidth);
    if (width > 1.0f) {
        batch(GL_TRIANGLES, fragments);
        std::vector<RasterVertex> triangles;
        for (std::size_t i = 0; i + 1 < indices.size(); i += 2) {
            triangles.clear();
            appendWideLine(rasterVertex(vertices[static_cast<std::size_t>(indices[i])], false),
                           rasterVertex(vertices[static_cast<std::size_t>(indices[i + 1])], false),
                           fragments.viewport, width, triangles);
            for (const RasterVertex& v : triangles) {
                appendVertex(v);
            }
        }
        return;
    }
    batch(GL_LINES, fragments);
    for (int i : indices) {
        appendVertex(rasterVertex(vertices[static_cast<std::size_t>(i)], false));
    }
}

// A vertex of its own, for primitives that share none; a full batch is drawn between two
// primitives.
void Layer::appendVertex(const RasterVertex& v) {
    const std::size_t corners = pendingKind == GL_LINES ? 2 : 3;
    if (pending.size() + corners > maxBatchVertices && pendingIndices.size() % corners == 0) {
        flush();
    }
    pendingIndices.push_back(static_cast<std::uint16_t>(pending.size()));
    pending.push_back(v);
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
    const double start = profile.now();
    RasterBackend& target = backend();
    if (pendingState.textured && !holdsCurrentTexture(target)) {
        handTexture(target);
    }
    target.draw(pendingKind, pending, pendingIndices, pendingState);
    pending.clear();
    pendingIndices.clear();
    profile.rasterCalls += profile.now() - start;
}

bool Layer::holdsCurrentTexture(const RasterBackend& backend) const {
    return std::any_of(texturesHanded.begin(), texturesHanded.end(), [&](const auto& handed) {
        return handed.first == &backend && handed.second == textureVersion;
    });
}

void Layer::handTexture(RasterBackend& backend) {
    backend.setTexture(texture);
    for (auto& handed : texturesHanded) {
        if (handed.first == &backend) {
            handed.second = textureVersion;
            return;
        }
    }
    texturesHanded.emplace_back(&backend, textureVersion);
}

void Layer::clear(GLbitfield mask) {
    if (selecting()) {
        return;
    }
    flush();
    const FragmentState fragments = fragmentState();
    const double start = profile.now();
    backend().clear((mask & GL_COLOR_BUFFER_BIT) != 0, state.colourBuffer.clearColour.data(),
                    (mask & GL_DEPTH_BUFFER_BIT) != 0, fragments);
    profile.rasterCalls += profile.now() - start;
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
