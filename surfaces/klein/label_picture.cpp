#include "surfaces/klein/label_picture.h"

#include "surfaces/klein/label_picture_data.h"

#include <algorithm>

namespace tessivo {

LabelPicture::LabelPicture(const unsigned char* packed, std::size_t size) {
    if (size < 4) {
        return;
    }
    width = (packed[0] << 8) | packed[1];
    height = (packed[2] << 8) | packed[3];
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    pixels.assign(pixelCount * 3, 0);

    std::size_t at = 4;
    while (at < size) {
        const unsigned n = packed[at];
        if (n == 0) {
            ending = Ending::EndByte;
            bytesRead = at + 1;
            return;
        }
        // A run carries one pixel for 2..128 places; a literal 1..128 pixels of their own.
        const bool run = n < 128;
        const std::size_t count = run ? n + 1 : 256 - n;
        const std::size_t payload = run ? 3 : 3 * count;
        if (payload > size - at - 1) {
            break; // Truncated: the packet's pixels are not all there
        }
        if (count > pixelCount - pixelsWritten) {
            ending = Ending::Overflow;
            bytesRead = at;
            return;
        }
        const unsigned char* source = packed + at + 1;
        unsigned char* target = pixels.data() + 3 * pixelsWritten;
        if (run) {
            for (std::size_t i = 0; i < count; ++i) {
                std::copy(source, source + 3, target + 3 * i);
            }
            ++runs;
        } else {
            std::copy(source, source + payload, target);
            ++literals;
        }
        pixelsWritten += count;
        at += 1 + payload;
    }
    ending = Ending::Truncated;
    bytesRead = at;
}

const LabelPicture& carriedLabelPicture() {
    // A function-local static: decoded once, on first use, and destroyed at exit.
    static const LabelPicture picture(labelPictureData, labelPictureDataSize);
    return picture;
}

} // namespace tessivo
