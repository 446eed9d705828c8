#include "tests/e2e/program_window.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

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
    // The program times the pointer when it handles an event: moves 40 ms apart still reach
    // it apart on a slow build, where events queued behind one frame would all share its time
    // and make a release without speed.
    void flick(int x0, int y0, int x1, int y1) {
        movePointer(server, window, x0, y0);
        server.run("xdotool mousedown 1");
        for (int i = 1; i <= 4; ++i) {
            sleepMilliseconds(40);
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
    static constexpr Image::Pixel white{255, 255, 255};
    static constexpr Image::Pixel helpBlue{191, 222, 242};

    // At the default scale of 1.75 the title's strokes lie within these rows, the help's
    // first line within the next ones.
    static constexpr int titleTop = 8, titleBottom = 66, helpBottom = 110;
    static int titlePixels(const Image& picture) {
        return picture.countNear(white, 8, 0, titleTop, 1920, titleBottom);
    }
    static int helpPixels(const Image& picture) {
        return picture.countNear(helpBlue, 8, 0, titleBottom, 1920, helpBottom);
    }
    // Columns from the leftmost to the rightmost one that the object reaches, above the
    // controls and the emblem.
    static int objectWidth(const Image& picture) {
        int left = 1920, right = -1;
        for (int x = 0; x < 1920; ++x) {
            if (drawnIn(picture, x, 130, x + 1, 900) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        return right - left + 1;
    }
    // Pixels that differ between two pictures in the rows [y0, y1).
    static int differentIn(const Image& a, const Image& b, int y0, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < a.width; ++x) {
                const Image::Pixel p = a.at(x, y), q = b.at(x, y);
                count +=
                    std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)}) > 16;
            }
        }
        return count;
    }

    // The exhibit's picture shortly after it opens, with nothing moving.
    Image stillPicture(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--tour", "0", "--attract", "0"});
        Program exhibit(server, TESSIVO_EXHIBIT, arguments);
        const std::string id = waitForWindow(server, "Tessivo", 20000);
        EXPECT_FALSE(id.empty()) << exhibit.standardError();
        sleepMilliseconds(500);
        return screenshot(server, id);
    }
};

// A file of captions in a folder of the test's own.
class CaptionsFiles {
public:
    CaptionsFiles()
        : directory(std::filesystem::temp_directory_path() /
                    ("tessivo-captions-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(directory);
    }
    ~CaptionsFiles() { std::filesystem::remove_all(directory); }
    std::string write(const std::string& name, const std::string& text) const {
        const std::string path = (directory / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

private:
    std::filesystem::path directory;
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
    ASSERT_NO_FATAL_FAILURE(start({"--scale", "2", "--attract", "0", "--tour", "0"}));
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
                                   "--idle-reset", "0", "--attract", "0", "--tour", "0"}));
    const Image plain = screenshot(server, window);
    click(server, window, 400, 228);
    const Image coloured = screenshot(server, window);
    EXPECT_GT(coloured.countDifferent(plain, 16), 2000);
    const Image::Pixel region = coloured.at(400, 228);
    EXPECT_GT(region.g, region.r + 40);
    EXPECT_GT(region.g, region.b + 40);
}

// Where the plain program's window and scale fit, with neither texts nor tour, the exhibit
// draws exactly what tessivo draws.
TEST_F(ExhibitScreen, InThePlainProgramsWindowItDrawsWhatTessivoDraws) {
    const auto pictureOf = [&](const std::string& path, const std::vector<std::string>& options) {
        Program shown(server, path, options);
        const std::string id = waitForWindow(server, "Tessivo", 20000);
        EXPECT_FALSE(id.empty()) << shown.standardError();
        sleepMilliseconds(500);
        screenshot(server, id); // puts the window at (0, 0)
        sleepMilliseconds(300);
        return screenshot(server, id);
    };
    const Image plain = pictureOf(TESSIVO_BINARY, {});
    const Image exhibit =
        pictureOf(TESSIVO_EXHIBIT, {"--window", "800x600", "--scale", "1", "--attract", "0",
                                    "--tour", "0", "--texts", "off"});
    ASSERT_EQ(exhibit.width, plain.width);
    ASSERT_EQ(exhibit.height, plain.height);
    EXPECT_EQ(exhibit.countDifferent(plain, 0), 0);
}

TEST_F(ExhibitScreen, LeftAloneItReturnsToTheStartPicture) {
    ASSERT_NO_FATAL_FAILURE(start({"--idle-reset", "4", "--attract", "0", "--tour", "0"}));
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
    start({"--window", "800x600", "--attract", "0", "--tour", "0"});
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

// What a visitor finds: the title and help of the first scene at the top, the tour playing
// its controls (3 s in, the rectangle has rolled and closed into the wide bottle; at 7 s the
// second scene is on), everything still from a press on, and 6 s after it the start again,
// tour and all. Times count from the window's appearance, a little after the tour began.
TEST_F(ExhibitScreen, ArrivingVisitorsFindTheTitleTheHelpAndTheTourUntilTheyTouch) {
    program = std::make_unique<Program>(
        server, TESSIVO_EXHIBIT, std::vector<std::string>{"--tour", "6", "--idle-reset", "5"});
    window = waitForWindow(server, "Tessivo", 20000);
    ASSERT_FALSE(window.empty()) << program->standardError();
    const auto opened = std::chrono::steady_clock::now();
    // A screenshot is taken about 300 ms after it is asked for.
    const auto pictureAt = [&](int ms) {
        std::this_thread::sleep_until(opened + std::chrono::milliseconds(ms - 300));
        return screenshot(server, window);
    };
    const Image atStart = pictureAt(500);
    EXPECT_GT(titlePixels(atStart), 1000);
    EXPECT_GT(helpPixels(atStart), 2000);
    const Image rolled = pictureAt(3000);
    EXPECT_GT(objectWidth(rolled), 250); // the flat rectangle, even turned, is 125 pixels wide
    const Image second = pictureAt(7000);
    // KleinBottle3's row of icons at unit (200, 20), and its own title.
    EXPECT_GT(around(second, {26, 178, 77}, 350, 1045, 40, 20), 200);
    EXPECT_EQ(around(atStart, {26, 178, 77}, 350, 1045, 40, 20), 0);
    EXPECT_GT(differentIn(second, atStart, titleTop, titleBottom), 500);

    click(server, window, 1500, 300);
    const auto clicked = std::chrono::steady_clock::now();
    const Image pressed = screenshot(server, window);
    sleepMilliseconds(700);
    EXPECT_EQ(screenshot(server, window).countDifferent(pressed, 16), 0);

    // 6 s after the click, 1 s after the return to the start.
    std::this_thread::sleep_until(clicked + std::chrono::milliseconds(5700));
    const Image again = screenshot(server, window);
    EXPECT_EQ(differentIn(again, atStart, titleTop, helpBottom), 0);
    EXPECT_EQ(around(again, {26, 178, 77}, 350, 1045, 40, 20), 0);
    sleepMilliseconds(700);
    EXPECT_GT(screenshot(server, window).countDifferent(again, 16), 1000);
    EXPECT_TRUE(program->running()) << program->standardError();
}

// Italian by default, English on request, a curator's German from the shipped example; and
// an è is the e with its grave accent over it.
TEST_F(ExhibitScreen, TheTextsSpeakTheChosenLanguageOrTheCuratorsWords) {
    const Image italian = stillPicture({});
    const Image english = stillPicture({"--language", "en"});
    const Image german = stillPicture(
        {"--captions", std::string(TESSIVO_SOURCE_DIR) + "/packaging/captions-de.txt"});
    for (const Image* picture : {&italian, &english, &german}) {
        EXPECT_GT(titlePixels(*picture), 1000);
        EXPECT_GT(helpPixels(*picture), 2000);
    }
    EXPECT_GT(differentIn(italian, english, titleTop, helpBottom), 1000);
    EXPECT_GT(differentIn(italian, german, titleTop, helpBottom), 1000);
    EXPECT_GT(differentIn(english, german, titleTop, helpBottom), 1000);

    const CaptionsFiles files;
    const Image e = stillPicture({"--captions", files.write("e.txt", "KleinBottle1\te\t\n")});
    const Image grave =
        stillPicture({"--captions", files.write("grave.txt", "KleinBottle1\t\xC3\xA8\t\n")});
    int eTop = titleBottom, eStrokes = 0, kept = 0, above = 0, beside = 0;
    for (int y = titleTop; y < titleBottom; ++y) {
        for (int x = 900; x < 1020; ++x) {
            const bool inE = e.countNear(white, 8, x, y, x + 1, y + 1) == 1;
            const bool inGrave = grave.countNear(white, 8, x, y, x + 1, y + 1) == 1;
            eTop = inE ? std::min(eTop, y) : eTop;
            eStrokes += inE;
            kept += inE && inGrave;
            above += inGrave && !inE && y < eTop;
            beside += inGrave && !inE && y >= eTop;
        }
    }
    EXPECT_GT(eStrokes, 100);
    EXPECT_EQ(kept, eStrokes);
    EXPECT_GT(above, 8);
    EXPECT_EQ(beside, 0);
}

TEST_F(ExhibitScreen, ABadCaptionsFileIsOneLineNamingItsLineAndCharacterWithNoWindow) {
    const CaptionsFiles files;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {files.write("unknown.txt", "KleinBottle1\tTitel\tHilfe\nKleinbottle3\tT\tH\n"),
         "unknown.txt:2:1: unknown scene 'Kleinbottle3'"},
        {files.write("tabs.txt", "KleinBottle1 Titel Hilfe\n"), "tabs.txt:1:25: no tab"},
        {files.write("polish.txt", "KleinBottle1\tWst\xC4\x99ga\tHilfe\n"),
         "polish.txt:1:17: cannot draw '\xC4\x99' (U+0119)"},
    };
    for (const auto& [path, expected] : cases) {
        Program exhibit(server, TESSIVO_EXHIBIT, {"--captions", path});
        const auto code = exhibit.waitForExit(10000);
        ASSERT_TRUE(code) << path;
        EXPECT_EQ(*code, 2);
        const std::string error = exhibit.standardError();
        EXPECT_NE(error.find(expected), std::string::npos) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    }
    EXPECT_TRUE(waitForWindow(server, "Tessivo", 500).empty());
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
