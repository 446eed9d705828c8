#include "surfaces/klein/label_packing.h"
#include "surfaces/klein/label_picture.h"
#include "surfaces/klein/label_picture_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <random>
#include <vector>

namespace tessivo {
namespace {

using Bytes = std::vector<unsigned char>;
using Ending = LabelPicture::Ending;

// Packed bytes on a heap block of exactly their size, so that a sanitised build notices any
// read past the end.
Bytes bytes(std::initializer_list<int> values) {
    Bytes result;
    for (int v : values) {
        result.push_back(static_cast<unsigned char>(v));
    }
    result.shrink_to_fit();
    return result;
}

LabelPicture decode(const Bytes& packed) {
    return LabelPicture(packed.empty() ? nullptr : packed.data(), packed.size());
}

Bytes pixelAt(const LabelPicture& picture, std::size_t index) {
    return Bytes(picture.pixels.begin() + 3 * index, picture.pixels.begin() + 3 * index + 3);
}

TEST(LabelPictureDecoding, ReadsABigEndianHeaderAndAllocatesBlackPixels) {
    const LabelPicture picture = decode(bytes({0x01, 0x02, 0x00, 0x03, 0}));
    EXPECT_EQ(picture.width, 258);
    EXPECT_EQ(picture.height, 3);
    ASSERT_EQ(picture.pixels.size(), 258u * 3 * 3);
    EXPECT_EQ(picture.pixels, Bytes(258 * 3 * 3, 0));
    EXPECT_EQ(picture.ending, Ending::EndByte);
    EXPECT_EQ(picture.bytesRead, 5u);
}

TEST(LabelPictureDecoding, ExpandsRunsAndLiteralsInOrder) {
    // A run with n = 1 writes two pixels; a literal with n = 255 writes one; n = 254 two.
    const LabelPicture picture =
        decode(bytes({0, 3, 0, 2, 1, 10, 20, 30, 255, 40, 50, 60, 254, 1, 2, 3, 4, 5, 6, 0}));
    ASSERT_EQ(picture.pixels.size(), 18u);
    EXPECT_EQ(picture.pixels,
              bytes({10, 20, 30, 10, 20, 30, 40, 50, 60, 1, 2, 3, 4, 5, 6, 0, 0, 0}));
    EXPECT_EQ(picture.pixelsWritten, 5u);
    EXPECT_EQ(picture.runs, 1);
    EXPECT_EQ(picture.literals, 2);
    EXPECT_EQ(picture.ending, Ending::EndByte);
    EXPECT_EQ(picture.bytesRead, 20u);
}

TEST(LabelPictureDecoding, LongestRunAndLiteralFillExactlyTheLastPixel) {
    // 16 x 16 = 256 pixels: a run of 128 (n = 127) then a literal of 128 (n = 128) fill it to
    // the last byte, and the end byte is still read.
    Bytes packed = bytes({0, 16, 0, 16, 127, 9, 8, 7, 128});
    for (int i = 0; i < 128; ++i) {
        packed.insert(packed.end(), {static_cast<unsigned char>(i), 1, 2});
    }
    packed.push_back(0);
    packed.shrink_to_fit();
    const LabelPicture picture = decode(packed);
    EXPECT_EQ(picture.ending, Ending::EndByte);
    EXPECT_EQ(picture.pixelsWritten, 256u);
    EXPECT_EQ(pixelAt(picture, 127), bytes({9, 8, 7}));
    EXPECT_EQ(pixelAt(picture, 128), bytes({0, 1, 2}));
    EXPECT_EQ(pixelAt(picture, 255), bytes({127, 1, 2}));
}

TEST(LabelPictureDecoding, StopsAtTheFirstEndByteWithPixelsUnwritten) {
    // Whatever follows the end byte is not read, even a valid packet.
    const LabelPicture picture = decode(bytes({0, 4, 0, 1, 255, 7, 7, 7, 0, 1, 9, 9, 9, 0}));
    EXPECT_EQ(picture.ending, Ending::EndByte);
    EXPECT_EQ(picture.pixelsWritten, 1u);
    EXPECT_EQ(picture.bytesRead, 9u);
    EXPECT_EQ(picture.pixels, bytes({7, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(LabelPictureMalformed, APacketThatWouldWritePastThePictureIsNotWritten) {
    // 2 x 1 pixels: one pixel written, then a run of two would need three places.
    const LabelPicture run = decode(bytes({0, 2, 0, 1, 255, 5, 5, 5, 1, 6, 6, 6, 0}));
    EXPECT_EQ(run.ending, Ending::Overflow);
    EXPECT_EQ(run.pixels, bytes({5, 5, 5, 0, 0, 0}));
    EXPECT_EQ(run.pixelsWritten, 1u);
    EXPECT_EQ(run.bytesRead, 8u);
    EXPECT_EQ(run.runs, 0);

    const LabelPicture literal = decode(bytes({0, 1, 0, 1, 254, 1, 1, 1, 2, 2, 2, 0}));
    EXPECT_EQ(literal.ending, Ending::Overflow);
    EXPECT_EQ(literal.pixels, bytes({0, 0, 0}));
    EXPECT_EQ(literal.literals, 0);

    // A full picture followed by one more packet instead of the end byte.
    const LabelPicture full = decode(bytes({0, 1, 0, 2, 1, 3, 3, 3, 255, 4, 4, 4, 0}));
    EXPECT_EQ(full.ending, Ending::Overflow);
    EXPECT_EQ(full.pixels, bytes({3, 3, 3, 3, 3, 3}));
}

TEST(LabelPictureMalformed, DataEndingBeforeItsEndByteStopsTheDecoding) {
    // After whole packets: what was decoded stays.
    const LabelPicture afterPackets = decode(bytes({0, 2, 0, 1, 255, 1, 2, 3}));
    EXPECT_EQ(afterPackets.ending, Ending::Truncated);
    EXPECT_EQ(afterPackets.pixels, bytes({1, 2, 3, 0, 0, 0}));
    EXPECT_EQ(afterPackets.bytesRead, 8u);

    // Inside a run's pixel or a literal's pixels: the cut packet is not written at all.
    const LabelPicture cutRun = decode(bytes({0, 2, 0, 1, 1, 9, 9}));
    EXPECT_EQ(cutRun.ending, Ending::Truncated);
    EXPECT_EQ(cutRun.pixels, Bytes(6, 0));
    EXPECT_EQ(cutRun.bytesRead, 4u);

    const LabelPicture cutLiteral = decode(bytes({0, 2, 0, 1, 254, 1, 2, 3, 4, 5}));
    EXPECT_EQ(cutLiteral.ending, Ending::Truncated);
    EXPECT_EQ(cutLiteral.pixels, Bytes(6, 0));
    EXPECT_EQ(cutLiteral.pixelsWritten, 0u);

    // Only a control byte.
    const LabelPicture control = decode(bytes({0, 2, 0, 1, 200}));
    EXPECT_EQ(control.ending, Ending::Truncated);
    EXPECT_EQ(control.pixelsWritten, 0u);
}

TEST(LabelPictureMalformed, ShortOrEmptyHeadersGiveAnEmptyPicture) {
    for (const Bytes& packed : {Bytes{}, bytes({0}), bytes({0, 2}), bytes({0, 2, 0})}) {
        const LabelPicture picture = decode(packed);
        EXPECT_EQ(picture.width, 0);
        EXPECT_EQ(picture.height, 0);
        EXPECT_TRUE(picture.pixels.empty());
        EXPECT_EQ(picture.ending, Ending::Truncated);
        EXPECT_EQ(picture.bytesRead, 0u);
    }
    // A zero width or height: nothing to fill, so the end byte is all that may follow.
    const LabelPicture noWidth = decode(bytes({0, 0, 0, 5, 0}));
    EXPECT_TRUE(noWidth.pixels.empty());
    EXPECT_EQ(noWidth.ending, Ending::EndByte);
    const LabelPicture noHeight = decode(bytes({0, 5, 0, 0, 255, 1, 2, 3, 0}));
    EXPECT_TRUE(noHeight.pixels.empty());
    EXPECT_EQ(noHeight.ending, Ending::Overflow);
    EXPECT_EQ(noHeight.pixelsWritten, 0u);
}

TEST(LabelPictureMalformed, RandomBytesNeverLeaveThePictureOrTheData) {
    // Small headers (the allocation follows the header) and random packets; the sanitised
    // build of these tests turns any stray access into a failure.
    std::mt19937 random(1882);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> side(0, 12);
    std::uniform_int_distribution<int> length(0, 400);
    for (int trial = 0; trial < 2000; ++trial) {
        Bytes packed = {0, static_cast<unsigned char>(side(random)), 0,
                        static_cast<unsigned char>(side(random))};
        const int extra = length(random);
        for (int i = 0; i < extra; ++i) {
            packed.push_back(static_cast<unsigned char>(byte(random)));
        }
        packed.shrink_to_fit();
        const LabelPicture picture = decode(packed);
        const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
        ASSERT_EQ(picture.pixels.size(), 3 * count);
        ASSERT_LE(picture.pixelsWritten, count);
        ASSERT_LE(picture.bytesRead, packed.size());
        if (picture.ending == Ending::EndByte) {
            ASSERT_EQ(packed[picture.bytesRead - 1], 0);
        }
    }
}

// Pictures with stretches of equal pixels of every length, from a few colours.
Bytes randomPixels(std::mt19937& random, std::size_t count) {
    std::uniform_int_distribution<int> colour(0, 5);
    std::uniform_int_distribution<int> stretch(1, 300);
    std::geometric_distribution<int> shortStretch(0.5);
    Bytes pixels;
    while (pixels.size() < 3 * count) {
        const int c = colour(random);
        const int n = c < 3 ? 1 + shortStretch(random) : stretch(random);
        for (int i = 0; i < n && pixels.size() < 3 * count; ++i) {
            pixels.insert(pixels.end(), {static_cast<unsigned char>(40 * c),
                                         static_cast<unsigned char>(c < 3 ? i : 7),
                                         static_cast<unsigned char>(c)});
        }
    }
    return pixels;
}

TEST(LabelPacking, DecodingThePackedBytesGivesThePixelsBack) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> side(1, 90);
    for (int trial = 0; trial < 200; ++trial) {
        const int width = side(random);
        const int height = side(random);
        const Bytes pixels = randomPixels(random, static_cast<std::size_t>(width) * height);
        const Bytes packed = packLabelPicture(width, height, pixels);
        const LabelPicture picture = decode(packed);
        ASSERT_EQ(picture.ending, Ending::EndByte);
        ASSERT_EQ(picture.bytesRead, packed.size());
        ASSERT_EQ(picture.width, width);
        ASSERT_EQ(picture.height, height);
        ASSERT_EQ(picture.pixels, pixels);
        ASSERT_EQ(packLabelPicture(width, height, picture.pixels), packed);
    }
}

TEST(LabelPacking, PacksGreedilyWithinTheLongestPackets) {
    // 129 equal pixels: the longest run, then the one left over as a literal of one.
    Bytes same;
    for (int i = 0; i < 129; ++i) {
        same.insert(same.end(), {1, 2, 3});
    }
    EXPECT_EQ(packLabelPicture(129, 1, same), bytes({0, 129, 0, 1, 127, 1, 2, 3, 255, 1, 2, 3, 0}));

    // 130 different pixels: the longest literal, then a literal of two.
    Bytes different;
    for (int i = 0; i < 130; ++i) {
        different.insert(different.end(), {static_cast<unsigned char>(i), 0, 0});
    }
    const Bytes packed = packLabelPicture(130, 1, different);
    ASSERT_EQ(packed.size(), 4 + 1 + 128 * 3 + 1 + 2 * 3 + 1u);
    EXPECT_EQ(packed[4], 128);
    EXPECT_EQ(packed[4 + 1 + 128 * 3], 254);

    // A pair of equal pixels interrupts a literal: it costs 4 bytes against 6.
    EXPECT_EQ(packLabelPicture(4, 1, bytes({1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3})),
              bytes({0, 4, 0, 1, 255, 1, 1, 1, 1, 2, 2, 2, 255, 3, 3, 3, 0}));

    // Runs go on across the ends of rows: the format knows no rows.
    EXPECT_EQ(packLabelPicture(1, 3, bytes({5, 5, 5, 5, 5, 5, 5, 5, 5})),
              bytes({0, 1, 0, 3, 2, 5, 5, 5, 0}));
}

TEST(LabelPacking, RefusesWhatTheHeaderCannotDescribe) {
    EXPECT_EQ(packLabelPicture(0, 0, {}), bytes({0, 0, 0, 0, 0}));
    EXPECT_TRUE(packLabelPicture(2, 2, Bytes(11, 0)).empty());
    EXPECT_TRUE(packLabelPicture(-1, 2, {}).empty());
    EXPECT_TRUE(packLabelPicture(65536, 0, {}).empty());
}

TEST(CarriedLabelPicture, DecodesToTheWholeSquareAndPacksBackToTheSameBytes) {
    const LabelPicture& picture = carriedLabelPicture();
    EXPECT_EQ(&picture, &carriedLabelPicture());
    EXPECT_EQ(picture.width, 512);
    EXPECT_EQ(picture.height, 512);
    EXPECT_EQ(picture.pixels.size(), 786432u);
    EXPECT_EQ(picture.ending, Ending::EndByte);
    EXPECT_EQ(picture.pixelsWritten, 512u * 512u);
    EXPECT_EQ(picture.bytesRead, labelPictureDataSize);

    const Bytes committed(labelPictureData, labelPictureData + labelPictureDataSize);
    EXPECT_EQ(packLabelPicture(picture.width, picture.height, picture.pixels), committed);
}

TEST(CarriedLabelPicture, ShowsTheBandTheFieldAndTheStarsTheRightWayUp) {
    const LabelPicture& picture = carriedLabelPicture();
    ASSERT_EQ(picture.pixels.size(), 786432u);
    // Counts pixels near a colour in a box given from the top-left corner of the label, as it
    // is seen; rows are stored bottom first.
    auto count = [&](int left, int top, int right, int bottom, int r, int g, int b) {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const unsigned char* p = &picture.pixels[3 * ((511 - y) * 512 + x)];
                if (std::abs(p[0] - r) + std::abs(p[1] - g) + std::abs(p[2] - b) < 60) {
                    ++n;
                }
            }
        }
        return n;
    };
    const int redCorner = count(8, 8, 50, 50, 204, 33, 28);
    EXPECT_GT(redCorner, 42 * 42 * 9 / 10);
    // The green star at the upper left, the yellow one at the upper right, neither below.
    EXPECT_GT(count(70, 70, 160, 160, 26, 158, 61), 800);
    EXPECT_EQ(count(70, 352, 160, 442, 26, 158, 61), 0);
    EXPECT_GT(count(352, 70, 442, 160, 255, 214, 26), 800);
    EXPECT_EQ(count(352, 352, 442, 442, 255, 214, 26), 0);
    // The light field, the black ellipse in the middle with white letters in it.
    EXPECT_GT(count(60, 440, 452, 452, 194, 240, 245), 392 * 12 * 9 / 10);
    EXPECT_GT(count(150, 200, 362, 300, 0, 0, 0), 5000);
    EXPECT_GT(count(150, 200, 362, 300, 255, 255, 255), 2000);
}

} // namespace
} // namespace tessivo
