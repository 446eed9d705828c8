#include "app/bench.h"

#include "app/frame_statistics.h"
#include "app/heap_trim.h"
#include "app/round_statistics.h"
#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/clock.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tessivo {

namespace {

constexpr int benchWidth = 800;
constexpr int benchHeight = 600;
constexpr int warmUpFrames = 5;

struct BenchOptions {
    int frames = 200;
    int rounds = 5;
    std::vector<std::string> names;
};

// Makes scene the current one and gives it the bench window's view.
void showOnly(Scene& scene) {
    SceneRegistry& registry = SceneRegistry::instance();
    registry.clearShowList();
    registry.appendToShowList(scene.identifier);
    reshapeCallback(benchWidth, benchHeight);
    scene.initGL();
}

// Times frames drawn by draw(): from the start of the frame until GL has finished it; the swap
// and the toolkit's event handling stay outside the measurement.
template <class Draw> std::vector<double> timeFrames(int frames, Draw draw) {
    std::vector<double> times;
    for (int i = -warmUpFrames; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        draw();
        glFinish();
        const auto end = std::chrono::steady_clock::now();
        glutSwapBuffers();
        glutMainLoopEvent();
        if (i >= 0) {
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    return times;
}

// Reads a whole number in [1, 1000000] for option, or says what is wrong with it.
bool parseCount(const char* option, const char* text, int& count) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1 || value > 1000000) {
        std::fprintf(stderr, "tessivo-bench: bad %s '%s'\n", option, text);
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

bool parseArguments(int argc, char** argv, BenchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--frames" && i + 1 < argc) {
            if (!parseCount("frame count", argv[++i], options.frames)) {
                return false;
            }
        } else if (argument == "--rounds" && i + 1 < argc) {
            if (!parseCount("round count", argv[++i], options.rounds)) {
                return false;
            }
        } else if (!argument.empty() && argument[0] == '-') {
            std::fprintf(stderr, "tessivo-bench: unknown option '%s'\n", argument.c_str());
            return false;
        } else {
            options.names.push_back(argument);
        }
    }
    return true;
}

// Frame times of the empty frame (first) and of every scene, round after round: each round
// measures them all in turn, so a spell of load on the machine falls on every scene alike
// rather than on the ones measured while it lasted.
std::vector<std::vector<FrameStatistics>> measureRounds(const BenchOptions& options,
                                                        const std::vector<Scene*>& scenes) {
    std::vector<std::vector<FrameStatistics>> rounds(scenes.size() + 1);
    Scene& first = *scenes.front();
    for (int round = 0; round < options.rounds; ++round) {
        // An empty frame: the clear and the controls of the first scene, nothing in 3D.
        showOnly(first);
        rounds[0].push_back(summariseFrameTimes(timeFrames(options.frames, [&] {
            first.clear();
            drawOverlay(first);
        })));
        for (std::size_t i = 0; i < scenes.size(); ++i) {
            Scene& scene = *scenes[i];
            showOnly(scene);
            rounds[i + 1].push_back(
                summariseFrameTimes(timeFrames(options.frames, [&] { drawFrame(scene); })));
        }
    }
    return rounds;
}

void printRow(const std::string& name, const RoundStatistics& statistics, double emptyMedian) {
    const double ratio = emptyMedian > 0.0 ? statistics.median / emptyMedian : 0.0;
    std::printf("%-18s %10.3f %9.3f %9.3f %10.3f %9.1f %8.2f\n", name.c_str(), statistics.median,
                statistics.lowest, statistics.highest, statistics.percentile95,
                statistics.framesPerSecond, ratio);
}

// Per scene: the median over the rounds, the lowest and highest round, the median 95th
// percentile, frames per second at the median, and the ratio to the empty frame's median; then
// the slowest scene.
void printTable(const BenchOptions& options, const std::vector<Scene*>& scenes,
                const std::vector<std::vector<FrameStatistics>>& rounds) {
    std::printf("%d rounds of %d frames per scene at %d x %d\n", options.rounds, options.frames,
                benchWidth, benchHeight);
    std::printf("%-18s %10s %9s %9s %10s %9s %8s\n", "scene", "median ms", "lowest", "highest",
                "p95 ms", "fps", "ratio");
    const RoundStatistics empty = summariseRounds(rounds[0]);
    printRow("(empty frame)", empty, empty.median);
    std::size_t slowest = 0;
    RoundStatistics slowestStatistics;
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        const RoundStatistics statistics = summariseRounds(rounds[i + 1]);
        printRow(scenes[i]->identifier, statistics, empty.median);
        if (i == 0 || statistics.median > slowestStatistics.median) {
            slowest = i;
            slowestStatistics = statistics;
        }
    }
    std::printf("slowest: %s, median %.3f ms (%.1f fps), p95 %.3f ms\n",
                scenes[slowest]->identifier.c_str(), slowestStatistics.median,
                slowestStatistics.framesPerSecond, slowestStatistics.percentile95);
}

} // namespace

int runBench(int argc, char** argv) {
    keepHeapHeadroom(); // frames are timed with the allocator the program has
    ensureStaticObjects();
    glutInit(&argc, argv);
    BenchOptions options;
    if (!parseArguments(argc, argv, options)) {
        return 2;
    }
    SceneRegistry& registry = SceneRegistry::instance();
    std::vector<Scene*> scenes;
    if (options.names.empty()) {
        scenes = registry.registeredScenes();
    }
    for (const std::string& name : options.names) {
        Scene* scene = registry.find(name);
        if (!scene) {
            std::fprintf(stderr, "tessivo-bench: unknown scene '%s'\n", name.c_str());
            return 2;
        }
        scenes.push_back(scene);
    }
    if (scenes.empty()) {
        std::fprintf(stderr, "tessivo-bench: no scenes to measure\n");
        return 2;
    }

    startToolkitClock();
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(benchWidth, benchHeight);
    glutCreateWindow("Tessivo");
    glutDisplayFunc([] {});

    printTable(options, scenes, measureRounds(options, scenes));
    return 0;
}

} // namespace tessivo
