#include "app/program.h"

#include "app/heap_trim.h"
#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/clock.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"

#include <GL/glut.h>

namespace tessivo {

void fixedShowList(SceneRegistry& registry) {
    registry.buildShowList();
}

void allScenesShowList(SceneRegistry& registry) {
    registry.clearShowList();
    for (Scene* scene : registry.registeredScenes()) {
        registry.appendToShowList(scene->identifier);
    }
}

void startFirstScene() {
    // The stored size is still 0 x 0 here; the first reshape callback, which the toolkit
    // delivers before the first display, sets the real projection.
    if (Scene* scene = currentScene()) {
        scene->reshape(shellState().windowWidth, shellState().windowHeight);
        scene->initGL();
    }
}

void registerShellCallbacks() {
    glutDisplayFunc(displayCallback);
    glutReshapeFunc(reshapeCallback);
    glutMouseFunc(mouseCallback);
    glutPassiveMotionFunc(passiveMotionCallback);
    glutMotionFunc(motionCallback);
    glutIdleFunc(idleCallback);
    glutKeyboardFunc(keyboardCallback);
    glutSpecialFunc(specialCallback);
}

int runProgram(int argc, char** argv, ShowListBuilder buildShowList) {
    keepHeapHeadroom();
    ensureStaticObjects();
    glutInit(&argc, argv);
    startToolkitClock();
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Tessivo");
    registerShellCallbacks();

    buildShowList(SceneRegistry::instance());
    startFirstScene();
    glutMainLoop();
    return 0;
}

} // namespace tessivo
