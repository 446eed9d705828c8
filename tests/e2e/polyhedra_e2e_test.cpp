#include "app/png_file.h"
#include "tests/e2e/program_window.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace tessivo::testing {
namespace {

namespace fs = std::filesystem;

// Everything above the row of controls along the bottom of the 800 x 600 window (top-left
// origin): where the scenes draw their objects.
constexpr int objectAreaHeight = 480;

// The lab program, with every registered scene in its show list in the order that
// tessivo-snapshot --list gives.
class LabScenes : public ProgramWindow {
protected:
    void SetUp() override {
        identifiers = registeredIdentifiers();
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_LAB));
    }
    void TearDown() override {
        if (!directory.empty()) {
            fs::remove_all(directory);
        }
    }

    // Steps with the Right key from the first scene of the show list to the scene identifier.
    void goTo(const std::string& identifier) {
        const auto at = std::find(identifiers.begin(), identifiers.end(), identifier);
        ASSERT_NE(at, identifiers.end()) << identifier << " is not registered";
        for (auto i = identifiers.begin(); i != at; ++i) {
            sendKey(server, window, "Right");
        }
        sleepMilliseconds(300);
    }

    // A picture of scene at 800 x 600 from tessivo-snapshot with the extra options.
    RgbImage snapshot(const std::string& scene, std::vector<std::string> options) {
        directory = fs::temp_directory_path() / ("tessivo-polyhedra-" + std::to_string(getpid()));
        fs::create_directories(directory);
        const std::string path = (directory / (scene + ".png")).string();
        std::vector<std::string> arguments = {"--scene", scene, "--out", path, "--size", "800x600"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        Program program(server, TESSIVO_SNAPSHOT, arguments);
        const auto code = program.waitForExit(60000);
        EXPECT_TRUE(code && *code == 0) << program.standardError();
        RgbImage image;
        EXPECT_EQ(readPngFile(path, image), "");
        return image;
    }

    std::vector<std::string> identifiers;
    fs::path directory;
};

// Pixels of the object area that differ by more than 16 in some channel.
int objectAreaDifference(const Image& screen, const RgbImage& picture) {
    int differing = 0;
    for (int y = 0; y < objectAreaHeight; ++y) {
        for (int x = 0; x < 800; ++x) {
            const Image::Pixel p = screen.at(x, y);
            const unsigned char* q = picture.at(x, y);
            if (std::max({std::abs(p.r - q[0]), std::abs(p.g - q[1]), std::abs(p.b - q[2])}) > 16) {
                ++differing;
            }
        }
    }
    return differing;
}

// Lit pixels of the marking red (and of the pink caps, which are no bluer than they are green).
int redPixels(const Image& screen) {
    int red = 0;
    for (int y = 0; y < objectAreaHeight; ++y) {
        for (int x = 0; x < 800; ++x) {
            const Image::Pixel p = screen.at(x, y);
            if (p.r > 150 && p.g < 100 && p.b < 100) {
                ++red;
            }
        }
    }
    return red;
}

TEST_F(LabScenes, TheBandsCutSliderOpensItWithRedEnds) {
    goTo("ring");
    const Image whole = screenshot(server, window);
    EXPECT_EQ(redPixels(whole), 0);

    // The cut slider's knob hangs above its track at (150 - 50, 60) from the bottom left; drag
    // it halfway along.
    drag(server, window, 100, 600 - 66, 150, 600 - 66);
    const Image cut = screenshot(server, window);
    EXPECT_GT(redPixels(cut), 100);
    EXPECT_LT(objectAreaDifference(cut, snapshot("ring", {"--set", "0=0.5"})), 800 * 480 / 100);
}

} // namespace
} // namespace tessivo::testing
