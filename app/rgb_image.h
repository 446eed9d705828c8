#pragma once

#include <cstddef>
#include <vector>

namespace tessivo {

// An 8-bit RGB picture, rows from the top down, each row left to right, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;

    RgbImage() = default;
    RgbImage(int width, int height)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height * 3) {}

    bool empty() const { return width <= 0 || height <= 0; }
    // The three bytes of pixel (x, y), y counted from the top. No range check.
    unsigned char* at(int x, int y) {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
    }
    const unsigned char* at(int x, int y) const {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
    }
};

// How far two pictures of one size are apart: the pixels whose largest channel difference
// exceeds tolerance. Pictures of different sizes differ in every pixel of the larger.
int countDifferingPixels(const RgbImage& a, const RgbImage& b, int tolerance);

} // namespace tessivo
