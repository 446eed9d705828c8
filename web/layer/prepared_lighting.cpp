#include "web/layer/prepared_lighting.h"

#include <algorithm>
#include <cmath>

namespace tessivo::gllayer {

namespace {

using Vector3 = PreparedLighting::Vector3;

float dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector3 rgb(const Rgba& c) {
    return {c[0], c[1], c[2]};
}

Vector3 product(const Vector3& a, const Vector3& b) {
    return {a[0] * b[0], a[1] * b[1], a[2] * b[2]};
}

float clamped(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

// The specular factor of a face whose normal makes cosine with the halfway direction.
float specularFactor(float cosine, float shininess) {
    return shininess == 0.0f ? 1.0f : std::pow(std::max(cosine, 0.0f), shininess);
}

} // namespace

Vector3 PreparedLighting::normalised(const Vector3& v) {
    const float length = std::sqrt(dot(v, v));
    return length > 0.0f ? Vector3{v[0] / length, v[1] / length, v[2] / length} : v;
}

PreparedLighting::PreparedLighting(const Lighting& lighting, std::uint32_t lightsOn)
    : sceneAmbient(rgb(lighting.modelAmbient)), localViewer(lighting.localViewer) {
    for (int i = 0; i < Lighting::lightCount; ++i) {
        if ((lightsOn & (1u << i)) == 0) {
            continue;
        }
        const Light& light = lighting.lights[static_cast<std::size_t>(i)];
        PreparedLight& prepared = lights[static_cast<std::size_t>(lightCount++)];
        const auto& p = light.eyePosition;
        prepared.positional = p[3] != 0.0;
        prepared.position =
            prepared.positional
                ? Vector3{static_cast<float>(p[0] / p[3]), static_cast<float>(p[1] / p[3]),
                          static_cast<float>(p[2] / p[3])}
                : normalised({static_cast<float>(p[0]), static_cast<float>(p[1]),
                              static_cast<float>(p[2])});
        prepared.ambient = rgb(light.ambient);
        prepared.diffuse = rgb(light.diffuse);
        prepared.specular = rgb(light.specular);
        for (int c = 0; c < 3; ++c) {
            sceneAmbient[c] += prepared.ambient[c];
        }
    }
}

void PreparedLighting::prepareFace(const Material& material, PreparedFace& face) const {
    for (int c = 0; c < 3; ++c) {
        face.unlit[c] = material.emission[c] + sceneAmbient[c] * material.ambient[c];
    }
    face.hasSpecular = false;
    for (int i = 0; i < lightCount; ++i) {
        const PreparedLight& light = lights[static_cast<std::size_t>(i)];
        face.diffuse[i] = product(light.diffuse, rgb(material.diffuse));
        face.specular[i] = product(light.specular, rgb(material.specular));
        face.hasSpecular = face.hasSpecular || face.specular[i] != Vector3{0, 0, 0};
    }
    face.shininess = material.shininess;
    face.alpha = material.diffuse[3];
}

void PreparedLighting::setMaterials(const Material& front, const Material& back) {
    prepareFace(front, faces[0]);
    prepareFace(back, faces[1]);
}

Rgba PreparedLighting::faceColour(const PreparedFace& face, const float* diffuse,
                                  const float* specular) const {
    Vector3 sum = face.unlit;
    for (int i = 0; i < lightCount; ++i) {
        for (int c = 0; c < 3; ++c) {
            sum[c] += diffuse[i] * face.diffuse[i][c] + specular[i] * face.specular[i][c];
        }
    }
    return {clamped(sum[0]), clamped(sum[1]), clamped(sum[2]), clamped(face.alpha)};
}

void PreparedLighting::colours(const Vector3& position, const Vector3& normal, bool twoSided,
                               Rgba& front, Rgba& back) const {
    float frontDiffuse[Lighting::lightCount] = {}, frontSpecular[Lighting::lightCount] = {};
    float backDiffuse[Lighting::lightCount] = {}, backSpecular[Lighting::lightCount] = {};
    const bool specularFront = faces[0].hasSpecular;
    const bool specularBack = twoSided && faces[1].hasSpecular;
    for (int i = 0; i < lightCount; ++i) {
        const PreparedLight& light = lights[static_cast<std::size_t>(i)];
        const Vector3 towardsLight =
            light.positional
                ? normalised({light.position[0] - position[0], light.position[1] - position[1],
                              light.position[2] - position[2]})
                : light.position;
        const float cosine = dot(normal, towardsLight);
        frontDiffuse[i] = std::max(cosine, 0.0f);
        backDiffuse[i] = std::max(-cosine, 0.0f);
        frontSpecular[i] = backSpecular[i] = 0.0f;
        const bool litFront = specularFront && cosine > 0.0f;
        const bool litBack = specularBack && cosine < 0.0f;
        if (litFront || litBack) {
            const Vector3 viewer = localViewer
                                       ? normalised({-position[0], -position[1], -position[2]})
                                       : Vector3{0, 0, 1};
            const float halfway =
                dot(normal, normalised({towardsLight[0] + viewer[0], towardsLight[1] + viewer[1],
                                        towardsLight[2] + viewer[2]}));
            if (litFront) {
                frontSpecular[i] = specularFactor(halfway, faces[0].shininess);
            } else {
                backSpecular[i] = specularFactor(-halfway, faces[1].shininess);
            }
        }
    }
    front = faceColour(faces[0], frontDiffuse, frontSpecular);
    if (twoSided) {
        back = faceColour(faces[1], backDiffuse, backSpecular);
    }
}

} // namespace tessivo::gllayer
