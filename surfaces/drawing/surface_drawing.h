#pragma once

#include "surfaces/drawing/draw_primitive.h"

#include <optional>
#include <variant>
#include <vector>

namespace tessivo {

// An RGBA colour, each channel 0..1.
struct RgbaColour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// A rendering of a surface as plain values, in drawing order, so that what each rendering
// draws can be inspected without GL. Each step is one or two GL calls, and changes only what it
// names.

// The ambient-and-diffuse colour of front and back faces, after the specular highlight when
// one is given: white at level (level, level, level, 1), with the shininess.
struct Specular {
    double level = 1.0;
    double shininess = 0.0;
};
struct MaterialStep {
    RgbaColour colour;
    std::optional<Specular> specular = std::nullopt;
};
// A selection name that replaces the top of the name stack (for picking).
struct NameStep {
    int name = 0;
};
// Blending off, or on with the source's alpha over what is drawn (translucent) or adding to it
// (additive, which lays only highlights over what is there). Off leaves the blend function.
enum class Blending { Off, Translucent, Additive };
struct BlendStep {
    Blending blending = Blending::Off;
};
struct DepthTestStep {
    bool on = true;
};
struct DepthWritesStep {
    bool on = true;
};
// On: light 4, straight above the eye at (0, 0, 10) in eye coordinates, without highlights of
// its own, takes the place of light 0, for the translucent pass of a glass surface. Off: light
// 0 again.
struct GlassLightStep {
    bool on = false;
};
// Which material term follows the vertex colours, front and back; None turns that off.
enum class ColourMaterial { None, Ambient, AmbientAndDiffuse };
struct ColourMaterialStep {
    ColourMaterial follows = ColourMaterial::None;
};
// An RGB picture, bottom row first, as the 2D texture, sent again into the default texture (no
// texture object): repeated along s, clamped along t, modulating the lit material. Texturing is
// on while a picture is given and off after a step without one. The pixels must outlive the
// drawing.
struct TextureStep {
    int width = 0;
    int height = 0;
    const unsigned char* rgb = nullptr;
};
// The modelview matrix: pushed, popped, or multiplied by a translation or a rotation of degrees
// about an axis.
struct PushMatrixStep {};
struct PopMatrixStep {};
struct TranslateStep {
    Vec3 offset;
};
struct RotateStep {
    double degrees = 0.0;
    Vec3 axis;
};

using DrawStep = std::variant<MaterialStep, DrawPrimitive, NameStep, BlendStep, DepthTestStep,
                              DepthWritesStep, GlassLightStep, ColourMaterialStep, TextureStep,
                              PushMatrixStep, PopMatrixStep, TranslateStep, RotateStep>;
using SurfaceDrawing = std::vector<DrawStep>;

// Emits the steps in order. Needs a current GL context.
void playDrawing(const SurfaceDrawing& drawing);

} // namespace tessivo
