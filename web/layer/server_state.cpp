#include "web/layer/server_state.h"

namespace tessivo::gllayer {

namespace {

void restoreEnables(ServerState& state, const ServerState& saved) {
    state.lightingEnabled = saved.lightingEnabled;
    for (int i = 0; i < Lighting::lightCount; ++i) {
        state.lighting.lights[i].enabled = saved.lighting.lights[i].enabled;
    }
    state.colourMaterialEnabled = saved.colourMaterialEnabled;
    state.normalize = saved.normalize;
    state.depthTest = saved.depthTest;
    state.blend = saved.blend;
    state.texture2D = saved.texture2D;
    state.cullFace = saved.cullFace;
    state.polygonOffsetFill = saved.polygonOffsetFill;
    state.scissorTest = saved.scissorTest;
}

void restoreLighting(ServerState& state, const ServerState& saved) {
    state.lighting = saved.lighting;
    state.lightingEnabled = saved.lightingEnabled;
    state.colourMaterialEnabled = saved.colourMaterialEnabled;
    state.colourMaterialFace = saved.colourMaterialFace;
    state.colourMaterialMode = saved.colourMaterialMode;
    state.shadeModel = saved.shadeModel;
}

void restoreColourBuffer(ServerState& state, const ServerState& saved) {
    state.blend = saved.blend;
    state.blendSource = saved.blendSource;
    state.blendDestination = saved.blendDestination;
    state.clearColour = saved.clearColour;
    state.colourWrite = saved.colourWrite;
}

void restoreDepthBuffer(ServerState& state, const ServerState& saved) {
    state.depthTest = saved.depthTest;
    state.depthFunction = saved.depthFunction;
    state.depthWrite = saved.depthWrite;
    state.clearDepth = saved.clearDepth;
}

void restorePolygon(ServerState& state, const ServerState& saved) {
    state.cullFace = saved.cullFace;
    state.cullFaceMode = saved.cullFaceMode;
    state.frontFace = saved.frontFace;
    state.polygonOffsetFill = saved.polygonOffsetFill;
    state.polygonOffsetFactor = saved.polygonOffsetFactor;
    state.polygonOffsetUnits = saved.polygonOffsetUnits;
}

} // namespace

void restoreAttributes(ServerState& state, const ServerState& saved, GLbitfield mask) {
    if (mask & GL_CURRENT_BIT) {
        state.colour = saved.colour;
        state.normal = saved.normal;
        state.texCoord = saved.texCoord;
    }
    if (mask & GL_ENABLE_BIT) {
        restoreEnables(state, saved);
    }
    if (mask & GL_LIGHTING_BIT) {
        restoreLighting(state, saved);
    }
    if (mask & GL_COLOR_BUFFER_BIT) {
        restoreColourBuffer(state, saved);
    }
    if (mask & GL_DEPTH_BUFFER_BIT) {
        restoreDepthBuffer(state, saved);
    }
    if (mask & GL_POLYGON_BIT) {
        restorePolygon(state, saved);
    }
    if (mask & GL_LINE_BIT) {
        state.lineWidth = saved.lineWidth;
    }
    if (mask & GL_POINT_BIT) {
        state.pointSize = saved.pointSize;
    }
    if (mask & GL_SCISSOR_BIT) {
        state.scissorTest = saved.scissorTest;
        state.scissor = saved.scissor;
    }
    if (mask & GL_VIEWPORT_BIT) {
        state.viewport = saved.viewport;
        state.viewportSet = saved.viewportSet;
        state.depthRange = saved.depthRange;
    }
    if (mask & GL_TRANSFORM_BIT) {
        state.matrixMode = saved.matrixMode;
        state.normalize = saved.normalize;
    }
    if (mask & GL_TEXTURE_BIT) {
        state.textureEnvironment = saved.textureEnvironment;
    }
}

} // namespace tessivo::gllayer
