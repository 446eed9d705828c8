#include "app/snapshot.h"

#include "app/png_file.h"
#include "app/snapshot_options.h"
#include "app/static_objects.h"
#include "scene/clock.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <set>

namespace tessivo {

namespace {

int fail(const std::string& reason) {
    std::fprintf(stderr, "tessivo-snapshot: %s\n", reason.c_str());
    return 2;
}

// The toolkit's standard options go to glutInit; everything else is ours.
void splitArguments(int argc, char** argv, std::vector<char*>& toolkit,
                    std::vector<std::string>& own) {
    static const std::set<std::string> withValue = {"-display", "-geometry"};
    static const std::set<std::string> flags = {"-iconic", "-indirect", "-direct", "-gldebug",
                                                "-sync"};
    toolkit.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (withValue.count(argv[i]) && i + 1 < argc) {
            toolkit.push_back(argv[i]);
            toolkit.push_back(argv[++i]);
        } else if (flags.count(argv[i])) {
            toolkit.push_back(argv[i]);
        } else {
            own.push_back(argv[i]);
        }
    }
    toolkit.push_back(nullptr);
}

void listScenes() {
    for (const Scene* scene : SceneRegistry::instance().registeredScenes()) {
        std::printf("%s\t%s\n", scene->identifier.c_str(), scene->title().c_str());
    }
}

} // namespace

int runSnapshot(int argc, char** argv) {
    ensureStaticObjects();
    std::vector<char*> toolkitArguments;
    std::vector<std::string> ownArguments;
    splitArguments(argc, argv, toolkitArguments, ownArguments);
    const ParsedSnapshotOptions parsed = parseSnapshotOptions(ownArguments);
    if (!parsed.options) {
        return fail(parsed.error);
    }
    const SnapshotOptions& options = *parsed.options;
    if (options.help) {
        std::printf("%s\n", snapshotUsage);
        return 0;
    }
    if (options.list) {
        listScenes();
        return 0;
    }
    Scene* scene = SceneRegistry::instance().find(options.scene);
    if (!scene) {
        return fail("unknown scene '" + options.scene + "' (--list shows the scenes)");
    }
    // Every setting is checked before a window opens or a file is touched.
    for (const ControlSetting& setting : options.settings) {
        const std::string reason = applyControlSetting(*scene, setting);
        if (!reason.empty()) {
            return fail(reason);
        }
    }
    if (options.yaw != 0.0 || options.pitch != 0.0) {
        scene->rotation()->rotateBy(options.yaw, options.pitch);
    }
    setClockForTesting(options.time);
    overlaySettings().scale = options.overlayScale;

    int toolkitCount = static_cast<int>(toolkitArguments.size()) - 1;
    glutInit(&toolkitCount, toolkitArguments.data());
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(options.width, options.height);
    glutCreateWindow("Tessivo");
    glutDisplayFunc([] {});

    const RgbImage image = renderScene(*scene, options.width, options.height, !options.noControls);
    const std::string reason = writePngFile(options.out, image);
    if (!reason.empty()) {
        return fail(reason);
    }
    return 0;
}

} // namespace tessivo
