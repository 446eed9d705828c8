#include "app/png_file.h"
#include "tests/support/x_session.h"

#include <filesystem>
#include <gtest/gtest.h>
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

TEST_F(Snapshot, ListsEveryRegisteredSceneWithItsCaption) {
    ASSERT_EQ(run({"--list"}), 0) << program->standardError();
    std::istringstream lines(program->standardOutput());
    std::string line;
    std::set<std::string> identifiers;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        EXPECT_GT(tab, 0u) << line;
        EXPECT_GT(line.size(), tab + 1) << "no caption: " << line;
        EXPECT_TRUE(identifiers.insert(line.substr(0, tab)).second) << "twice: " << line;
    }
}

} // namespace
} // namespace tessivo::testing
