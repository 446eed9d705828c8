#include "tests/e2e/program_window.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tessivo::testing {
namespace {

// tessivo-exhibit on a private 1920 x 1080 screen. Window coordinates have y down: a control
// at overlay unit (x, y) at scale s stands at pixel (s x, 1080 - s y).
class ExhibitScreen : public ProgramWindow {
protected:
    ExhibitScreen() : ProgramWindow(1920, 1080) {}

    void start(const std::vector<std::string>& arguments) {
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_EXHIBIT, arguments));
    }

    // A press, a quick move and a release with no rest: the object keeps spinning.
    void flick(int x0, int y0, int x1, int y1) {
        movePointer(server, window, x0, y0);
        server.run("xdotool mousedown 1");
        for (int i = 1; i <= 4; ++i) {
            sleepMilliseconds(10);
            movePointer(server, window, x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
        }
        server.run("xdotool mouseup 1");
    }

    // Pixels that differ from the background in the rectangle [x0, x1) x [y0, y1).
    static int drawnIn(const Image& picture, int x0, int y0, int x1, int y1) {
        return (x1 - x0) * (y1 - y0) - picture.countNear(background, 3, x0, y0, x1, y1);
    }

    static constexpr Image::Pixel background{9, 48, 75};
    static constexpr Image::Pixel cyan{26, 204, 204};
};

// The extent of the pixels near colour in a rectangle, as {width, height}.
std::pair<int, int> extentOf(const Image& picture, Image::Pixel colour, int x0, int y0, int x1,
                             int y1) {
    int left = x1, right = x0 - 1, top = y1, bottom = y0 - 1;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (picture.countNear(colour, 12, x, y, x + 1, y + 1) == 1) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return {right - left + 1, bottom - top + 1};
}

TEST_F(ExhibitScreen, FillsTheScreenByDefault) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    const WindowGeometry geometry = windowGeometry(server, window);
    EXPECT_EQ(geometry.width, 1920);
    EXPECT_EQ(geometry.height, 1080);
    const Image picture = screenshot(server, window);
    EXPECT_EQ(picture.width, 1920);
    EXPECT_EQ(picture.height, 1080);
}

TEST_F(ExhibitScreen, AtScaleTwoTheControlsStandAtTwiceTheirPlacesAndSizesAndAnswer) {
    ASSERT_NO_FATAL_FAILURE(start({"--scale", "2", "--attract", "0"}));
    Image picture = screenshot(server, window);
    // The next arrow, 14 units high at unit (60, 20): 28 pixels around (120, 1040).
    const auto [arrowWidth, arrowHeight] = extentOf(picture, cyan, 90, 1010, 150, 1070);
    EXPECT_NEAR(arrowWidth, 28, 2);
    EXPECT_NEAR(arrowHeight, 28, 2);
    // The slider's track, 100 units from unit 150: pixels 300 to 500, knob at its left end.
    const auto [trackWidth, trackHeight] = extentOf(picture, cyan, 280, 1030, 520, 1050);
    EXPECT_NEAR(trackWidth, 2 * 108, 3); // with its end stops
    EXPECT_GT(drawnIn(picture, 295, 1000, 306, 1030), 20);

    // A drag of the knob by 100 pixels moves it by 50 units, to pixel 400.
    drag(server, window, 301, 1030, 401, 1030);
    picture = screenshot(server, window);
    EXPECT_EQ(drawnIn(picture, 295, 1000, 306, 1030), 0);
    EXPECT_GT(drawnIn(picture, 395, 1000, 406, 1030), 20);

    // A click on the next arrow: the second scene, with its previous arrow at pixel (80, 1040).
    EXPECT_EQ(picture.countNear(cyan, 12, 66, 1026, 94, 1054), 0);
    click(server, window, 120, 1040);
    picture = screenshot(server, window);
    EXPECT_GT(picture.countNear(cyan, 12, 66, 1026, 94, 1054), 150);
    EXPECT_TRUE(program->running()) << program->standardError();
}

// The map's regions keep their size on screen while the controls double: a click colours the
// region under it, green for the second region.
TEST_F(ExhibitScreen, AtScaleTwoAClickColoursTheMapRegionUnderIt) {
    ASSERT_NO_FATAL_FAILURE(start({"--window", "800x600", "--scale", "2", "--scenes", "Moebius6",
                                   "--idle-reset", "0", "--attract", "0"}));
    const Image plain = screenshot(server, window);
    click(server, window, 400, 228);
    const Image coloured = screenshot(server, window);
    EXPECT_GT(coloured.countDifferent(plain, 16), 2000);
    const Image::Pixel region = coloured.at(400, 228);
    EXPECT_GT(region.g, region.r + 40);
    EXPECT_GT(region.g, region.b + 40);
}

TEST_F(ExhibitScreen, LeftAloneItReturnsToTheStartPicture) {
    ASSERT_NO_FATAL_FAILURE(start({"--idle-reset", "4", "--attract", "0"}));
    const Image atStart = screenshot(server, window);
    // At the default scale of 1.75: the slider's knob at pixel 262, the next arrow at 105.
    drag(server, window, 263, 1025, 420, 1025);
    flick(900, 500, 1100, 600);
    click(server, window, 105, 1045);
    click(server, window, 105, 1045);
    const Image visited = screenshot(server, window);
    EXPECT_GT(visited.countDifferent(atStart, 16), 1000);
    sleepMilliseconds(6000);
    const Image left = screenshot(server, window);
    EXPECT_EQ(left.countDifferent(atStart, 16), 0);
    EXPECT_TRUE(program->running()) << program->standardError();
}

TEST_F(ExhibitScreen, WhileIdleTheObjectTurnsUntilAPress) {
    ASSERT_NO_FATAL_FAILURE(start({"--attract", "30"}));
    const Image first = screenshot(server, window);
    sleepMilliseconds(1000);
    const Image second = screenshot(server, window);
    EXPECT_GT(second.countDifferent(first, 16), 1000);

    click(server, window, 1500, 300);
    sleepMilliseconds(300);
    const Image stopped = screenshot(server, window);
    sleepMilliseconds(1000);
    EXPECT_EQ(screenshot(server, window).countDifferent(stopped, 16), 0);
}

// Frames counted by Mesa's heads-up display, which writes one line to its dump file for every
// frame when its period is shorter than any frame.
TEST_F(ExhibitScreen, DrawsFramesOnlyWhileThePictureCanChange) {
    char folder[] = "/tmp/tessivo-hud-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    setenv("GALLIUM_HUD", "fps", 1);
    setenv("GALLIUM_HUD_PERIOD", "0.000001", 1);
    setenv("GALLIUM_HUD_DUMP_DIR", folder, 1);
    start({"--window", "800x600", "--attract", "0"});
    for (const char* name : {"GALLIUM_HUD", "GALLIUM_HUD_PERIOD", "GALLIUM_HUD_DUMP_DIR"}) {
        unsetenv(name);
    }
    ASSERT_FALSE(HasFatalFailure());
    const auto frames = [&] {
        std::ifstream dump(std::string(folder) + "/fps");
        return static_cast<int>(std::count(std::istreambuf_iterator<char>(dump),
                                           std::istreambuf_iterator<char>(), '\n'));
    };
    const int atStart = frames();
    sleepMilliseconds(1500);
    EXPECT_EQ(frames(), atStart) << "frames of a still picture";

    flick(300, 300, 500, 400);
    sleepMilliseconds(200);
    const int spinning = frames();
    sleepMilliseconds(1000);
    EXPECT_GT(frames() - spinning, 20) << "frames in a second of a spin";

    click(server, window, 700, 100); // stops the spin
    sleepMilliseconds(200);
    const int stopped = frames();
    sleepMilliseconds(1000);
    EXPECT_EQ(frames(), stopped) << "frames after the spin stopped";
    std::filesystem::remove_all(folder);
}

TEST_F(ExhibitScreen, AnUnknownSceneIsAnErrorNamingItWithNoWindow) {
    Program exhibit(server, TESSIVO_EXHIBIT, {"--scenes", "KleinBottle1,NoSuchScene"});
    const auto code = exhibit.waitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 2);
    const std::string error = exhibit.standardError();
    EXPECT_NE(error.find("NoSuchScene"), std::string::npos) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(waitForWindow(server, "Tessivo", 500).empty());
}

// The menu over its square at unit (20, 20), unfolded, with the one title of KleinBottle3.
TEST_F(ExhibitScreen, InEnglishTheMenuShowsTheEnglishTitles) {
    auto menuWidth = [&](const std::string& language) {
        Program exhibit(server, TESSIVO_EXHIBIT,
                        {"--scenes", "KleinBottle3", "--language", language, "--attract", "0"});
        const std::string id = waitForWindow(server, "Tessivo", 20000);
        EXPECT_FALSE(id.empty()) << exhibit.standardError();
        screenshot(server, id);
        movePointer(server, id, 35, 1045);
        sleepMilliseconds(500);
        const Image picture = screenshot(server, id);
        // The translucent yellow over the background.
        return extentOf(picture, {165, 152, 35}, 0, 700, 1920, 1000).first;
    };
    const int italian = menuWidth("it");
    const int english = menuWidth("en");
    // "The Klein bottle" is five letters shorter than "La bottiglia di Klein".
    EXPECT_GT(italian, 300);
    EXPECT_GT(english, 200);
    EXPECT_LT(english, italian - 50);
}

TEST_F(ExhibitScreen, OnlyTheStaffChordQuits) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    for (const char* key : {"Escape", "F1", "F2", "F3", "q", "ctrl+q"}) {
        sendKey(server, window, key);
    }
    sleepMilliseconds(300);
    ASSERT_TRUE(program->running());
    sendKey(server, window, "ctrl+alt+q");
    const auto code = program->waitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0);
}

} // namespace
} // namespace tessivo::testing
