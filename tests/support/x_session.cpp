#include "tests/support/x_session.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessivo::testing {

namespace {

std::string readAll(FILE* stream) {
    std::string text;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), stream)) > 0) {
        text.append(chunk.data(), n);
    }
    return text;
}

std::string trim(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// Reads a binary PPM (P6, maxval 255).
Image parsePpm(const std::string& data) {
    Image image;
    std::istringstream in(data);
    std::string magic;
    int maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    if (magic != "P6" || maxValue != 255 || image.width <= 0 || image.height <= 0) {
        return {};
    }
    in.get(); // the single whitespace byte before the pixels
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    in.read(reinterpret_cast<char*>(image.rgb.data()),
            static_cast<std::streamsize>(image.rgb.size()));
    if (in.gcount() != static_cast<std::streamsize>(image.rgb.size())) {
        return {};
    }
    return image;
}

} // namespace

void sleepMilliseconds(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

namespace {

// Starts Xvfb on display :number; returns its pid once it accepts connections, or -1 when it
// could not start (the display is taken).
pid_t startXvfb(int number, int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        dup2(devNull, 2);
        const std::string display = ":" + std::to_string(number);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        const std::string fd = std::to_string(fds[1]);
        // -noreset: otherwise the server resets whenever its last client leaves (every
        // xdotool call is a client) and hangs up on whoever connects during the reset.
        execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-noreset", "-screen",
               "0", screen.c_str(), "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes its display number once it accepts connections; end of file without
    // it means the server gave up.
    std::string written;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
        written.push_back(c);
    }
    close(fds[0]);
    if (written != std::to_string(number)) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

} // namespace

XServer::XServer(int width, int height) {
    // Tests run in parallel and start and stop servers all the time. A display number that a
    // stopping server has just released may still have its socket removed under a new server's
    // feet, so each process starts from its own region of display numbers instead of taking the
    // lowest free one.
    const int base = 100 + static_cast<int>(getpid() % 400) * 2;
    for (int attempt = 0; attempt < 50 && pid < 0; ++attempt) {
        const int number = base + attempt;
        pid = startXvfb(number, width, height);
        if (pid > 0) {
            name = ":" + std::to_string(number);
        }
    }
    // Make sure a client gets an answer before the test starts its program.
    for (int attempt = 0; attempt < 200 && pid > 0; ++attempt) {
        if (!trim(run("xdotool getdisplaygeometry 2>/dev/null")).empty()) {
            break;
        }
        sleepMilliseconds(50);
    }
}

XServer::~XServer() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

std::string XServer::run(const std::string& command) const {
    const std::string full = "DISPLAY=" + name + " " + command;
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe) {
        return "";
    }
    std::string output = readAll(pipe);
    pclose(pipe);
    return output;
}

Image::Pixel Image::at(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

int Image::countNear(Pixel colour, int tolerance, int x0, int y0, int x1, int y1) const {
    int count = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x) {
            const Pixel p = at(x, y);
            if (std::abs(p.r - colour.r) <= tolerance && std::abs(p.g - colour.g) <= tolerance &&
                std::abs(p.b - colour.b) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

int Image::countDifferent(const Image& other, int tolerance) const {
    if (width != other.width || height != other.height) {
        return width * height;
    }
    int count = 0;
    for (size_t i = 0; i < rgb.size(); i += 3) {
        for (size_t c = 0; c < 3; ++c) {
            if (std::abs(rgb[i + c] - other.rgb[i + c]) > tolerance) {
                ++count;
                break;
            }
        }
    }
    return count;
}

Program::Program(const XServer& server, const std::string& path,
                 const std::vector<std::string>& arguments) {
    char errorPattern[] = "/tmp/tessivo-stderr-XXXXXX";
    const int errorFd = mkstemp(errorPattern);
    errorFile = errorPattern;
    char outputPattern[] = "/tmp/tessivo-stdout-XXXXXX";
    const int outputFd = mkstemp(outputPattern);
    outputFile = outputPattern;
    pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", server.display().c_str(), 1);
        dup2(outputFd, 1);
        dup2(errorFd, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    close(errorFd);
    close(outputFd);
}

Program::~Program() {
    if (running()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    unlink(errorFile.c_str());
    unlink(outputFile.c_str());
}

bool Program::running() {
    return pid > 0 && !waitForExit(0);
}

std::optional<int> Program::waitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!exitCode) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        sleepMilliseconds(20);
    }
    return exitCode;
}

namespace {
std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

std::string Program::standardError() const {
    return fileText(errorFile);
}

std::string Program::standardOutput() const {
    return fileText(outputFile);
}

std::string waitForWindow(const XServer& server, const std::string& title, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        const std::string found =
            trim(server.run("xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null"));
        if (!found.empty()) {
            return found.substr(0, found.find('\n'));
        }
        sleepMilliseconds(50);
    } while (std::chrono::steady_clock::now() < deadline);
    return "";
}

WindowGeometry windowGeometry(const XServer& server, const std::string& window) {
    WindowGeometry geometry;
    std::istringstream lines(server.run("xdotool getwindowgeometry --shell " + window));
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const int value = std::atoi(line.c_str() + equals + 1);
        if (key == "X") {
            geometry.x = value;
        } else if (key == "Y") {
            geometry.y = value;
        } else if (key == "WIDTH") {
            geometry.width = value;
        } else if (key == "HEIGHT") {
            geometry.height = value;
        }
    }
    return geometry;
}

Image screenshot(const XServer& server, const std::string& window) {
    server.run("xdotool windowmove " + window + " 0 0");
    sleepMilliseconds(300);
    const std::string full =
        "DISPLAY=" + server.display() + " import -window " + window + " -depth 8 ppm:-";
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe) {
        return {};
    }
    const std::string data = readAll(pipe);
    pclose(pipe);
    return parsePpm(data);
}

void sendKey(const XServer& server, const std::string& window, const std::string& key) {
    server.run("xdotool key --window " + window + " " + key);
}

void movePointer(const XServer& server, const std::string& window, int x, int y) {
    server.run("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
               std::to_string(y));
}

void click(const XServer& server, const std::string& window, int x, int y) {
    movePointer(server, window, x, y);
    sleepMilliseconds(50);
    server.run("xdotool mousedown 1");
    sleepMilliseconds(50);
    server.run("xdotool mouseup 1");
}

void drag(const XServer& server, const std::string& window, int x0, int y0, int x1, int y1,
          int steps) {
    movePointer(server, window, x0, y0);
    sleepMilliseconds(50);
    server.run("xdotool mousedown 1");
    for (int i = 1; i <= steps; ++i) {
        sleepMilliseconds(30);
        movePointer(server, window, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
    }
    sleepMilliseconds(300); // rest, so the release leaves nothing spinning
    server.run("xdotool mouseup 1");
}

} // namespace tessivo::testing
