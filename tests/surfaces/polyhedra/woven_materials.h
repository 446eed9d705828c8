#pragma once

#include "surfaces/polyhedra/woven_strip_drawing.h"
#include "tests/support/gl_capture.h"

#include <array>
#include <cmath>
#include <map>

namespace tessivo::testing {

// Sum over the captured polygons of their triangle count, by the material colour of their
// vertices: 'r' marking red, 'b' band face, 'w' slot wall, 't' edge tube, 'c' end cap, 'm' for
// polygons whose vertices differ, '?' for anything else.
inline std::map<char, int> trianglesByMaterial(const Feedback& feedback) {
    const struct {
        char key;
        std::array<double, 4> colour;
    } materials[] = {{'r', markingMaterial.colour},
                     {'b', bandFaceMaterial.colour},
                     {'w', slotWallMaterial.colour},
                     {'t', edgeTubeMaterial.colour},
                     {'c', endCapMaterial.colour}};
    const auto keyOf = [&](const Feedback::Vertex& v) {
        for (const auto& m : materials) {
            if (std::abs(v.r - m.colour[0]) < 2e-3 && std::abs(v.g - m.colour[1]) < 2e-3 &&
                std::abs(v.b - m.colour[2]) < 2e-3) {
                return m.key;
            }
        }
        return '?';
    };
    std::map<char, int> count;
    for (const auto& polygon : feedback.polygons) {
        char key = keyOf(polygon[0]);
        for (const auto& v : polygon) {
            if (keyOf(v) != key) {
                key = 'm';
            }
        }
        count[key] += static_cast<int>(polygon.size()) - 2;
    }
    return count;
}

} // namespace tessivo::testing
