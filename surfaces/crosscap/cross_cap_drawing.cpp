#include "surfaces/crosscap/cross_cap_drawing.h"

#include "math/draw_helpers.h"
#include "surfaces/crosscap/cross_cap_surface.h"

#include <utility>

namespace tessivo {

using namespace crosscap;

namespace {

constexpr Specular shinyWhite{1.0, 50.0};
constexpr RgbaColour olive{0.5, 0.5, 0.2, 1.0};

// The material, then the strips, with colour material on around them when they are coloured.
SurfaceDrawing stripsIn(const MaterialStep& material, std::vector<DrawPrimitive> strips) {
    const bool coloured = !strips.empty() && !strips.front().colours.empty();
    SurfaceDrawing drawing{material};
    if (coloured) {
        drawing.push_back(ColourMaterialStep{ColourMaterial::AmbientAndDiffuse});
    }
    for (DrawPrimitive& strip : strips) {
        drawing.push_back(std::move(strip));
    }
    if (coloured) {
        drawing.push_back(ColourMaterialStep{ColourMaterial::None});
    }
    return drawing;
}

std::vector<DrawPrimitive> primitives(const std::vector<QuadStrip>& strips, bool hueColours) {
    std::vector<DrawPrimitive> all;
    for (const QuadStrip& strip : strips) {
        all.push_back(quadStripPrimitive(strip, hueColours));
    }
    return all;
}

} // namespace

SurfaceDrawing crossCapDrawing(double morph, bool striped) {
    return stripsIn({{0.1, 0.7, 0.3, 0.8}, shinyWhite},
                    primitives(crossCapSurface(morph, striped), false));
}

SurfaceDrawing crossCapBoundaryDrawing(double morph, bool coloured) {
    return stripsIn({olive, shinyWhite}, primitives(crossCapBoundaryTube(morph), coloured));
}

SurfaceDrawing crossCapSectionDrawing(double morph, double dialAngle) {
    // The boundary's colour at S(0, b) is hue(b / 2); at the other end S(1, b) = S(0, b + 1)
    // it is hue(b / 2 + 1/2), the same colour, since the ramp runs its primaries twice.
    const Vec3 colour = hueRamp(crossCapSectionPosition(dialAngle) * 0.5, 1.0);
    std::vector<DrawPrimitive> strips = primitives(crossCapSectionTube(morph, dialAngle), false);
    for (DrawPrimitive& strip : strips) {
        strip.colours.assign(strip.vertices.size(), colour);
    }
    return stripsIn({olive, shinyWhite}, std::move(strips));
}

} // namespace tessivo
