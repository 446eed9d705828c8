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
// are capabilities, see ServerState). PreparedLighting works its equation out per vertex.
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
};

} // namespace tessivo::gllayer
