#include "app/shell.h"

#include "app/gl_errors.h"
#include "app/heap_trim.h"
#include "math/draw_helpers.h"
#include "scene/clock.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "scene/view_projection.h"
#include "ui/pointer_handler.h"

#include <GL/glut.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessivo {

namespace {

constexpr int flingWindowMs = 100;
constexpr unsigned char escapeKey = 27;

// Whole overlay units, as every control expects: a slider moves by whole units of the pointer's
// travel, so fractions would make slow drags go nowhere.
Vec2 overlayPoint(int x, int y) {
    const double scale = overlaySettings().scale;
    return {std::floor(x / scale), std::floor((shellState().windowHeight - y) / scale)};
}

// The first frame at a new window size or with another scene has replaced the driver's and the
// scene's blocks for the old ones; their pages go back to the system once, not every frame.
void returnFreePagesAfterAChange(const Scene* scene) {
    ShellState& shell = shellState();
    if (shell.windowWidth == shell.trimmedWidth && shell.windowHeight == shell.trimmedHeight &&
        scene == shell.trimmedScene) {
        return;
    }
    returnFreeHeapPages();
    shell.trimmedWidth = shell.windowWidth;
    shell.trimmedHeight = shell.windowHeight;
    shell.trimmedScene = scene;
}

void stepScene(int step) {
    SceneRegistry& registry = SceneRegistry::instance();
    const int next = registry.currentIndex() + step;
    if (next >= 0 && next < registry.count()) {
        registry.setCurrent(next);
    }
}

} // namespace

ShellState& shellState() {
    static ShellState state;
    return state;
}

void drawOverlay(Scene& scene) {
    const ShellState& shell = shellState();
    if (shell.windowWidth <= 0 || shell.windowHeight <= 0) {
        return; // a window without area shows nothing, and has no valid pixel projection
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const double scale = overlaySettings().scale;
    glOrtho(0, shell.windowWidth / scale, 0, shell.windowHeight / scale, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    glPushAttrib(GL_LINE_BIT);
    glLineWidth(static_cast<GLfloat>(scale));
    if (shell.drawTexts) {
        shell.drawTexts(scene);
    }
    scene.panel->draw();
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void drawView(Scene& scene) {
    scene.clear();
    resetMaterial();
    scene.display();
}

void drawFrame(Scene& scene) {
    if (const auto viewBegins = shellState().viewBegins) {
        viewBegins();
    }
    drawView(scene);
    if (const auto viewDrawn = shellState().viewDrawn) {
        viewDrawn();
    }
    drawOverlay(scene);
}

void displayCallback() {
    Scene* scene = currentScene();
    if (!scene) {
        return;
    }
    drawFrame(*scene);
    reportFrameGlErrors(scene->identifier);
    glutSwapBuffers();
    returnFreePagesAfterAChange(scene);
}

void reshapeCallback(int width, int height) {
    ShellState& shell = shellState();
    shell.windowWidth = width;
    shell.windowHeight = height;
    glViewport(0, 0, width, height);
    if (shell.overlayFollowsHeight) {
        overlaySettings().scale = overlayScaleForWindow(width, height);
    }
    if (Scene* scene = currentScene()) {
        scene->panel->layout(overlayUnits(width), overlayUnits(height));
        scene->reshape(width, height);
    }
}

void refreshHover() {
    Scene* scene = currentScene();
    if (!scene) {
        return;
    }
    ShellState& shell = shellState();
    PointerHandler* handler = scene->target(shell.pointerPosition);
    if (handler == shell.hoveredHandler) {
        return;
    }
    if (shell.hoveredHandler) {
        shell.hoveredHandler->onLeave();
    }
    shell.hoveredHandler = handler;
    if (handler) {
        handler->onEnter();
    }
}

void mouseCallback(int button, int state, int x, int y) {
    // The toolkit reports each notch of a mouse wheel as a press and a release of a button
    // beyond the three real ones (3 and 4, 5 and 6 sideways): a notch is not a click.
    if (button != GLUT_LEFT_BUTTON && button != GLUT_MIDDLE_BUTTON && button != GLUT_RIGHT_BUTTON) {
        return;
    }
    ShellState& shell = shellState();
    shell.pointerPosition = overlayPoint(x, y);
    if (state == GLUT_DOWN) {
        refreshHover();
        if (shell.hoveredHandler) {
            shell.hoveredHandler->onPress(shell.pointerPosition);
        }
        shell.motionTrail.clear();
        shell.motionTrail.push_back(trailSample(shell.pointerPosition, wallClockMilliseconds()));
    } else if (state == GLUT_UP) {
        if (shell.hoveredHandler) {
            shell.hoveredHandler->onRelease(shell.pointerPosition);
        }
        const auto velocity = trailVelocity(shell.motionTrail, shell.pointerPosition,
                                            wallClockMilliseconds(), flingWindowMs);
        if (velocity && shell.hoveredHandler) {
            constexpr double millisecondsPerSecond = 1000.0;
            shell.hoveredHandler->onFling(shell.pointerPosition, millisecondsPerSecond * *velocity);
        }
    }
}

void passiveMotionCallback(int x, int y) {
    ShellState& shell = shellState();
    shell.pointerPosition = overlayPoint(x, y);
    refreshHover();
    if (shell.hoveredHandler) {
        shell.hoveredHandler->onMove(shell.pointerPosition);
    }
}

void motionCallback(int x, int y) {
    // No hover refresh during a drag: the handler that took the press keeps the pointer until
    // the release, wherever it goes.
    ShellState& shell = shellState();
    shell.pointerPosition = overlayPoint(x, y);
    if (shell.hoveredHandler) {
        shell.hoveredHandler->onDrag(shell.pointerPosition);
    }
    appendTrailSample(shell.motionTrail,
                      trailSample(shell.pointerPosition, wallClockMilliseconds()), flingWindowMs);
    if (!shell.pacedFrames) {
        glutPostRedisplay();
    }
}

void idleCallback() {
    glutPostRedisplay();
}

void cancelPress() {
    ShellState& shell = shellState();
    Scene* scene = currentScene();
    if (!shell.hoveredHandler || !scene) {
        return;
    }
    // Left of the window and below it, beyond every control.
    const Vec2 outside{-1.0e6, -1.0e6};
    RotationController* rotation = scene->rotation();
    const Vec2 spin = rotation->spin;
    shell.hoveredHandler->onRelease(outside);
    rotation->spin = spin;
    shell.motionTrail.clear();
}

void zoomView(double factor) {
    setViewZoom(viewSettings().zoom * factor);
}

void setViewZoom(double zoom) {
    viewSettings().zoom = std::clamp(zoom, smallestZoom, largestZoom);
    const ShellState& shell = shellState();
    if (Scene* scene = currentScene()) {
        scene->reshape(shell.windowWidth, shell.windowHeight);
    }
}

void returnToStart() {
    SceneRegistry& registry = SceneRegistry::instance();
    for (Scene* scene : registry.registeredScenes()) {
        scene->resetToStart();
    }
    backgroundColour = startBackgroundColour;
    registry.setCurrent(0);
    if (viewSettings().zoom != 1.0) {
        setViewZoom(1.0);
    }
    ShellState& shell = shellState();
    shell.hoveredHandler = nullptr;
    shell.motionTrail.clear();
}

void keyboardCallback(unsigned char key, int /*x*/, int /*y*/) {
    if (key == escapeKey) {
        std::exit(0);
    }
    if (key == 'S' || key == 's') {
        Scene* scene = currentScene();
        if (scene && scene->panel->colourPicker) {
            scene->panel->colourPicker->hidden = !scene->panel->colourPicker->hidden;
        }
    }
}

void specialCallback(int key, int /*x*/, int /*y*/) {
    switch (key) {
    case GLUT_KEY_F1:
    case GLUT_KEY_F2:
    case GLUT_KEY_F3:
        std::exit(0);
    case GLUT_KEY_LEFT:
    case GLUT_KEY_PAGE_UP:
        stepScene(-1);
        break;
    case GLUT_KEY_RIGHT:
    case GLUT_KEY_PAGE_DOWN:
        stepScene(+1);
        break;
    default:
        break;
    }
}

} // namespace tessivo
