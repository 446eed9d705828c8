#include "web/layer/prepared_lighting.h"

#include <gtest/gtest.h>

namespace tessivo::gllayer {
namespace {

// A positional light at the eye and a vertex at (0, 3, -4) facing +z: the light comes in at
// n.L = 0.8. Worked by hand from GL's lighting equation.
Lighting oneLight() {
    Lighting l;
    l.lights[0].eyePosition = {0, 0, 0, 1};
    l.lights[0].ambient = {0.1f, 0.1f, 0.1f, 1};
    l.lights[0].diffuse = {1, 1, 1, 1};
    l.lights[0].specular = {0.5f, 0.5f, 0.5f, 1};
    l.materials[0].ambient = {0.2f, 0.2f, 0.2f, 1};
    l.materials[0].diffuse = {0.5f, 0.5f, 0.5f, 0.4f};
    l.materials[0].specular = {1, 1, 1, 1};
    l.materials[0].shininess = 2.0f;
    l.materials[1].ambient = {0.5f, 0.5f, 0.5f, 1};
    l.materials[1].diffuse = {0, 1, 0, 1};
    return l;
}

// One vertex's colour of the front or back face, lit by the lights of lightsOn.
Rgba colour(const Lighting& l, const PreparedLighting::Vector3& position,
            const PreparedLighting::Vector3& normal, bool back, std::uint32_t lightsOn) {
    PreparedLighting prepared(l, lightsOn);
    prepared.setMaterials(l.materials[0], l.materials[1]);
    Rgba front, backColour;
    prepared.colours(position, normal, true, front, backColour);
    return back ? backColour : front;
}

TEST(Lighting, OneVertexAsWorkedByHand) {
    Lighting l = oneLight();
    const PreparedLighting::Vector3 position = {0, 3, -4}, normal = {0, 0, 1};
    // Local viewer: the eye direction equals the light direction, so n.H = 0.8 and the
    // specular term is 0.8^2 * 0.5. Ambient 0.2*0.2 (model) + 0.1*0.2, diffuse 0.8*0.5.
    l.localViewer = true;
    Rgba c = colour(l, position, normal, false, 1u);
    EXPECT_NEAR(c[0], 0.04 + 0.02 + 0.4 + 0.32, 1e-6);
    EXPECT_NEAR(c[3], 0.4, 1e-6); // alpha is the diffuse material's
    // Viewer at infinity: H = normalise((0, -0.6, 0.8) + (0, 0, 1)), n.H^2 = 0.9.
    l.localViewer = false;
    c = colour(l, position, normal, false, 1u);
    EXPECT_NEAR(c[1], 0.04 + 0.02 + 0.4 + 0.45, 1e-6);
}

TEST(Lighting, BackFaceTakesTheBackMaterialAndTheReversedNormal) {
    const Lighting l = oneLight();
    // The reversed normal faces away from the light: only the ambient terms of the back
    // material remain (0.2 * 0.5 + 0.1 * 0.5).
    const Rgba c = colour(l, {0, 3, -4}, {0, 0, 1}, true, 1u);
    EXPECT_NEAR(c[0], 0.15, 1e-6);
    EXPECT_NEAR(c[1], 0.15, 1e-6);
    EXPECT_NEAR(c[3], 1.0, 1e-6);
}

} // namespace
} // namespace tessivo::gllayer
