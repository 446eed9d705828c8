#pragma once

#include <cstddef>
#include <vector>

namespace tessivo {

// Packs an RGB picture (width*height*3 bytes, in the order they are to be decoded) into the
// label format that LabelPicture decodes: big-endian width and height, packets, a 0 byte.
//
// Greedy and deterministic, so that packing the decoded pixels again gives the same bytes:
// every stretch of 2 or more equal pixels becomes runs of at most 128 (a run of 2 costs 4
// bytes against 6 inside a literal, and the literal it interrupts costs only 1 byte to
// resume), and the pixels between runs become literals of at most 128.
// Domain: width and height in 0..65535 and pixels.size() == width*height*3. Outside it the
// result is empty (no picture can be described).
std::vector<unsigned char> packLabelPicture(int width, int height,
                                            const std::vector<unsigned char>& pixels);

} // namespace tessivo
