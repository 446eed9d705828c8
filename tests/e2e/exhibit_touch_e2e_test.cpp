#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace tessivo::testing {
namespace {

// One area of tessivo-exhibit --print-layout, in window pixels from the top-left corner.
struct Box {
    std::string scene, name;
    double x = 0, y = 0, w = 0, h = 0;
};

struct PrintedLayout {
    std::map<std::string, std::string> header;
    std::vector<Box> boxes;
    const Box* find(const std::string& scene, const std::string& name) const {
        for (const Box& b : boxes) {
            if (b.scene == scene && b.name == name) {
                return &b;
            }
        }
        return nullptr;
    }
};

// The last layout the program printed.
PrintedLayout lastLayout(const std::string& output) {
    PrintedLayout layout;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "width") {
            layout = PrintedLayout{};
            std::string key = first, value;
            while (words >> value) {
                layout.header[key] = value;
                words >> key;
            }
        } else if (first == "target") {
            Box b;
            words >> b.scene >> b.name >> b.x >> b.y >> b.w >> b.h;
            layout.boxes.push_back(b);
        }
    }
    return layout;
}

struct ScreenSize {
    int width, height;
};

void PrintTo(const ScreenSize& s, std::ostream* out) {
    *out << s.width << "x" << s.height;
}

// tessivo-exhibit --touch full screen on an upright and a lying screen.
class TouchScreen : public ProgramWindow, public ::testing::WithParamInterface<ScreenSize> {
protected:
    TouchScreen() : ProgramWindow(GetParam().width, GetParam().height) {}
};

TEST_P(TouchScreen, TargetsForFingersAndAPressOpensTheMenu) {
    const ScreenSize screen = GetParam();
    ASSERT_NO_FATAL_FAILURE(open(TESSIVO_EXHIBIT, {"--touch", "--print-layout", "--attract", "0"}));
    const PrintedLayout layout = lastLayout(program->standardOutput());
    ASSERT_EQ(layout.header.at("width"), std::to_string(screen.width));
    ASSERT_EQ(layout.header.at("height"), std::to_string(screen.height));
    const double finger = 44 * std::stod(layout.header.at("scale"));
    ASSERT_GE(layout.boxes.size(), 4u * 9);
    for (const Box& a : layout.boxes) {
        const std::string label = a.scene + " " + a.name;
        EXPECT_GE(std::min(a.w, a.h), finger - 0.01) << label;
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= screen.width && a.y + a.h <= screen.height)
            << label;
        for (const Box& b : layout.boxes) {
            const bool resting = a.name.rfind("menu.row", 0) != 0 && b.name.rfind("menu.row", 0);
            if (&a < &b && resting && a.scene == b.scene) {
                EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h &&
                             b.y < a.y + a.h)
                    << label << " and " << b.name;
            }
        }
    }

    // A press on the closed square opens the menu, which stays open with the pointer gone
    // to the right of its list and above it, over no row.
    const Box* square = layout.find("KleinBottle1", "menu");
    const Box* row = layout.find("KleinBottle1", "menu.row0");
    ASSERT_TRUE(square && row);
    const Image::Pixel menuYellow{165, 152, 35};
    const int rowsX = int(row->x + 20), rowsY = int(row->y + row->h / 2);
    EXPECT_EQ(around(screenshot(server, window), menuYellow, rowsX, rowsY, 8, 20), 0);
    click(server, window, int(square->x + square->w / 2), int(square->y + square->h / 2));
    movePointer(server, window, std::min(screen.width - 3, int(row->x + row->w + 10)),
                std::max(3, int(row->y) - 30));
    sleepMilliseconds(400);
    EXPECT_GT(around(screenshot(server, window), menuYellow, rowsX, rowsY, 8, 20), 100);
    EXPECT_TRUE(program->running()) << program->standardError();
}

INSTANTIATE_TEST_SUITE_P(UprightAndLying, TouchScreen,
                         ::testing::Values(ScreenSize{1080, 1920}, ScreenSize{1920, 1080}));

} // namespace
} // namespace tessivo::testing
