#include "app/png_file.h"
#include "tests/support/x_session.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tessivo::testing {
namespace {

namespace fs = std::filesystem;

// A rendering is accepted when at most this share of its pixels differ from the reference by
// more than the tolerance in some channel. The software renderer is deterministic for one
// build; the margin absorbs rounding differences between compilers and CPU features, while a
// changed colour, a moved control or a different shape changes far more pixels.
constexpr int channelTolerance = 16;
constexpr double acceptedShare = 0.002;
constexpr int referenceWidth = 400;
constexpr int referenceHeight = 300;

struct ReferenceCase {
    std::string name;
    std::vector<std::string> arguments; // scene, then snapshot options
};

// How a failing case names its parameter: the case as cases.txt writes it.
void PrintTo(const ReferenceCase& c, std::ostream* out) {
    *out << c.name;
    for (const std::string& argument : c.arguments) {
        *out << ' ' << argument;
    }
}

const fs::path referenceFolder = fs::path(TESSIVO_SOURCE_DIR) / "tests" / "reference";

std::vector<ReferenceCase> readCases() {
    std::vector<ReferenceCase> cases;
    std::ifstream file(referenceFolder / "cases.txt");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        ReferenceCase c;
        if (!(words >> c.name) || c.name[0] == '#') {
            continue;
        }
        for (std::string word; words >> word;) {
            c.arguments.push_back(word);
        }
        cases.push_back(c);
    }
    return cases;
}

class ReferenceImage : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceImage, RendersAsRecorded) {
    const ReferenceCase& c = GetParam();
    ASSERT_FALSE(c.arguments.empty()) << c.name << " names no scene";
    RgbImage reference;
    ASSERT_EQ(readPngFile((referenceFolder / (c.name + ".png")).string(), reference), "");

    XServer server;
    ASSERT_FALSE(server.display().empty());
    const fs::path failures = fs::current_path() / "reference-failures";
    fs::create_directories(failures);
    const std::string actualPath = (failures / (c.name + ".png")).string();
    std::vector<std::string> arguments = {
        "--scene", c.arguments[0],
        "--out",   actualPath,
        "--size",  std::to_string(referenceWidth) + "x" + std::to_string(referenceHeight)};
    arguments.insert(arguments.end(), c.arguments.begin() + 1, c.arguments.end());
    Program snapshot(server, TESSIVO_SNAPSHOT, arguments);
    const auto code = snapshot.waitForExit(60000);
    ASSERT_TRUE(code && *code == 0) << snapshot.standardError();

    RgbImage actual;
    ASSERT_EQ(readPngFile(actualPath, actual), "");
    const int differing = countDifferingPixels(actual, reference, channelTolerance);
    const int accepted = static_cast<int>(acceptedShare * reference.width * reference.height);
    EXPECT_LE(differing, accepted) << c.name << ": " << differing << " pixels differ; the new "
                                   << "rendering is at " << actualPath;
    if (differing <= accepted) {
        fs::remove(actualPath);
    }
}

std::string caseName(const ::testing::TestParamInfo<ReferenceCase>& info) {
    std::string name;
    for (char ch : info.param.name) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(, ReferenceImage, ::testing::ValuesIn(readCases()), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReferenceImage);

} // namespace
} // namespace tessivo::testing
