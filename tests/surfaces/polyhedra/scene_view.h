#pragma once

#include "math/vec3.h"
#include "tests/support/gl_capture.h"
#include "tests/surfaces/polyhedra/ambient_only_light.h"

#include <GL/gl.h>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace tessivo::testing {

// A view in which feedback gives back where and in which material a scene drew each vertex: an
// orthographic projection of the 800 x 600 window at 75 pixels to a unit (the woven band,
// 3.38 units from its centre, fits with room to spare; nothing is clipped), depth range 1 to 20
// (the scenes place their objects 6 and 10 units ahead), and the white-ambient-only light of
// useAmbientOnlyLight, under which every vertex shows its material's ambient colour.
constexpr double pixelsPerUnit = 75.0;

inline void useOrthographicSceneView() {
    useAmbientOnlyLight(1.0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-400.0 / pixelsPerUnit, 400.0 / pixelsPerUnit, -300.0 / pixelsPerUnit,
            300.0 / pixelsPerUnit, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The eye-space point of a feedback vertex drawn in that view.
inline Vec3 eyePoint(const Feedback::Vertex& v) {
    return {(v.x - 400.0) / pixelsPerUnit, (v.y - 300.0) / pixelsPerUnit, -(1.0 + 19.0 * v.z)};
}

// The tiles of a polyhedra pair in a feedback: the polygons that are not black (the outline
// rods are).
inline std::vector<std::vector<Feedback::Vertex>> colouredPolygons(const Feedback& feedback) {
    std::vector<std::vector<Feedback::Vertex>> tiles;
    for (const auto& polygon : feedback.polygons) {
        const auto& v = polygon[0];
        if (v.r + v.g + v.b > 1e-3) {
            tiles.push_back(polygon);
        }
    }
    return tiles;
}

// A tile colour with each channel rounded to the nearest half: the palette colours and the
// halfway blends of two of them.
using HalfColour = std::tuple<double, double, double>;

// How many tiles show each colour (after rounding to halves).
inline std::map<HalfColour, int> tileColourCounts(const Feedback& feedback) {
    const auto half = [](float c) { return std::round(2.0 * c) / 2.0; };
    std::map<HalfColour, int> counts;
    for (const auto& tile : colouredPolygons(feedback)) {
        ++counts[{half(tile[0].r), half(tile[0].g), half(tile[0].b)}];
    }
    return counts;
}

} // namespace tessivo::testing
