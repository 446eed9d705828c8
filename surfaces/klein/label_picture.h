#pragma once

#include <cstddef>
#include <vector>

namespace tessivo {

// An RGB picture unpacked from the run-and-literal format the program carries its label in.
//
// Packed bytes: width and height as big-endian 16-bit numbers, then packets, then a 0 byte.
// A packet's control byte n is a run for 1..127 (one pixel, repeated n + 1 times) or a literal
// for 128..255 (256 - n pixels follow). Pixels fill the picture bottom row first, each row
// left to right.
class LabelPicture {
public:
    // How the packets came to an end.
    enum class Ending {
        EndByte,   // the 0 control byte: the regular end
        Overflow,  // a packet would have written past the last pixel; it was not written
        Truncated, // the bytes ran out before the end byte (or inside the header or a packet)
    };

    // Decodes packed bytes (header, packets, end byte).
    // Domain: any byte sequence of the given size (packed may be null when size is 0).
    // Degenerate cases: fewer than 4 bytes give an empty picture, Truncated; a zero width or
    // height gives an empty picture, whose first packet then overflows. Decoding never reads
    // beyond packed + size nor writes beyond the picture: it stops at the packet that would,
    // leaving the pixels that no packet reached black. The end byte stops it even when pixels
    // remain unwritten.
    LabelPicture(const unsigned char* packed, std::size_t size);

    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // width*height*3 bytes, RGB, bottom row first

    Ending ending = Ending::Truncated;
    std::size_t pixelsWritten = 0; // pixels written by the packets, in order from the first
    std::size_t bytesRead = 0;     // packed bytes consumed, header and end byte included
    int runs = 0;                  // run packets decoded
    int literals = 0;              // literal packets decoded
};

// The picture carried by the program, decoded on the first call and kept until exit.
const LabelPicture& carriedLabelPicture();

} // namespace tessivo
