#include "web/layer/wide_lines.h"

#include <gtest/gtest.h>

namespace tessivo::gllayer {
namespace {

// A vertex at window pixel (x, y) of a 200 x 100 viewport at (0, 0), with clip w.
RasterVertex at(float x, float y, float w) {
    RasterVertex v = {};
    v.position[0] = (x / 100.0f - 1.0f) * w;
    v.position[1] = (y / 50.0f - 1.0f) * w;
    v.position[2] = 0.25f * w;
    v.position[3] = w;
    v.colour[0] = static_cast<std::uint8_t>(x);
    v.texCoord[1] = y;
    return v;
}

void expectCorners(const std::vector<RasterVertex>& triangles,
                   const std::vector<std::array<float, 2>>& pixels) {
    ASSERT_EQ(triangles.size(), pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const float* p = triangles[i].position;
        EXPECT_NEAR((p[0] / p[3] + 1.0f) * 100.0f, pixels[i][0], 1e-4) << i;
        EXPECT_NEAR((p[1] / p[3] + 1.0f) * 50.0f, pixels[i][1], 1e-4) << i;
        EXPECT_FLOAT_EQ(p[2] / p[3], 0.25f) << i;
    }
}

TEST(WideLines, WidenAlongTheMinorAxisEndingWhereTheOnePixelLineEnds) {
    const std::array<int, 4> viewport = {0, 0, 200, 100};
    std::vector<RasterVertex> xMajor;
    appendWideLine(at(10, 20, 1), at(50, 40, 2), viewport, 4, xMajor);
    expectCorners(xMajor, {{10, 18}, {50, 38}, {50, 42}, {10, 18}, {50, 42}, {10, 22}});
    EXPECT_EQ(xMajor[1].colour[0], 50);
    EXPECT_FLOAT_EQ(xMajor[5].texCoord[1], 20.0f);

    std::vector<RasterVertex> yMajor;
    appendWideLine(at(60, 80, 1), at(40, 30, 1), viewport, 3, yMajor);
    expectCorners(yMajor, {{58.5, 80}, {38.5, 30}, {41.5, 30}, {58.5, 80}, {41.5, 30}, {61.5, 80}});

    // Ends move to the edges of the first and last columns of GL's one-pixel line: the line
    // leaves the diamond its start lies in, and stops inside the one of its end's pixel.
    std::vector<RasterVertex> shifted;
    appendWideLine(at(10.7f, 20.5f, 1), at(50.6f, 20.5f, 1), viewport, 4, shifted);
    expectCorners(shifted,
                  {{10, 18.5}, {50, 18.5}, {50, 22.5}, {10, 18.5}, {50, 22.5}, {10, 22.5}});

    EXPECT_EQ(rasterisedLineWidth(1.4f), 1.0f); // stays a line
    EXPECT_EQ(rasterisedLineWidth(0.2f), 1.0f);
    EXPECT_EQ(rasterisedLineWidth(2.6f), 3.0f);
}

} // namespace
} // namespace tessivo::gllayer
