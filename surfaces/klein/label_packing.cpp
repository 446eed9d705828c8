#include "surfaces/klein/label_packing.h"

#include <algorithm>
#include <cstring>

namespace tessivo {

namespace {

constexpr std::size_t longestPacket = 128;

bool samePixel(const unsigned char* a, const unsigned char* b) {
    return std::memcmp(a, b, 3) == 0;
}

} // namespace

std::vector<unsigned char> packLabelPicture(int width, int height,
                                            const std::vector<unsigned char>& pixels) {
    if (width < 0 || height < 0 || width > 0xffff || height > 0xffff ||
        pixels.size() != static_cast<std::size_t>(width) * height * 3) {
        return {};
    }
    std::vector<unsigned char> packed = {
        static_cast<unsigned char>(width >> 8), static_cast<unsigned char>(width & 0xff),
        static_cast<unsigned char>(height >> 8), static_cast<unsigned char>(height & 0xff)};

    const std::size_t count = pixels.size() / 3;
    auto pixel = [&](std::size_t i) { return pixels.data() + 3 * i; };
    // How many pixels from i on equal pixel i, up to the longest packet.
    auto runLength = [&](std::size_t i) {
        std::size_t length = 1;
        while (i + length < count && length < longestPacket &&
               samePixel(pixel(i), pixel(i + length))) {
            ++length;
        }
        return length;
    };

    std::size_t i = 0;
    while (i < count) {
        const std::size_t run = runLength(i);
        if (run >= 2) {
            packed.push_back(static_cast<unsigned char>(run - 1));
            packed.insert(packed.end(), pixel(i), pixel(i) + 3);
            i += run;
            continue;
        }
        // A literal: take pixels until the next one starts a run or the packet is full.
        std::size_t length = 1;
        while (i + length < count && length < longestPacket && runLength(i + length) < 2) {
            ++length;
        }
        packed.push_back(static_cast<unsigned char>(256 - length));
        packed.insert(packed.end(), pixel(i), pixel(i + length));
        i += length;
    }
    packed.push_back(0);
    return packed;
}

} // namespace tessivo
