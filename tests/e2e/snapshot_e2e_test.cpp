#include "app/png_file.h"
#include "tests/support/x_session.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace tessivo::testing {
namespace {

namespace fs = std::filesystem;

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(server.display().empty()) << "could not start Xvfb";
        directory = fs::temp_directory_path() / ("tessivo-snapshot-" + std::to_string(getpid()));
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    // Runs the snapshot program to its end; returns its exit code.
    int run(const std::vector<std::string>& arguments) {
        program = std::make_unique<Program>(server, TESSIVO_SNAPSHOT, arguments);
        const auto code = program->waitForExit(60000);
        return code ? *code : -999;
    }
    std::string out(const std::string& name) const { return (directory / name).string(); }

    XServer server;
    fs::path directory;
    std::unique_ptr<Program> program;
};

TEST_F(Snapshot, RefusesBadRequestsWithOneLineAndNoFile) {
    const std::vector<std::vector<std::string>> requests = {
        {"--scene", "NoSuchScene", "--out", out("a.png")},
        {"--scene", "NoSuchScene"},
        {"--out", out("a.png")},
        {"--scene", "x", "--out", out("a.png"), "--size", "0x10"},
        {"--scene", "x", "--out", out("a.png"), "--set", "0=nan"},
        {"--frobnicate"},
    };
    for (const auto& request : requests) {
        EXPECT_EQ(run(request), 2) << request[0];
        const std::string error = program->standardError();
        EXPECT_EQ(error.rfind("tessivo-snapshot: ", 0), 0u) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_TRUE(fs::is_empty(directory));
    }
}

// Every scene of the program, in the order in which static initialisation registers them.
const std::vector<std::pair<std::string, std::string>> programScenes = {
    {"KleinBottle1", "Dal rettangolo alla bottiglia di Klein"},
    {"KleinBottle3", "La bottiglia di Klein"},
    {"KleinBottle4", "Etichetta sulla bottiglia"},
    {"KleinBottle5", "Bottiglia di Klein tagliata in due"},
    {"Moebius", "Dal quadrato al nastro di Moebius"},
    {"Moebius2", "Rotelline sul nastro"},
    {"Moebius3", "Nastro tagliato in due"},
    {"Moebius4", "Nastro che scorre su se stesso"},
    {"Moebius5", "Nastro tagliato in tre"},
    {"Moebius6", "Mappa sul nastro"},
    {"ProjectivePlane1", "Cappuccio incrociato"},
    {"ProjectivePlane2", "Cappuccio incrociato senza incroci"},
    {"ring", "Moebius intrecciato"},
    {"tetratetra", "Tetraedro / tetraedro"},
    {"cubeocta", "Cubo / ottaedro"},
    {"icododeca", "Icosaedro / dodecaedro"},
};

std::vector<std::pair<std::string, std::string>> listedScenes(const std::string& output) {
    std::vector<std::pair<std::string, std::string>> scenes;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        scenes.emplace_back(line.substr(0, tab),
                            tab == std::string::npos ? "" : line.substr(tab + 1));
    }
    return scenes;
}

TEST_F(Snapshot, ListsEverySceneWithItsCaptionInRegistrationOrder) {
    ASSERT_EQ(run({"--list"}), 0) << program->standardError();
    EXPECT_EQ(listedScenes(program->standardOutput()), programScenes);
}

// The background colour, and what counts as a picture of the object: enough pixels away from
// the background in the middle of the view, where no control sits.
bool isBackground(const unsigned char* p) {
    return std::abs(p[0] - 9) <= 2 && std::abs(p[1] - 48) <= 2 && std::abs(p[2] - 75) <= 2;
}

TEST_F(Snapshot, EverySceneRendersItsObject) {
    ASSERT_EQ(run({"--list"}), 0);
    const auto scenes = listedScenes(program->standardOutput());
    ASSERT_FALSE(scenes.empty());
    for (const auto& [identifier, caption] : scenes) {
        const std::string file = out(identifier + ".png");
        ASSERT_EQ(run({"--scene", identifier, "--out", file, "--size", "320x240"}), 0)
            << identifier << ": " << program->standardError();
        RgbImage picture;
        ASSERT_EQ(readPngFile(file, picture), "") << identifier;
        ASSERT_EQ(picture.width, 320);
        ASSERT_EQ(picture.height, 240);
        int object = 0;
        for (int y = 40; y < 200; ++y) {
            for (int x = 60; x < 260; ++x) {
                object += !isBackground(picture.at(x, y));
            }
        }
        // The smallest object at its start is the first strip scene's flat 1 by 1 square,
        // about 30 pixels across at this size.
        EXPECT_GT(object, 600) << identifier << " shows too little of its object";
    }
}

TEST_F(Snapshot, ControlsAndTurnChangeThePicture) {
    ASSERT_EQ(run({"--scene", "KleinBottle1", "--out", out("a.png"), "--set", "0=0.2"}), 0);
    ASSERT_EQ(run({"--scene", "KleinBottle1", "--out", out("b.png"), "--set", "0=0.9"}), 0);
    ASSERT_EQ(run({"--scene", "KleinBottle1", "--out", out("c.png"), "--set", "0=0.9", "--turn",
                   "30,20"}),
              0);
    RgbImage a, b, c;
    ASSERT_EQ(readPngFile(out("a.png"), a), "");
    ASSERT_EQ(readPngFile(out("b.png"), b), "");
    ASSERT_EQ(readPngFile(out("c.png"), c), "");
    EXPECT_GT(countDifferingPixels(a, b, 16), 10000);
    EXPECT_GT(countDifferingPixels(b, c, 16), 10000);
}

TEST_F(Snapshot, NoControlsLeavesTheViewAlone) {
    ASSERT_EQ(run({"--scene", "KleinBottle3", "--out", out("with.png")}), 0);
    ASSERT_EQ(run({"--scene", "KleinBottle3", "--out", out("without.png"), "--no-controls"}), 0);
    RgbImage with, without;
    ASSERT_EQ(readPngFile(out("with.png"), with), "");
    ASSERT_EQ(readPngFile(out("without.png"), without), "");
    // The emblem in the bottom-right corner, and nothing else, is gone.
    int emblem = 0;
    for (int y = 530; y < 600; ++y) {
        for (int x = 700; x < 800; ++x) {
            emblem += !isBackground(with.at(x, y)) - !isBackground(without.at(x, y));
        }
    }
    EXPECT_GT(emblem, 300);
    int middle = 0;
    for (int y = 100; y < 500; ++y) {
        for (int x = 150; x < 650; ++x) {
            middle += std::abs(with.at(x, y)[1] - without.at(x, y)[1]) > 0;
        }
    }
    EXPECT_EQ(middle, 0);
}

// Single pixels that stand out from smooth surroundings: what shows through a crack between
// two pieces of a surface that should meet.
int specks(const RgbImage& picture) {
    int count = 0;
    for (int y = 1; y + 1 < picture.height; ++y) {
        for (int x = 1; x + 1 < picture.width; ++x) {
            int low = 255, high = 0, sum = 0;
            for (int k = 0; k < 9; ++k) {
                if (k != 4) {
                    const int g = picture.at(x + k % 3 - 1, y + k / 3 - 1)[1];
                    low = std::min(low, g);
                    high = std::max(high, g);
                    sum += g;
                }
            }
            count += high - low < 25 && std::abs(8 * picture.at(x, y)[1] - sum) > 8 * 50;
        }
    }
    return count;
}

// Looking straight into the bottle's bottom opening, the flat ring where the spine's two ends
// are glued faces the eye; a crack along it showed as a dozen pixels on a circle.
TEST_F(Snapshot, TheBottlesGluedSeamHasNoCrack) {
    for (const char* mode : {"0=0", "0=2"}) {
        ASSERT_EQ(run({"--scene", "KleinBottle3", "--out", out("seam.png"), "--set", mode, "--turn",
                       "0,90", "--size", "2400x1800"}),
                  0);
        RgbImage picture;
        ASSERT_EQ(readPngFile(out("seam.png"), picture), "");
        EXPECT_EQ(specks(picture), 0) << mode;
    }
}

TEST_F(Snapshot, RefusesBadControlsAndUnwritableFilesWithNoFileLeft) {
    const std::vector<std::vector<std::string>> requests = {
        {"--scene", "KleinBottle1", "--out", out("a.png"), "--set", "1=0.5"},
        {"--scene", "KleinBottle1", "--out", out("a.png"), "--set", "0=1.5"},
        {"--scene", "KleinBottle3", "--out", out("a.png"), "--set", "0=3"},
        {"--scene", "KleinBottle3", "--out", out("a.png"), "--set", "0=0.5"},
        {"--scene", "KleinBottle1", "--out", out("missing-folder/a.png")},
    };
    for (const auto& request : requests) {
        EXPECT_EQ(run(request), 2) << request[5];
        const std::string error = program->standardError();
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_TRUE(fs::is_empty(directory)) << request[5];
    }
    EXPECT_EQ(run({"--scene", "KleinBottle4", "--out", out("a.png"), "--set", "0=-1000.5"}), 0);
    EXPECT_TRUE(fs::exists(out("a.png")));
}

// The frame-time bench measures every registered scene, in the rounds asked for, and names the
// slowest.
TEST_F(Snapshot, BenchMeasuresEveryScene) {
    ASSERT_EQ(run({"--list"}), 0);
    const auto scenes = listedScenes(program->standardOutput());
    Program bench(server, TESSIVO_BENCH, {"--frames", "3", "--rounds", "2"});
    const auto code = bench.waitForExit(120000);
    ASSERT_TRUE(code && *code == 0) << bench.standardError();
    const std::string table = bench.standardOutput();
    EXPECT_EQ(table.rfind("2 rounds of 3 frames per scene", 0), 0u) << table;
    for (const auto& [identifier, caption] : scenes) {
        EXPECT_NE(table.find("\n" + identifier + " "), std::string::npos) << identifier;
    }
    EXPECT_NE(table.find("(empty frame)"), std::string::npos);
    EXPECT_NE(table.find("slowest: "), std::string::npos);
}

} // namespace
} // namespace tessivo::testing
