#include "web/layer/server_state.h"

namespace tessivo::gllayer {

namespace {

template <typename Group>
void restoreGroup(GLbitfield mask, GLbitfield bit, Group& group, const Group& saved) {
    if (mask & bit) {
        group = saved;
    }
}

struct GroupSwitches {
    GLbitfield bit;
    std::uint32_t capabilities;
};

// Which capabilities' switches each attribute bit saves.
constexpr GroupSwitches groupSwitches[] = {
    {GL_ENABLE_BIT, ~0u},
    {GL_LIGHTING_BIT, capability::lighting | capability::colourMaterial | capability::lights},
    {GL_COLOR_BUFFER_BIT, capability::blend},
    {GL_DEPTH_BUFFER_BIT, capability::depthTest},
    {GL_SCISSOR_BIT, capability::scissorTest},
    {GL_TRANSFORM_BIT, capability::normalize},
    {GL_TEXTURE_BIT, capability::texture2D},
};

} // namespace

std::optional<std::uint32_t> capabilityBit(GLenum cap) {
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + Lighting::lightCount) {
        return capability::light0 << (cap - GL_LIGHT0);
    }
    switch (cap) {
    case GL_LIGHTING:
        return capability::lighting;
    case GL_COLOR_MATERIAL:
        return capability::colourMaterial;
    case GL_NORMALIZE:
        return capability::normalize;
    case GL_DEPTH_TEST:
        return capability::depthTest;
    case GL_BLEND:
        return capability::blend;
    case GL_TEXTURE_2D:
        return capability::texture2D;
    case GL_SCISSOR_TEST:
        return capability::scissorTest;
    case GL_AUTO_NORMAL:
        return 0u;
    default:
        return std::nullopt;
    }
}

void restoreAttributes(ServerState& state, const ServerState& saved, GLbitfield mask) {
    restoreGroup(mask, GL_CURRENT_BIT, state.current, saved.current);
    restoreGroup(mask, GL_LIGHTING_BIT, state.lighting, saved.lighting);
    restoreGroup(mask, GL_COLOR_BUFFER_BIT, state.colourBuffer, saved.colourBuffer);
    restoreGroup(mask, GL_DEPTH_BUFFER_BIT, state.depthBuffer, saved.depthBuffer);
    restoreGroup(mask, GL_LINE_BIT, state.line, saved.line);
    restoreGroup(mask, GL_SCISSOR_BIT, state.scissor, saved.scissor);
    restoreGroup(mask, GL_VIEWPORT_BIT, state.viewport, saved.viewport);
    restoreGroup(mask, GL_TRANSFORM_BIT, state.transform, saved.transform);
    std::uint32_t switches = 0;
    for (const GroupSwitches& group : groupSwitches) {
        if (mask & group.bit) {
            switches |= group.capabilities;
        }
    }
    state.enabled = (state.enabled & ~switches) | (saved.enabled & switches);
}

} // namespace tessivo::gllayer
