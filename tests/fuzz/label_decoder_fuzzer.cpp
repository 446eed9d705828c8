// Feeds arbitrary bytes to the label decoder. Besides the sanitizers' checks of every read and
// write, each input must decode to a consistent picture, and packing the decoded pixels again
// must decode to the same pixels.

#include "surfaces/klein/label_packing.h"
#include "surfaces/klein/label_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using tessivo::LabelPicture;

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The header may claim up to 65535 x 65535 pixels, which the decoder allocates whole (the
// program only ever decodes its own 512 x 512 label). Larger claims than this are skipped so
// that the fuzzer explores the packets rather than the allocator's limits.
constexpr std::size_t largestPicture = 1u << 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 4) {
        const std::size_t width = static_cast<std::size_t>(data[0]) << 8 | data[1];
        const std::size_t height = static_cast<std::size_t>(data[2]) << 8 | data[3];
        if (width * height > largestPicture) {
            return 0;
        }
    }
    const LabelPicture picture(data, size);
    const std::size_t pixelCount = static_cast<std::size_t>(picture.width) * picture.height;
    require(picture.pixels.size() == pixelCount * 3);
    require(picture.pixelsWritten <= pixelCount);
    require(picture.bytesRead <= size);
    if (picture.ending == LabelPicture::Ending::EndByte) {
        require(picture.bytesRead >= 5 && data[picture.bytesRead - 1] == 0);
    }
    if (pixelCount == 0) {
        return 0;
    }
    const std::vector<unsigned char> packed =
        tessivo::packLabelPicture(picture.width, picture.height, picture.pixels);
    require(!packed.empty());
    const LabelPicture again(packed.data(), packed.size());
    require(again.ending == LabelPicture::Ending::EndByte);
    require(again.bytesRead == packed.size());
    require(again.pixels == picture.pixels);
    return 0;
}
