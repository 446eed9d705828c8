#include "app/bench.h"

#include "scene/clock.h"
#include "app/frame_statistics.h"
#include "app/shell.h"
#include "app/static_objects.h"
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

bool parseArguments(int argc, char** argv, int& frames, std::vector<std::string>& names) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--frames" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 1000000) {
                std::fprintf(stderr, "tessivo-bench: bad frame count '%s'\n", argv[i]);
                return false;
            }
            frames = static_cast<int>(value);
        } else if (!argument.empty() && argument[0] == '-') {
            std::fprintf(stderr, "tessivo-bench: unknown option '%s'\n", argument.c_str());
            return false;
        } else {
            names.push_back(argument);
        }
    }
    return true;
}

} // namespace

int runBench(int argc, char** argv) {
    ensureStaticObjects();
    glutInit(&argc, argv);
    int frames = 200;
    std::vector<std::string> names;
    if (!parseArguments(argc, argv, frames, names)) {
        return 2;
    }
    SceneRegistry& registry = SceneRegistry::instance();
    std::vector<Scene*> scenes;
    if (names.empty()) {
        scenes = registry.registeredScenes();
    }
    for (const std::string& name : names) {
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

    // An empty frame: the clear and the controls of the first scene, nothing in 3D.
    showOnly(*scenes.front());
    const FrameStatistics empty = summariseFrameTimes(timeFrames(frames, [&] {
        scenes.front()->clear();
        drawOverlay(*scenes.front());
    }));

    std::printf("%-18s %10s %10s %9s %8s\n", "scene", "median ms", "p95 ms", "fps", "ratio");
    std::printf("%-18s %10.3f %10.3f %9.1f %8.2f\n", "(empty frame)", empty.median,
                empty.percentile95, empty.framesPerSecond, 1.0);
    const Scene* slowest = nullptr;
    FrameStatistics slowestStatistics;
    for (Scene* scene : scenes) {
        showOnly(*scene);
        const FrameStatistics statistics =
            summariseFrameTimes(timeFrames(frames, [&] { drawFrame(*scene); }));
        const double ratio = empty.median > 0.0 ? statistics.median / empty.median : 0.0;
        std::printf("%-18s %10.3f %10.3f %9.1f %8.2f\n", scene->identifier.c_str(),
                    statistics.median, statistics.percentile95, statistics.framesPerSecond, ratio);
        if (!slowest || statistics.median > slowestStatistics.median) {
            slowest = scene;
            slowestStatistics = statistics;
        }
    }
    std::printf("slowest: %s, median %.3f ms (%.1f fps), p95 %.3f ms\n",
                slowest->identifier.c_str(), slowestStatistics.median,
                slowestStatistics.framesPerSecond, slowestStatistics.percentile95);
    return 0;
}

} // namespace tessivo
