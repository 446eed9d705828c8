#include "app/frame_statistics.h"
#include "app/png_file.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

namespace fs = std::filesystem;

class PngFile : public ::testing::Test {
protected:
    void SetUp() override {
        directory =
            fs::temp_directory_path() /
            ("tessivo-png-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }
    fs::path directory;
};

RgbImage randomImage(int width, int height, unsigned seed) {
    RgbImage image(width, height);
    std::mt19937 random(seed);
    for (auto& byte : image.pixels) {
        byte = static_cast<unsigned char>(random());
    }
    return image;
}

TEST_F(PngFile, RoundTripsEveryPixelAndKeepsTheRowOrder) {
    for (auto [w, h] : {std::pair{1, 1}, std::pair{3, 7}, std::pair{64, 48}}) {
        const RgbImage image = randomImage(w, h, static_cast<unsigned>(w * 100 + h));
        const std::string path = (directory / "picture.png").string();
        ASSERT_EQ(writePngFile(path, image), "");
        RgbImage read;
        ASSERT_EQ(readPngFile(path, read), "");
        EXPECT_EQ(read.width, w);
        EXPECT_EQ(read.height, h);
        EXPECT_EQ(read.pixels, image.pixels);
        EXPECT_EQ(countDifferingPixels(read, image, 0), 0);
    }
}

TEST_F(PngFile, FailureLeavesNoFileBehind) {
    const RgbImage image = randomImage(4, 4, 1);
    const fs::path missingFolder = directory / "no-such-folder" / "picture.png";
    const std::string reason = writePngFile(missingFolder.string(), image);
    EXPECT_NE(reason.find("cannot write"), std::string::npos);
    EXPECT_FALSE(fs::exists(missingFolder));
    EXPECT_TRUE(fs::is_empty(directory));
    EXPECT_NE(writePngFile((directory / "empty.png").string(), RgbImage()), "");
    EXPECT_TRUE(fs::is_empty(directory));
}

TEST_F(PngFile, ReadingSomethingElseFailsClearly) {
    const fs::path text = directory / "not-a.png";
    std::FILE* file = std::fopen(text.c_str(), "w");
    std::fputs("hello", file);
    std::fclose(file);
    RgbImage read(2, 2);
    EXPECT_NE(readPngFile(text.string(), read), "");
    EXPECT_TRUE(read.empty());
    EXPECT_NE(readPngFile((directory / "missing.png").string(), read), "");
}

TEST(RgbImageDifference, CountsPixelsBeyondTheTolerance) {
    RgbImage a(4, 2), b(4, 2);
    b.at(1, 0)[2] = 10;
    b.at(3, 1)[0] = 30;
    EXPECT_EQ(countDifferingPixels(a, b, 0), 2);
    EXPECT_EQ(countDifferingPixels(a, b, 10), 1);
    EXPECT_EQ(countDifferingPixels(a, b, 30), 0);
    EXPECT_EQ(countDifferingPixels(a, RgbImage(5, 2), 255), 10);
}

TEST(FrameStatistics, MedianPercentileAndRate) {
    const auto s = summariseFrameTimes({5, 1, 4, 2, 3});
    EXPECT_EQ(s.frames, 5);
    EXPECT_EQ(s.median, 3.0);
    EXPECT_EQ(s.percentile95, 5.0);
    EXPECT_NEAR(s.framesPerSecond, 1000.0 / 3.0, 1e-9);
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) {
        hundred.push_back(i);
    }
    const auto t = summariseFrameTimes(hundred);
    EXPECT_EQ(t.median, 50.5);
    EXPECT_EQ(t.percentile95, 95.0);
    const auto none = summariseFrameTimes({});
    EXPECT_EQ(none.frames, 0);
    EXPECT_EQ(none.framesPerSecond, 0.0);
}

} // namespace
} // namespace tessivo
