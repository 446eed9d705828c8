#pragma once

#include <array>

namespace tessivo {

// The materials of the woven band, front and back: ambient and diffuse (red, green, blue,
// alpha), then, when setsSpecular, the specular colour and, when it is not negative, the
// shininess. The marking colour keeps the specular of the part it marks; the end caps are
// matt.
struct WovenMaterial {
    std::array<double, 4> colour;
    std::array<double, 4> specular;
    double shininess;
    bool setsSpecular;
};
constexpr WovenMaterial slotWallMaterial = {{0.1, 0.1, 0.2, 1.0}, {1, 1, 1, 1}, 50.0, true};
constexpr WovenMaterial bandFaceMaterial = {{0.5, 0.55, 0.8, 0.8}, {1, 1, 1, 1}, 50.0, true};
constexpr WovenMaterial markingMaterial = {{1.0, 0.1, 0.1, 1.0}, {0, 0, 0, 0}, -1.0, false};
constexpr WovenMaterial edgeTubeMaterial = {{0.8, 0.8, 0.9, 1.0}, {1, 1, 1, 1}, 50.0, true};
constexpr WovenMaterial endCapMaterial = {{1.0, 0.5, 0.5, 1.0}, {0, 0, 0, 0}, -1.0, true};

// Sets a material for front and back faces.
void setWovenMaterial(const WovenMaterial& material);

// Light 0 on, white specular material of shininess 50: what the band's frame starts with.
void prepareWovenStripLighting();

// Emits part 0..3 (a face) or 4, 6 (a slot wall) of the band as one quad strip in the current
// material; a cut band's face strips switch to red for their marked vertex pairs and back.
void drawStripPart(int part, double phi, double cut);

// Closes the two ends of a cut band with flat quads in the current material.
void drawStripCaps(double phi, double cut);

// Emits the edge tube as one triangle strip per segment in the current material; a trimmed
// tube's first and last segments are red.
void drawEdgeTube(double phi, double trim);

// The whole band at the current matrix: the slot walls, the faces, the edge tube and, for a
// cut band, the end caps, each in its material.
void drawWovenStrip(double cut, double phi, double trim);

} // namespace tessivo
