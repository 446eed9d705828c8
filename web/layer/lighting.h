#pragma once

#include <GL/gl.h>
#include <array>
#include <cstdint>

namespace tessivo::gllayer {

using Rgba = std::array<float, 4>;
using Point3 = std::array<double, 3>;

// A light as GL 1.1 keeps it, without spotlight and attenuation (the program places its lights
// at a distance that does not dim them, and points none of them).
struct Light {
    Rgba ambient = {0, 0, 0, 1};
    Rgba diffuse = {0, 0, 0, 1};
    Rgba specular = {0, 0, 0, 1};
    std::array<double, 4> eyePosition = {0, 0, 1, 0}; // as placed, in eye coordinates
};

struct Material {
    Rgba ambient = {0.2f, 0.2f, 0.2f, 1};
    Rgba diffuse = {0.8f, 0.8f, 0.8f, 1};
    Rgba specular = {0, 0, 0, 1};
    Rgba emission = {0, 0, 0, 1};
    float shininess = 0.0f;
};

// GL 1.1's lighting state, what glPushAttrib(GL_LIGHTING_BIT) saves besides the switches (which
// are capabilities, see ServerState), and its per-vertex lighting equation.
class Lighting {
public:
    static constexpr int lightCount = 8;
    std::array<Light, lightCount> lights;
    std::array<Material, 2> materials; // front, back
    Rgba modelAmbient = {0.2f, 0.2f, 0.2f, 1};
    bool twoSided = false;
    bool localViewer = false;
    GLenum colourMaterialFace = GL_FRONT_AND_BACK;
    GLenum colourMaterialMode = GL_AMBIENT_AND_DIFFUSE;

    Lighting();
    // The colour of a vertex at eyePosition with the unit-or-not eyeNormal as GL gives it, for
    // the front (back = false) or back face, lit by the lights whose bits (light i is bit i)
    // are set in lightsOn. The back face is lit with the reversed normal and the back material.
    Rgba colour(const Point3& eyePosition, const Point3& eyeNormal, bool back,
                std::uint32_t lightsOn) const;

private:
    Point3 addLight(const Light& light, const Material& material, const Point3& position,
                    const Point3& normal, Point3 sum) const;
};

} // namespace tessivo::gllayer
