#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>

namespace tessivo::testing {
namespace {

class TessivoWindow : public ProgramWindow {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(open(TESSIVO_BINARY)); }
};

TEST_F(TessivoWindow, OpensAt800By600) {
    const WindowGeometry geometry = windowGeometry(server, window);
    EXPECT_EQ(geometry.width, 800);
    EXPECT_EQ(geometry.height, 600);
    EXPECT_TRUE(program->running());
}

TEST_F(TessivoWindow, DrawsTheFirstSceneOfTheShowListOnTheBackground) {
    sleepMilliseconds(500);
    const Image picture = screenshot(server, window);
    ASSERT_EQ(picture.width, 800);
    ASSERT_EQ(picture.height, 600);
    // Cleared to the background colour (9, 48, 75), with the scene and its controls on it.
    const int background = picture.countNear({9, 48, 75}, 2);
    EXPECT_GT(background, 800 * 600 / 2);
    EXPECT_LT(background, 800 * 600 - 2000);
    EXPECT_TRUE(program->running()) << program->standardError();
}

TEST_F(TessivoWindow, EscapeEndsTheProgramWithExitCodeZero) {
    sleepMilliseconds(500);
    sendKey(server, window, "Escape");
    const auto code = program->waitForExit(10000);
    ASSERT_TRUE(code) << "still running after Escape";
    EXPECT_EQ(*code, 0) << program->standardError();
}

TEST_F(TessivoWindow, F1EndsTheProgramWithExitCodeZero) {
    sleepMilliseconds(500);
    sendKey(server, window, "F1");
    const auto code = program->waitForExit(10000);
    ASSERT_TRUE(code) << "still running after F1";
    EXPECT_EQ(*code, 0) << program->standardError();
}

TEST_F(TessivoWindow, SurvivesPointerAndKeysAndResizes) {
    drag(server, window, 400, 300, 500, 350);
    click(server, window, 40, 580);
    for (const char* key : {"Right", "Next", "Left", "Prior", "s", "S", "Up", "F5", "x"}) {
        sendKey(server, window, key);
    }
    server.run("xdotool windowsize " + window + " 1 1");
    sleepMilliseconds(300);
    server.run("xdotool windowsize " + window + " 1024 768");
    sleepMilliseconds(300);
    EXPECT_TRUE(program->running()) << program->standardError();
    sendKey(server, window, "Escape");
    const auto code = program->waitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0) << program->standardError();
}

} // namespace
} // namespace tessivo::testing
