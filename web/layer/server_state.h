#pragma once

#include "web/layer/lighting.h"

#include <GL/gl.h>
#include <array>

namespace tessivo::gllayer {

// The part of GL's state that glPushAttrib can save: everything but the matrix stacks, the
// display lists, the texture image and the client-side arrays.
struct ServerState {
    // Current vertex attributes.
    Rgba colour = {1, 1, 1, 1};
    Point3 normal = {0, 0, 1};
    std::array<double, 4> texCoord = {0, 0, 0, 1};

    Lighting lighting;
    bool lightingEnabled = false;
    bool colourMaterialEnabled = false;
    GLenum colourMaterialFace = GL_FRONT_AND_BACK;
    GLenum colourMaterialMode = GL_AMBIENT_AND_DIFFUSE;
    GLenum shadeModel = GL_SMOOTH;
    bool normalize = false;

    bool depthTest = false;
    GLenum depthFunction = GL_LESS;
    bool depthWrite = true;
    double clearDepth = 1.0;
    std::array<double, 2> depthRange = {0.0, 1.0};

    bool blend = false;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    Rgba clearColour = {0, 0, 0, 0};
    std::array<bool, 4> colourWrite = {true, true, true, true};

    bool texture2D = false;
    GLenum textureEnvironment = GL_MODULATE;

    bool cullFace = false;
    GLenum cullFaceMode = GL_BACK;
    GLenum frontFace = GL_CCW;
    bool polygonOffsetFill = false;
    float polygonOffsetFactor = 0.0f;
    float polygonOffsetUnits = 0.0f;

    float lineWidth = 1.0f;
    float pointSize = 1.0f;
    bool scissorTest = false;
    std::array<int, 4> scissor = {0, 0, 0, 0};
    std::array<int, 4> viewport = {0, 0, 0, 0};
    bool viewportSet = false;
    GLenum matrixMode = GL_MODELVIEW;
};

// Copies back from saved the groups of state named by the glPushAttrib mask.
void restoreAttributes(ServerState& state, const ServerState& saved, GLbitfield mask);

} // namespace tessivo::gllayer
