// Renders scenes and picks in them, for comparing the program over real GL with the program
// over the web build's GL layer: this file is linked once against each. Output: one PNG per
// case in the folder, and on standard output one line "pick CASE X Y PART" per pick.
//
//   parity-probe FOLDER [CASE SCENE [snapshot options...] [--texts] [--menu-open] ;]...
//
// Every registered scene is first rendered as it starts (case "scene-ID"). Every case renders at
// 400 x 300 unless its options give a size; the window grows for a case larger than it, only
// then, since real GL's pictures at a size depend slightly on the window's size. Picks are made on
// a grid over the window after each case (a finer one on cases of the Moebius6 map).

#include "app/png_file.h"
#include "app/scene_texts.h"
#include "app/shell.h"
#include "app/snapshot.h"
#include "app/snapshot_options.h"
#include "app/static_objects.h"
#include "math/vec2.h"
#include "scene/clock.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/scene_menu.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tessivo;

struct Case {
    std::string name;
    std::vector<std::string> arguments;
};

std::vector<Case> readCases(int argc, char** argv) {
    std::vector<Case> cases;
    for (const Scene* scene : SceneRegistry::instance().registeredScenes()) {
        cases.push_back({"scene-" + scene->identifier, {scene->identifier}});
    }
    Case current;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == ";") {
            cases.push_back(current);
            current = Case();
        } else if (current.name.empty()) {
            current.name = word;
        } else {
            current.arguments.push_back(word);
        }
    }
    return cases;
}

void pickGrid(const std::string& name, Scene& scene, int width, int height, int columns, int rows) {
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const double x = (i + 0.5) * width / columns;
            const double y = (j + 0.5) * height / rows;
            std::printf("pick %s %g %g %d\n", name.c_str(), x, y, scene.pick(Vec2{x, y}));
        }
    }
}

// Grows the window to hold width x height pixels and waits until it has; false if it does not.
bool fitWindow(int width, int height) {
    const auto fits = [&] {
        return glutGet(GLUT_WINDOW_WIDTH) >= width && glutGet(GLUT_WINDOW_HEIGHT) >= height;
    };
    if (fits()) {
        return true;
    }
    glutReshapeWindow(std::max(width, glutGet(GLUT_WINDOW_WIDTH)),
                      std::max(height, glutGet(GLUT_WINDOW_HEIGHT)));
    for (int attempt = 0; attempt < 2000 && !fits(); ++attempt) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // The driver takes the drawable's new size from the next frame on.
    glutSwapBuffers();
    return fits();
}

// The probe's own words among a case's options: --texts draws the scene's title and help as
// the exhibition program does, --menu-open shows the scene menu unfolded.
struct ProbeExtras {
    bool texts = false;
    bool menuOpen = false;
};

void drawTextsWithHelp(const Scene& scene) {
    drawSceneTexts(scene, 1.0);
}

int runCase(const std::string& folder, const Case& c) {
    std::vector<std::string> arguments = {"--scene", c.arguments.at(0), "--out",
                                          "unused",  "--size",          "400x300"};
    ProbeExtras extras;
    for (auto word = c.arguments.begin() + 1; word != c.arguments.end(); ++word) {
        if (*word == "--texts") {
            extras.texts = true;
        } else if (*word == "--menu-open") {
            extras.menuOpen = true;
        } else {
            arguments.push_back(*word);
        }
    }
    const ParsedSnapshotOptions parsed = parseSnapshotOptions(arguments);
    Scene* scene = parsed.options ? SceneRegistry::instance().find(parsed.options->scene) : nullptr;
    if (!scene) {
        std::fprintf(stderr, "parity-probe: case %s: %s\n", c.name.c_str(), parsed.error.c_str());
        return 1;
    }
    const SnapshotOptions& options = *parsed.options;
    for (const ControlSetting& setting : options.settings) {
        applyControlSetting(*scene, setting);
    }
    scene->rotation()->rotateBy(options.yaw, options.pitch);
    setClockForTesting(options.time);
    overlaySettings().scale = options.overlayScale;
    if (!fitWindow(options.width, options.height)) {
        std::fprintf(stderr, "parity-probe: case %s: the window does not grow to %dx%d\n",
                     c.name.c_str(), options.width, options.height);
        return 1;
    }
    shellState().drawTexts = extras.texts ? drawTextsWithHelp : nullptr;
    SceneMenu* menu = extras.menuOpen ? scene->panel->sceneMenu : nullptr;
    if (menu) {
        menu->openness = 1.0;
        menu->direction = 1.0;
    }
    const RgbImage image = renderScene(*scene, options.width, options.height);
    shellState().drawTexts = nullptr;
    if (menu) {
        menu->openness = 0.0;
        menu->close();
    }
    if (!writePngFile(folder + "/" + c.name + ".png", image).empty()) {
        return 1;
    }
    const bool map = options.scene == "Moebius6";
    if (!map && c.name != "scene-" + options.scene) {
        return 0;
    }
    pickGrid(c.name, *scene, options.width, options.height, map ? 24 : 8, map ? 18 : 6);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: parity-probe FOLDER [CASE SCENE [options...] ;]...\n");
        return 2;
    }
    ensureStaticObjects();
    int toolkitCount = 1;
    glutInit(&toolkitCount, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(640, 480);
    glutCreateWindow("Tessivo");
    glutDisplayFunc([] {});
    for (const Case& c : readCases(argc, argv)) {
        if (runCase(argv[1], c) != 0) {
            return 1;
        }
    }
    return 0;
}
