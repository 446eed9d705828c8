#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tessivo::testing {

// A private X server (Xvfb) for one end-to-end test, so that tests running in parallel never
// see each other's windows. The server picks a free display number itself.
class XServer {
public:
    explicit XServer(int width = 2048, int height = 1600);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N", or empty when the server could not be started.
    const std::string& display() const { return name; }

    // Runs a shell command with DISPLAY set to this server; returns its standard output.
    std::string run(const std::string& command) const;

private:
    pid_t pid = -1;
    std::string name;
};

// An RGB picture, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    struct Pixel {
        int r, g, b;
    };
    // Pixel at (x, y) counted from the top-left corner.
    Pixel at(int x, int y) const;
    // Number of pixels within tolerance (per channel) of the colour, in the rectangle
    // [x0, x1) x [y0, y1) (top-left origin, clipped to the picture).
    int countNear(Pixel colour, int tolerance, int x0, int y0, int x1, int y1) const;
    int countNear(Pixel colour, int tolerance) const {
        return countNear(colour, tolerance, 0, 0, width, height);
    }
    // Number of pixels that differ from other by more than tolerance in some channel.
    int countDifferent(const Image& other, int tolerance) const;
};

// A program started on an X server, with its standard output and error kept in files.
class Program {
public:
    Program(const XServer& server, const std::string& path,
            const std::vector<std::string>& arguments = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The exit code once the program has ended within timeoutMs (-1 for a signal), or none.
    std::optional<int> waitForExit(int timeoutMs);
    bool running();
    std::string standardError() const;
    std::string standardOutput() const;
    pid_t processId() const { return pid; }

private:
    pid_t pid = -1;
    std::optional<int> exitCode;
    std::string errorFile;
    std::string outputFile;
};

// The id of the first window titled exactly title, waiting up to timeoutMs; empty if none
// appeared.
std::string waitForWindow(const XServer& server, const std::string& title, int timeoutMs);

// Geometry of a window: its size and its position on the screen.
struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
};
WindowGeometry windowGeometry(const XServer& server, const std::string& window);

// Moves the window to (0, 0) (the toolkit leaves it at (-1, -1) without a window manager),
// waits for a few frames, and takes its picture.
Image screenshot(const XServer& server, const std::string& window);

// Sends a key (an xdotool key name such as "Escape", "F1", "Right", "s") to the window.
void sendKey(const XServer& server, const std::string& window, const std::string& key);

// Pointer actions at window coordinates (top-left origin, as the toolkit reports them).
void movePointer(const XServer& server, const std::string& window, int x, int y);
void click(const XServer& server, const std::string& window, int x, int y);
// Press at (x0, y0), move in steps to (x1, y1), release.
void drag(const XServer& server, const std::string& window, int x0, int y0, int x1, int y1,
          int steps = 10);

void sleepMilliseconds(int ms);

} // namespace tessivo::testing
