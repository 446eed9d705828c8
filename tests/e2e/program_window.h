#pragma once

// The fixture that the end-to-end tests share: one of our programs started on a private X
// server, its window titled "Tessivo" found and put at (0, 0).

#include "tests/support/x_session.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tessivo::testing {

class ProgramWindow : public ::testing::Test {
protected:
    ProgramWindow() = default;
    // A private X server with a screen of the given size.
    ProgramWindow(int screenWidth, int screenHeight) : server(screenWidth, screenHeight) {}

    // Starts the program at path and waits for its window; a fatal failure when the server,
    // the program or the window is missing. Callers wrap it in ASSERT_NO_FATAL_FAILURE.
    void open(const std::string& path, const std::vector<std::string>& arguments = {}) {
        ASSERT_FALSE(server.display().empty()) << "could not start Xvfb";
        program = std::make_unique<Program>(server, path, arguments);
        window = waitForWindow(server, "Tessivo", 20000);
        ASSERT_FALSE(window.empty()) << "no window titled Tessivo appeared\n"
                                     << program->standardError();
        sleepMilliseconds(500);
        screenshot(server, window); // puts the window at (0, 0) before the pointer moves
    }

    // The identifier of every registered scene in the order of tessivo-snapshot --list, which
    // is also the order of the lab's show list.
    std::vector<std::string> registeredIdentifiers() {
        Program list(server, TESSIVO_SNAPSHOT, {"--list"});
        EXPECT_TRUE(list.waitForExit(30000));
        std::istringstream lines(list.standardOutput());
        std::vector<std::string> identifiers;
        for (std::string line; std::getline(lines, line);) {
            identifiers.push_back(line.substr(0, line.find('\t')));
        }
        return identifiers;
    }

    // Pixels within tolerance of a colour in the square of half-size r around (x, y).
    static int around(const Image& picture, Image::Pixel colour, int x, int y, int r,
                      int tolerance = 12) {
        return picture.countNear(colour, tolerance, x - r, y - r, x + r + 1, y + r + 1);
    }

    XServer server;
    std::unique_ptr<Program> program;
    std::string window;
};

} // namespace tessivo::testing
