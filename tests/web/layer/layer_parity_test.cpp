// The web build's GL layer against real GL: the same probe, linked once over each, renders
// every scene and the reference cases and picks on a grid in each; the pictures must agree
// within the reference images' tolerance and the picks exactly, also at a phone's size with
// wide lines.

#include "app/png_file.h"
#include "tests/support/x_session.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tessivo::testing {
namespace {

namespace fs = std::filesystem;

constexpr int channelTolerance = 16;
constexpr double acceptedShare = 0.002;
// A pick on the edge between two parts finds both at depths that may differ by less than a
// float's precision, one way round in GL and the other in the layer; anything more than a few
// such picks is a fault.
constexpr double acceptedPickShare = 0.002;

// The reference cases as probe arguments: NAME SCENE options... ; per case.
std::vector<std::string> caseArguments() {
    std::ifstream file(fs::path(TESSIVO_SOURCE_DIR) / "tests" / "reference" / "cases.txt");
    std::vector<std::string> arguments;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word[0] == '#') {
            continue;
        }
        arguments.push_back(word);
        while (words >> word) {
            arguments.push_back(word);
        }
        arguments.push_back(";");
    }
    // A phone's screen, upright, with the controls four pixels to the unit and the title, the
    // help and the open menu over the view: their lines are drawn four pixels wide, by real GL
    // and by the layer's triangles.
    for (const char* word : {"phone-wide-lines", "KleinBottle1", "--size", "1170x2532",
                             "--overlay-scale", "4", "--texts", "--menu-open", ";"}) {
        arguments.push_back(word);
    }
    return arguments;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

double meanDifference(const RgbImage& a, const RgbImage& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        sum += std::abs(a.pixels[i] - b.pixels[i]);
    }
    return a.pixels.empty() ? 0.0 : sum / a.pixels.size();
}

TEST(LayerParity, ScenesRenderAndPickAsOverRealGl) {
    XServer server(2048, 2600);
    ASSERT_FALSE(server.display().empty());
    const fs::path folder = fs::current_path() / "layer-parity";
    fs::remove_all(folder);
    fs::create_directories(folder / "gl");
    fs::create_directories(folder / "layer");
    const std::vector<std::string> cases = caseArguments();
    std::vector<std::string> glArguments = {(folder / "gl").string()};
    glArguments.insert(glArguments.end(), cases.begin(), cases.end());
    std::vector<std::string> layerArguments = {(folder / "layer").string()};
    layerArguments.insert(layerArguments.end(), cases.begin(), cases.end());

    Program gl(server, PROBE_GL, glArguments);
    Program layered(server, PROBE_LAYERED, layerArguments);
    const auto glCode = gl.waitForExit(150000);
    const auto layerCode = layered.waitForExit(150000);
    ASSERT_TRUE(glCode && *glCode == 0) << gl.standardError();
    ASSERT_TRUE(layerCode && *layerCode == 0) << layered.standardError();

    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(folder / "gl")) {
        RgbImage expected, actual;
        const std::string name = entry.path().filename().string();
        ASSERT_EQ(readPngFile(entry.path().string(), expected), "");
        ASSERT_EQ(readPngFile((folder / "layer" / name).string(), actual), "") << name;
        const int differing = countDifferingPixels(actual, expected, channelTolerance);
        const int accepted = static_cast<int>(acceptedShare * expected.width * expected.height);
        std::printf("parity %s differing %d mean %.3f\n", name.c_str(), differing,
                    meanDifference(actual, expected));
        EXPECT_LE(differing, accepted) << name << " through the layer differs from real GL";
        ++pictures;
    }
    EXPECT_GT(pictures, 0);

    const std::vector<std::string> glPicks = lines(gl.standardOutput());
    const std::vector<std::string> layerPicks = lines(layered.standardOutput());
    ASSERT_EQ(glPicks.size(), layerPicks.size());
    std::size_t different = 0;
    for (std::size_t i = 0; i < glPicks.size(); ++i) {
        if (glPicks[i] != layerPicks[i]) {
            ++different;
            std::printf("real GL: %s, layer: %s\n", glPicks[i].c_str(), layerPicks[i].c_str());
        }
    }
    std::printf("parity picks %zu, different %zu\n", glPicks.size(), different);
    EXPECT_GT(glPicks.size(), 0u);
    EXPECT_LE(different, static_cast<std::size_t>(acceptedPickShare * glPicks.size()));
}

} // namespace
} // namespace tessivo::testing
