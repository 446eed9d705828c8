#pragma once

#include "web/layer/lighting.h"

#include <array>
#include <cstdint>

namespace tessivo::gllayer {

// GL 1.1's lighting equation made ready for the many vertices of one glBegin/glEnd, in single
// precision: the lights that are on, with what does not depend on the vertex worked out once.
// Both faces are lit at once from the same light and halfway directions; the back face takes
// the reversed normal. The materials may change from vertex to vertex (colour material), so
// they are set apart from the lights.
class PreparedLighting {
public:
    using Vector3 = std::array<float, 3>;

    // v at unit length, or v itself when it has none.
    static Vector3 normalised(const Vector3& v);

    PreparedLighting() = default;
    PreparedLighting(const Lighting& lighting, std::uint32_t lightsOn);

    void setMaterials(const Material& front, const Material& back);
    // The colours of a vertex at eyePosition with the unit-or-not eyeNormal. With twoSided false
    // only front is written.
    void colours(const Vector3& eyePosition, const Vector3& eyeNormal, bool twoSided, Rgba& front,
                 Rgba& back) const;

private:
    struct PreparedLight {
        Vector3 position; // eye coordinates, or the direction towards a light at infinity
        bool positional = false;
        Vector3 ambient;
        Vector3 diffuse;
        Vector3 specular;
    };
    // A face's material times each light's colours.
    struct PreparedFace {
        Vector3 unlit{}; // emission and every ambient term
        std::array<Vector3, Lighting::lightCount> diffuse{};
        std::array<Vector3, Lighting::lightCount> specular{};
        bool hasSpecular = false; // some light's specular colour is not lost on the material
        float shininess = 0.0f;
        float alpha = 1.0f;
    };

    void prepareFace(const Material& material, PreparedFace& face) const;
    Rgba faceColour(const PreparedFace& face, const float* diffuse, const float* specular) const;

    std::array<PreparedLight, Lighting::lightCount> lights{};
    int lightCount = 0;
    Vector3 sceneAmbient{}; // the model's ambient plus every light's
    bool localViewer = false;
    std::array<PreparedFace, 2> faces;
};

} // namespace tessivo::gllayer
