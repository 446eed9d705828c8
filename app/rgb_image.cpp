#include "app/rgb_image.h"

#include <algorithm>
#include <cstdlib>

namespace tessivo {

int countDifferingPixels(const RgbImage& a, const RgbImage& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) {
        return std::max(a.width * a.height, b.width * b.height);
    }
    int count = 0;
    for (std::size_t i = 0; i + 2 < a.pixels.size(); i += 3) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (std::abs(a.pixels[i + c] - b.pixels[i + c]) > tolerance) {
                ++count;
                break;
            }
        }
    }
    return count;
}

} // namespace tessivo
