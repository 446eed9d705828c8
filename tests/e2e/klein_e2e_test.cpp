// The four Klein bottle scenes of the real program, driven through their real controls.

#include "tests/e2e/program_window.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tessivo::testing {
namespace {

constexpr int windowHeight = 600;
// The 3D view without the strip of controls along the bottom edge.
constexpr int viewBottom = 530;

bool isSolidGreen(const Image::Pixel& p) {
    return p.g > 90 && p.g > p.r + 40 && p.g > p.b + 25;
}

// Counts pixels of the 3D view that satisfy the test.
template <class Test> int countInView(const Image& image, Test test) {
    int count = 0;
    for (int y = 0; y < std::min(viewBottom, image.height); ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (test(image.at(x, y))) {
                ++count;
            }
        }
    }
    return count;
}

int surfacePixels(const Image& image) {
    return countInView(image, isSolidGreen);
}

// Anything that is not the background colour (9, 48, 75).
int drawnPixels(const Image& image) {
    return countInView(image, [](const Image::Pixel& p) {
        return std::abs(p.r - 9) > 12 || std::abs(p.g - 48) > 12 || std::abs(p.b - 75) > 12;
    });
}

// Keeps a screenshot for people to look at when TESSIVO_KLEIN_SHOTS names a folder.
void keep(const Image& image, const std::string& name) {
    const char* folder = std::getenv("TESSIVO_KLEIN_SHOTS");
    if (!folder || !*folder) {
        return;
    }
    const std::string path = std::string(folder) + "/" + name + ".ppm";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
    std::fwrite(image.rgb.data(), 1, image.rgb.size(), file);
    std::fclose(file);
}

// The dial's increment for a pointer moving from o to q about its centre: the sine of the
// swept angle, positive counter-clockwise (overlay coordinates, y up).
double dialIncrement(double ox, double oy, double qx, double qy) {
    const double g = std::sqrt((ox * ox + oy * oy) * (qx * qx + qy * qy));
    return g > 0 ? (ox * qy - oy * qx) / g : 0.0;
}

class KleinProgram : public ProgramWindow {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(open(TESSIVO_BINARY)); }
    void TearDown() override {
        if (program) {
            EXPECT_TRUE(program->running()) << program->standardError();
        }
    }

    Image shot(const std::string& name) {
        const Image image = screenshot(server, window);
        keep(image, name);
        return image;
    }

    void key(const std::string& name) {
        sendKey(server, window, name);
        sleepMilliseconds(200);
    }

    // Turns the dial at overlay (100, 20) counter-clockwise by about `degrees`: a press on the
    // dial, a slide out along +x to radius 90 (which turns nothing), then small steps round
    // that circle, a rest, and the release. Returns the angle the dial adds for exactly these
    // pointer positions, as the dial computes it.
    double turnDial(double degrees) {
        const int cx = 100;
        const int cy = windowHeight - 20;
        std::vector<std::pair<int, int>> path = {{cx + 15, cy}, {cx + 40, cy}, {cx + 65, cy}};
        const double radius = 90;
        for (double a = 0; a < degrees + 1e-9; a += std::min(5.0, std::max(1e-3, degrees - a))) {
            const double t = a * M_PI / 180;
            path.push_back({static_cast<int>(std::lround(cx + radius * std::cos(t))),
                            static_cast<int>(std::lround(cy - radius * std::sin(t)))});
            if (a >= degrees) {
                break;
            }
        }
        double added = 0;
        for (std::size_t i = 1; i < path.size(); ++i) {
            added += dialIncrement(path[i - 1].first - cx, cy - path[i - 1].second,
                                   path[i].first - cx, cy - path[i].second);
        }
        movePointer(server, window, path[0].first, path[0].second);
        sleepMilliseconds(50);
        server.run("xdotool mousedown 1");
        for (std::size_t i = 1; i < path.size(); ++i) {
            sleepMilliseconds(10);
            movePointer(server, window, path[i].first, path[i].second);
        }
        sleepMilliseconds(300); // rest, so the release leaves the dial still
        server.run("xdotool mouseup 1");
        sleepMilliseconds(300);
        return added;
    }
};

TEST_F(KleinProgram, OpensOnTheRectangleAndStepsThroughTheFourScenesWithoutWrapping) {
    const Image first = shot("scene1");
    EXPECT_GT(surfacePixels(first), 1500);
    // Left and Page Up at the first scene change nothing.
    key("Left");
    key("Prior");
    EXPECT_LT(shot("scene1_again").countDifferent(first, 8), 50);

    std::vector<Image> scenes = {first};
    for (int i = 2; i <= 4; ++i) {
        key(i == 3 ? "Next" : "Right");
        scenes.push_back(shot("scene" + std::to_string(i)));
        EXPECT_GT(drawnPixels(scenes.back()), 5000) << "scene " << i;
        EXPECT_GT(scenes.back().countDifferent(scenes[scenes.size() - 2], 8), 2000)
            << "scene " << i;
    }
    // Right and Page Down at the last scene change nothing.
    key("Right");
    key("Next");
    EXPECT_LT(shot("scene4_again").countDifferent(scenes[3], 8), 50);
    // Back again: the same pictures, since nothing moved meanwhile.
    key("Prior");
    EXPECT_LT(shot("scene3_again").countDifferent(scenes[2], 8), 50);
    key("Left");
    key("Left");
    EXPECT_LT(shot("scene1_back").countDifferent(first, 8), 50);

    // The scene menu in the corner unfolds into one row per scene: its yellow background
    // spans overlay y 67..181 for four rows (window rows 419..533), no more, no less.
    movePointer(server, window, 20, windowHeight - 20);
    sleepMilliseconds(400);
    const Image menu = shot("scene_menu");
    const auto yellowInRow = [&](int y) {
        return menu.countNear({165, 152, 35}, 30, 0, y, 400, y + 1);
    };
    EXPECT_GT(yellowInRow(422), 100);
    EXPECT_GT(yellowInRow(530), 100);
    EXPECT_EQ(yellowInRow(414), 0);
    EXPECT_EQ(yellowInRow(538), 0);
    // White caption text on it, in each of the four rows (26 pixels high from overlay 52).
    for (int row = 0; row < 4; ++row) {
        const int top = windowHeight - (20 + 26 * (4 + 1 - row) + 26);
        EXPECT_GT(menu.countNear({255, 255, 255}, 40, 20, top, 420, top + 26), 50) << row;
    }
}

TEST_F(KleinProgram, RectangleSliderRollsTheRectangleAndClosesTheBottle) {
    const Image flat = shot("rectangle_0");
    // The slider's knob sits at the left end of its track, overlay (150, 20); the press lands
    // on it, so the drag moves the value by whole pixels of the 100-pixel track.
    const int y = windowHeight - 25;
    drag(server, window, 150, y, 175, y);
    const Image tube = shot("rectangle_25");
    drag(server, window, 175, y, 200, y);
    const Image bent = shot("rectangle_50");
    drag(server, window, 200, y, 249, y);
    const Image bottle = shot("rectangle_100");
    const Image* pictures[] = {&flat, &tube, &bent, &bottle};
    for (int i = 0; i < 4; ++i) {
        EXPECT_GT(surfacePixels(*pictures[i]), 1500) << "position " << i;
        if (i > 0) {
            EXPECT_GT(pictures[i]->countDifferent(*pictures[i - 1], 8), 2000) << "position " << i;
        }
    }
    // The rolled tube is bigger on screen than the nearly flat strip, the bottle bigger still.
    EXPECT_GT(surfacePixels(tube), surfacePixels(flat));
    EXPECT_GT(surfacePixels(bottle), surfacePixels(tube));
    // The glue marks: strongly red and strongly blue pixels, which the green surface never has.
    for (const Image* picture : {&flat, &bottle}) {
        EXPECT_GT(
            countInView(*picture,
                        [](const Image::Pixel& p) { return p.r > p.g + 50 && p.r > p.b + 30; }),
            10);
        EXPECT_GT(countInView(*picture,
                              [](const Image::Pixel& p) {
                                  return p.b > p.g + 40 && p.b > p.r + 40 && p.b > 110;
                              }),
                  10);
    }
}

TEST_F(KleinProgram, DrawModeRowShowsTheBottleSolidStripedAndAsGlass) {
    key("Right");
    const Image solid = shot("bottle_solid");
    click(server, window, 200, windowHeight - 20);
    sleepMilliseconds(300);
    const Image striped = shot("bottle_striped");
    click(server, window, 220, windowHeight - 20);
    sleepMilliseconds(300);
    const Image glass = shot("bottle_glass");
    EXPECT_GT(surfacePixels(solid), 5000);
    // Stripes leave every other band out: fewer surface pixels, and the inside shows.
    EXPECT_GT(surfacePixels(striped), 1000);
    EXPECT_LT(surfacePixels(striped), surfacePixels(solid));
    EXPECT_GT(striped.countDifferent(solid, 8), 2000);
    // Glass covers about the same area as the solid bottle, in other colours.
    EXPECT_GT(drawnPixels(glass), drawnPixels(solid) * 8 / 10);
    EXPECT_GT(glass.countDifferent(solid, 8), 5000);
    EXPECT_GT(glass.countDifferent(striped, 8), 5000);
}

TEST_F(KleinProgram, LabelComesBackMirroredAfterOneTurnAndRightAfterTwo) {
    key("Right");
    key("Right");
    const Image rest = shot("label_rest");
    EXPECT_GT(drawnPixels(rest), 5000);
    // The label's red border.
    const auto red = [](const Image::Pixel& p) { return p.r > 120 && p.g < 70 && p.b < 70; };
    EXPECT_GT(countInView(rest, red), 100);

    // One turn and a little more, so that the label lands on the same row as at rest: a full
    // turn adds 0.5 to the progress, and the row is 200 progress truncated.
    const double once = turnDial(362);
    ASSERT_GT(once - 2 * M_PI, 0.005);
    ASSERT_LT(once - 2 * M_PI, 0.055);
    const Image mirrored = shot("label_one_turn");
    EXPECT_GT(countInView(mirrored, red), 100);
    const double twice = once + turnDial(360);
    ASSERT_GT(twice - 4 * M_PI, 0.005);
    ASSERT_LT(twice - 4 * M_PI, 0.055);
    const Image back = shot("label_two_turns");

    const int afterOne = mirrored.countDifferent(rest, 24);
    const int afterTwo = back.countDifferent(rest, 24);
    EXPECT_GT(afterOne, 300);
    // Two turns: the same label at the same place, only the dial's knob a hair further on.
    EXPECT_LT(afterTwo * 5, afterOne);
}

TEST_F(KleinProgram, CutSliderSeparatesTheHalvesAndUnrollsThem) {
    key("Right");
    key("Right");
    key("Right");
    const Image whole = shot("cut_0");
    // Knob at overlay (100, 20).
    const int y = windowHeight - 25;
    drag(server, window, 100, y, 140, y);
    const Image apart = shot("cut_40");
    drag(server, window, 140, y, 199, y);
    const Image unrolled = shot("cut_100");
    for (const Image* picture : {&whole, &apart, &unrolled}) {
        EXPECT_GT(surfacePixels(*picture), 1500);
    }
    EXPECT_GT(apart.countDifferent(whole, 8), 2000);
    EXPECT_GT(unrolled.countDifferent(apart, 8), 2000);
}

TEST_F(KleinProgram, DraggingEmptySpaceTurnsTheBottleForEveryScene) {
    key("Right");
    const Image bottleBefore = shot("turn_bottle_before");
    key("Left");
    const Image before = shot("turn_before");
    drag(server, window, 600, 200, 680, 260);
    const Image after = shot("turn_after");
    EXPECT_GT(after.countDifferent(before, 8), 1000);
    // Held still before the release: it stays where it was left.
    EXPECT_LT(shot("turn_after_again").countDifferent(after, 8), 50);
    // The scenes share the bottle's attitude: the next one shows it turned too.
    key("Right");
    EXPECT_GT(shot("turn_bottle_after").countDifferent(bottleBefore, 8), 1000);
}

} // namespace
} // namespace tessivo::testing
