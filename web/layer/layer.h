#pragma once

#include "web/layer/client_arrays.h"
#include "web/layer/display_lists.h"
#include "web/layer/layer_profile.h"
#include "web/layer/matrix_stack.h"
#include "web/layer/primitive_assembly.h"
#include "web/layer/raster_backend.h"
#include "web/layer/selection_recorder.h"
#include "web/layer/server_state.h"

#include <GL/gl.h>
#include <memory>
#include <utility>
#include <vector>

namespace tessivo::gllayer {

// The GL 1.1 context the program draws into: its state, the vertex pipeline (transformation,
// lighting, primitive assembly, facing), selection mode and display lists. Finished primitives
// are batched while the fragment state stays the same and handed to the backend. The GL calls
// reach it through the call table (gl_layer_api.cpp).
class Layer {
public:
    static Layer& instance();

    // The backend to draw through; not owned. Without one, the build's default backend is made
    // on first use.
    void setBackend(RasterBackend* backend);
    // Returns the layer to GL's initial state (tests).
    void reset();

    ServerState state;
    ClientArrays arrays;
    DisplayLists lists;
    LayerProfile profile;

    // Immediate mode.
    void begin(GLenum mode);
    void end();
    void vertex(double x, double y, double z, double w);
    void setColour(const Rgba& colour);
    void rectangle(double x1, double y1, double x2, double y2);

    // Matrices.
    void matrixMode(GLenum mode);
    MatrixStack& currentStack();
    const Matrix4& modelview() const { return stacks[0].top(); }
    const Matrix4& projection() const { return stacks[1].top(); }
    const Matrix4& textureMatrix() const { return stacks[2].top(); }
    const MatrixStack& stack(GLenum mode) const;
    void pushMatrix();
    void popMatrix();

    // Lighting.
    void light(GLenum light, GLenum pname, const Rgba& params);
    void lightModel(GLenum pname, const Rgba& params);
    void material(GLenum face, GLenum pname, const Rgba& params);
    void colourMaterial(GLenum face, GLenum mode);
    void setEnabled(GLenum cap, bool enabled);
    bool isEnabled(GLenum cap);

    // Attribute stacks.
    void pushAttributes(GLbitfield mask);
    void popAttributes();
    void pushClientAttributes(GLbitfield mask);
    void popClientAttributes();

    // The texture.
    // Where the rows of a width x height picture of GLubyte channels start in pixels, spaced as
    // the unpack alignment says.
    PixelRows unpackedRows(int width, int channels, const void* pixels) const;
    void textureImage(int width, int height, int channels, PixelRows rows);
    void textureParameter(GLenum pname, GLint value);
    void pixelStore(GLenum pname, GLint value);

    // Selection.
    int renderMode(GLenum mode);
    void selectBuffer(GLsizei size, GLuint* buffer);
    SelectionRecorder& selection() { return selector; }
    bool selecting() const { return mode == GL_SELECT; }

    // Framebuffer.
    void clear(GLbitfield mask);
    void readPixels(int x, int y, int width, int height, GLenum format, GLenum type, void* pixels);
    void flush();
    const std::array<int, 4>& viewport();

    void setError(GLenum error);
    GLenum takeError();

private:
    // A vertex as glVertex gives it, with the current values it takes along. The vertices of a
    // glBegin/glEnd are transformed and lit together at glEnd.
    struct RecordedVertex {
        std::array<double, 4> object;
        std::array<float, 3> normal;
        Rgba colour;
        std::array<double, 4> texCoord;
        int materials; // into recordedMaterials: the materials as they stood at the vertex
    };
    struct Vertex {
        std::array<double, 4> clip;
        Rgba front;
        Rgba back;
        std::array<float, 2> texCoord;
    };

    RasterBackend& backend();
    void transformAndLight();
    void applyColourMaterial();
    FragmentState fragmentState();
    void emitTriangles(const std::vector<int>& indices);
    void emitLines(const std::vector<int>& indices);
    void selectPrimitives(GLenum kind, const std::vector<int>& indices);
    static bool frontFacing(const Vertex& a, const Vertex& b, const Vertex& c);
    void batch(GLenum kind, const FragmentState& fragments);
    void appendVertex(const RasterVertex& v);
    int appendedIndex(std::vector<int>& appended, int i, bool back);
    RasterVertex rasterVertex(const Vertex& v, bool back) const;

    RasterBackend* chosenBackend = nullptr;
    std::unique_ptr<RasterBackend> defaultBackend;

    std::array<MatrixStack, 3> stacks = {MatrixStack(32), MatrixStack(4), MatrixStack(4)};
    std::vector<std::pair<GLbitfield, ServerState>> attributeStack;
    std::vector<ClientArrays> clientAttributeStack;

    GLenum mode = GL_RENDER;
    SelectionRecorder selector;
    GLuint* selectionBuffer = nullptr;
    GLsizei selectionBufferSize = 0;

    GLenum primitiveMode = GL_TRIANGLES;
    bool insideBegin = false;
    std::vector<RecordedVertex> recorded;
    std::vector<std::array<Material, 2>> recordedMaterials;
    bool materialsChanged = true; // since the last of recordedMaterials
    std::vector<Vertex> vertices;
    bool facesDiffer = false; // the vertices' back colours are not their front ones
    AssembledPrimitives assembled;
    std::vector<int> frontAppended, backAppended; // where each vertex went into pending, or -1

    static TextureImage initialTexture();
    bool holdsTexture(int width, int height, int channels, PixelRows rows) const;
    bool holdsCurrentTexture(const RasterBackend& backend) const;
    void handTexture(RasterBackend& backend);
    TextureImage texture = initialTexture();
    bool textureDefined = false;
    // The texture's version, and the version each backend was last handed: the page draws
    // through two, the view's canvas and the program's, which each keep their own copy.
    unsigned textureVersion = 0;
    std::vector<std::pair<const RasterBackend*, unsigned>> texturesHanded;
    int unpackAlignment = 4;
    int packAlignment = 4;

    // WebGL 1 indexes with 16 bits.
    static constexpr std::size_t maxBatchVertices = 65535;
    std::vector<RasterVertex> pending;
    std::vector<std::uint16_t> pendingIndices;
    GLenum pendingKind = GL_TRIANGLES;
    FragmentState pendingState;

    GLenum error = GL_NO_ERROR;
};

} // namespace tessivo::gllayer
