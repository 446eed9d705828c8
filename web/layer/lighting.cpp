#include "web/layer/lighting.h"

#include <algorithm>
#include <cmath>

namespace tessivo::gllayer {

namespace {

double dot(const Point3& a, const Point3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Point3 normalised(const Point3& v) {
    const double length = std::sqrt(dot(v, v));
    return length > 0.0 ? Point3{v[0] / length, v[1] / length, v[2] / length} : v;
}

float clamped(double v) {
    return static_cast<float>(std::clamp(v, 0.0, 1.0));
}

} // namespace

Lighting::Lighting() {
    // Light 0 alone is white by default; the other lights are black until given colours.
    lights[0].diffuse = {1, 1, 1, 1};
    lights[0].specular = {1, 1, 1, 1};
}

Point3 Lighting::addLight(const Light& light, const Material& material, const Point3& position,
                          const Point3& normal, Point3 sum) const {
    const auto& p = light.eyePosition;
    const Point3 towardsLight =
        p[3] != 0.0 ? normalised({p[0] / p[3] - position[0], p[1] / p[3] - position[1],
                                  p[2] / p[3] - position[2]})
                    : normalised({p[0], p[1], p[2]});
    const double diffuse = std::max(dot(normal, towardsLight), 0.0);
    double specular = 0.0;
    if (diffuse > 0.0) {
        const Point3 viewer =
            localViewer ? normalised({-position[0], -position[1], -position[2]}) : Point3{0, 0, 1};
        const Point3 halfway = normalised({towardsLight[0] + viewer[0], towardsLight[1] + viewer[1],
                                           towardsLight[2] + viewer[2]});
        const double cosine = std::max(dot(normal, halfway), 0.0);
        specular = material.shininess == 0.0f ? 1.0 : std::pow(cosine, material.shininess);
    }
    for (int c = 0; c < 3; ++c) {
        sum[c] += light.ambient[c] * material.ambient[c] +
                  diffuse * light.diffuse[c] * material.diffuse[c] +
                  specular * light.specular[c] * material.specular[c];
    }
    return sum;
}

Rgba Lighting::colour(const Point3& eyePosition, const Point3& eyeNormal, bool back,
                      std::uint32_t lightsOn) const {
    const Material& material = materials[back ? 1 : 0];
    const Point3 normal = back ? Point3{-eyeNormal[0], -eyeNormal[1], -eyeNormal[2]} : eyeNormal;
    Point3 sum;
    for (int c = 0; c < 3; ++c) {
        sum[c] = material.emission[c] + modelAmbient[c] * material.ambient[c];
    }
    for (int i = 0; i < lightCount; ++i) {
        if (lightsOn & (1u << i)) {
            sum = addLight(lights[i], material, eyePosition, normal, sum);
        }
    }
    return {clamped(sum[0]), clamped(sum[1]), clamped(sum[2]), clamped(material.diffuse[3])};
}

} // namespace tessivo::gllayer
