// A randomized soak of the real program, driven from outside like a crowd of visitors: pointer
// moves, presses, drags and quick flicks on every control of every scene and on empty space,
// the keys (every step key, S, letters and unused special keys), and window resizes from 1 x 1
// up to 2000 x 1500, all from a fixed seed. At the end Escape must end the program with status
// 0, with no sanitizer report and no GL error on its standard error, and the window must have
// kept redrawing.
//
//   tessivo_soak --program PATH [--seconds N] [--seed S] [--memory yes]
//
// --memory yes first shows every scene in the largest and the smallest window, then samples the
// program's resident memory every 10 seconds, and fails if the last minute's mean exceeds the
// second minute's by more than 4 MiB.

#include "app/static_objects.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "surfaces/moebius/strip_model.h"
#include "surfaces/moebius/wheel_button.h"
#include "tests/support/resident_memory.h"
#include "tests/support/x_session.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace tessivo;
using namespace tessivo::testing;

namespace {

struct Options {
    std::string program;
    int seconds = 60;
    unsigned seed = 20261208;
    bool memory = false;
};

struct Counts {
    long events = 0;
    long batches = 0;
    int resizes = 0;
    std::set<int> scenesVisited;
    std::set<std::size_t> distinctScreens;
    std::vector<std::pair<int, long>> residentKib; // seconds since start, VmRSS
};

std::size_t pictureHash(const Image& picture) {
    std::size_t hash = 1469598103934665603ull;
    for (unsigned char byte : picture.rgb) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    return hash;
}

class Soak {
public:
    Soak(const Options& options, XServer& server, Program& program, std::string window)
        : options(options), server(server), program(program), window(std::move(window)),
          random(options.seed) {
        ensureStaticObjects();
        sceneCount = static_cast<int>(SceneRegistry::instance().registeredScenes().size());
    }

    bool run() {
        if (options.memory) {
            warmUp();
        }
        const auto start = std::chrono::steady_clock::now();
        const auto deadline = start + std::chrono::seconds(options.seconds);
        auto nextScreenshot = start;
        auto nextSample = start;
        int scene = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            visit(scene);
            for (int burst = 0; burst < 8 && std::chrono::steady_clock::now() < deadline; ++burst) {
                batch(scene);
                if (!program.running()) {
                    std::fprintf(stderr, "soak: the program ended during the soak\n");
                    return false;
                }
                const auto now = std::chrono::steady_clock::now();
                if (now >= nextScreenshot) {
                    counts.distinctScreens.insert(pictureHash(screenshot(server, window)));
                    nextScreenshot = now + std::chrono::seconds(5);
                }
                if (options.memory && now >= nextSample) {
                    // Sampled in a window of one size: the driver's buffers follow the
                    // window's size, by tens of megabytes between 1 x 1 and 2000 x 1500.
                    setWindowSize(800, 600);
                    sleepMilliseconds(300);
                    const int elapsed = static_cast<int>(
                        std::chrono::duration_cast<std::chrono::seconds>(now - start).count());
                    counts.residentKib.emplace_back(elapsed, residentKib(program.processId()));
                    nextSample = now + std::chrono::seconds(10);
                }
            }
            scene = (scene + 1) % sceneCount;
        }
        return true;
    }

    Counts counts;

private:
    // Shows every scene once, in the largest and the smallest window and with the most wheels,
    // before memory is measured: the program's caches and the driver's buffers grow to what the
    // largest window and the biggest frame of each scene need, and stay there.
    void warmUp() {
        for (int k = 0; k < sceneCount; ++k) {
            visit(k);
            batch(k);
            addEveryWheel(k);
            for (const auto& [w, h] :
                 {std::pair{2000, 1500}, std::pair{1, 1}, std::pair{800, 600}}) {
                setWindowSize(w, h);
                sleepMilliseconds(200);
            }
        }
    }

    // Clicks the plus button of the wheel scene until the band carries all the wheels it can.
    void addEveryWheel(int k) {
        Scene* scene = SceneRegistry::instance().registeredScenes()[static_cast<std::size_t>(k)];
        scene->panel->layout(width, height);
        for (const auto& widget : scene->panel->widgets) {
            auto* button = dynamic_cast<const WheelButton*>(widget.get());
            if (button && button->action == WheelButton::Action::Add) {
                const std::string times = std::to_string(StripModel::maximumWheels);
                server.run("xdotool" +
                           move({static_cast<int>(button->position.x),
                                 height - static_cast<int>(button->position.y)}) +
                           " click --repeat " + times + " --delay 5 1");
                counts.events += static_cast<long>(StripModel::maximumWheels);
            }
        }
    }

    // Back to the first scene with Page Up, then forward to scene k with Page Down.
    void visit(int k) {
        std::string keys;
        for (int i = 0; i < sceneCount; ++i) {
            keys += " Prior";
        }
        for (int i = 0; i < k; ++i) {
            keys += " Next";
        }
        server.run("xdotool key --window " + window + keys + " 2>/dev/null");
        counts.events += sceneCount + k;
        counts.scenesVisited.insert(k);
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // A point on one of scene k's controls (in window coordinates, y down), or anywhere.
    std::pair<int, int> target(int k) {
        Scene* scene = SceneRegistry::instance().registeredScenes()[static_cast<std::size_t>(k)];
        if (pick(0, 9) < 6 && !scene->panel->widgets.empty()) {
            scene->panel->layout(width, height);
            const auto& widgets = scene->panel->widgets;
            const Vec2 at =
                widgets[static_cast<std::size_t>(pick(0, widgets.size() - 1))]->position;
            return {static_cast<int>(at.x) + pick(-12, 12),
                    height - static_cast<int>(at.y) + pick(-12, 12)};
        }
        return {pick(-20, width + 20), pick(-20, height + 20)};
    }

    std::string move(std::pair<int, int> at) {
        ++counts.events;
        return " mousemove --window " + window + " " + std::to_string(at.first) + " " +
               std::to_string(at.second);
    }

    // Several actions in one xdotool call, then a short pause for frames to be drawn.
    void batch(int k) {
        std::string commands;
        for (int action = 0; action < 6; ++action) {
            const int kind = pick(0, 99);
            if (kind < 25) {
                commands += move(target(k));
            } else if (kind < 45) {
                commands += move(target(k)) + " click 1";
                ++counts.events;
            } else if (kind < 75) {
                // A drag; without pauses between its moves it ends as a quick flick.
                auto at = target(k);
                commands += move(at) + " mousedown 1";
                const int steps = pick(1, 8);
                const int dx = pick(-40, 40), dy = pick(-40, 40);
                for (int s = 0; s < steps; ++s) {
                    at.first += dx;
                    at.second += dy;
                    commands += move(at);
                    if (pick(0, 1)) {
                        commands += " sleep 0.02";
                    }
                }
                commands += " mouseup 1";
                counts.events += 2;
            } else if (kind < 93) {
                static const char* keys[] = {
                    "Right", "Left",   "Next", "Prior",     "s",      "S",    "a",   "q",      "z",
                    "space", "Return", "Tab",  "Up",        "Down",   "Home", "End", "Insert", "F4",
                    "F5",    "F9",     "F12",  "BackSpace", "Delete", "1",    "0"};
                commands += " key --window " + window + " " + keys[pick(0, 24)];
                ++counts.events;
            } else {
                resize();
            }
        }
        server.run("xdotool" + commands + " 2>/dev/null");
        ++counts.batches;
        sleepMilliseconds(pick(10, 60));
    }

    void resize() {
        static const std::pair<int, int> sizes[] = {{1, 1},    {2000, 1500}, {800, 600},
                                                    {37, 900}, {1024, 768},  {640, 1}};
        const auto size =
            pick(0, 3) == 0 ? sizes[pick(0, 5)] : std::pair<int, int>{pick(1, 2000), pick(1, 1500)};
        setWindowSize(size.first, size.second);
    }

    void setWindowSize(int w, int h) {
        server.run("xdotool windowsize " + window + " " + std::to_string(w) + " " +
                   std::to_string(h));
        width = w;
        height = h;
        ++counts.resizes;
        ++counts.events;
    }

    const Options& options;
    XServer& server;
    Program& program;
    std::string window;
    std::mt19937 random;
    int sceneCount = 0;
    int width = 800, height = 600;
};

int countLines(const std::string& text, const std::string& what) {
    int count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        count += line.find(what) != std::string::npos;
    }
    return count;
}

// The mean of the samples taken from second from to second to (exclusive); 0 if none.
double meanResident(const std::vector<std::pair<int, long>>& samples, int from, int to) {
    double sum = 0;
    int count = 0;
    for (const auto& [second, kib] : samples) {
        if (second >= from && second < to) {
            sum += static_cast<double>(kib);
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--program") {
            options.program = argv[i + 1];
        } else if (name == "--seconds") {
            options.seconds = std::atoi(argv[i + 1]);
        } else if (name == "--seed") {
            options.seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        } else if (name == "--memory") {
            options.memory = std::string(argv[i + 1]) == "yes";
        } else {
            return false;
        }
    }
    return !options.program.empty() && options.seconds > 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: tessivo_soak --program PATH [--seconds N] [--seed S] "
                             "[--memory yes]\n");
        return 2;
    }
    XServer server;
    if (server.display().empty()) {
        std::fprintf(stderr, "soak: could not start Xvfb\n");
        return 1;
    }
    Program program(server, options.program);
    const std::string window = waitForWindow(server, "Tessivo", 30000);
    if (window.empty()) {
        std::fprintf(stderr, "soak: no window appeared\n%s", program.standardError().c_str());
        return 1;
    }
    server.run("xdotool windowmove " + window + " 0 0");
    Soak soak(options, server, program, window);
    bool ok = soak.run();

    server.run("xdotool windowsize " + window + " 800 600");
    sleepMilliseconds(300);
    server.run("xdotool key --window " + window + " Escape 2>/dev/null");
    const auto code = program.waitForExit(60000);
    const std::string errors = program.standardError();
    const int sanitizerReports = countLines(errors, "ERROR: AddressSanitizer") +
                                 countLines(errors, "ERROR: LeakSanitizer") +
                                 countLines(errors, "runtime error:");
    const int glErrors = countLines(errors, "GL error");
    const Counts& c = soak.counts;

    std::printf("soak: %d s, seed %u: %ld events in %ld xdotool calls, %zu of %zu scenes "
                "visited, %d resizes, %zu distinct screens, exit status %d, %d sanitizer "
                "reports, %d GL errors\n",
                options.seconds, options.seed, c.events, c.batches, c.scenesVisited.size(),
                SceneRegistry::instance().registeredScenes().size(), c.resizes,
                c.distinctScreens.size(), code ? *code : -999, sanitizerReports, glErrors);
    if (!c.residentKib.empty()) {
        std::printf("soak: resident memory (s: KiB)");
        for (const auto& [second, kib] : c.residentKib) {
            std::printf(" %d:%ld", second, kib);
        }
        std::printf("\n");
    }
    if (!code || *code != 0 || sanitizerReports > 0 || glErrors > 0) {
        std::fprintf(stderr, "soak: the program's standard error:\n%s\n", errors.c_str());
        ok = false;
    }
    if (c.scenesVisited.size() != SceneRegistry::instance().registeredScenes().size() ||
        c.distinctScreens.size() < 2) {
        std::fprintf(stderr, "soak: not every scene visited, or the window stopped redrawing\n");
        ok = false;
    }
    if (options.memory) {
        // The means of a minute smooth out what the last few frames allocated.
        const double secondMinute = meanResident(c.residentKib, 60, 120);
        const double lastMinute =
            meanResident(c.residentKib, options.seconds - 60, options.seconds);
        std::printf("soak: mean resident memory %.0f KiB in the second minute, %.0f KiB in the "
                    "last\n",
                    secondMinute, lastMinute);
        if (secondMinute <= 0 || lastMinute - secondMinute > 4096) {
            std::fprintf(stderr, "soak: resident memory grew after the first minute\n");
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
