#include "scene/scene.h"

#include "math/draw_helpers.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "scene/view_projection.h"

#include <GL/glu.h>
#include <utility>

namespace tessivo {

std::array<int, 3> backgroundColour = startBackgroundColour;

namespace {

constexpr int selectionBufferSize = 512;
constexpr double pickRegionPixels = 5.0;

} // namespace

Scene::Scene(const std::string& identifier) : Scene(identifier, {identifier, identifier, {}, {}}) {}

Scene::Scene(const std::string& identifier, SceneWording wording)
    : identifier(identifier), wording(std::move(wording)), panel(std::make_unique<WidgetPanel>()) {
    SceneRegistry::instance().registerScene(this);
}

Scene::~Scene() {
    SceneRegistry::instance().unregisterScene(this);
}

std::string Scene::menuTitle() const {
    if (caption) {
        return caption->title;
    }
    return overlaySettings().englishTitles ? englishTitle() : title();
}

std::string Scene::helpLine() const {
    if (caption) {
        return caption->help;
    }
    return overlaySettings().englishTitles ? englishHelp() : help();
}

void Scene::resetToStart() {
    panel->reset();
    rotation()->resetToStart();
}

double Scene::viewFloorPixels() const {
    return panel->viewFloor * overlaySettings().scale;
}

void Scene::onSwitch() {
    panel->closePinned();
}

void Scene::reshape(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    multiplyViewProjection(width, height, viewFloorPixels());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Scene::initGL() {
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 1.0f);
    // Runs with the identity modelview, so the light sits at (0, 10, 10) in eye coordinates:
    // above the viewer and behind, the object lying ahead along -z.
    setLight(GL_LIGHT0, GL_POSITION, 0, 10, 10);
    setLight(GL_LIGHT0, GL_AMBIENT, 0.3, 0.3, 0.3);
    setLight(GL_LIGHT0, GL_DIFFUSE, 0.8, 0.8, 0.8);
    setLight(GL_LIGHT0, GL_SPECULAR, 0.8, 0.8, 0.8);
}

void Scene::clear() {
    constexpr double perChannel = 1.0 / 255.0;
    glClearColor(static_cast<GLclampf>(backgroundColour[0] * perChannel),
                 static_cast<GLclampf>(backgroundColour[1] * perChannel),
                 static_cast<GLclampf>(backgroundColour[2] * perChannel), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

PointerHandler* Scene::target(const Vec2& p) {
    if (PointerHandler* handler = panel->target(p)) {
        return handler;
    }
    return rotation();
}

int Scene::pick(const Vec2& p) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLuint buffer[selectionBufferSize];
    glSelectBuffer(selectionBufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(unnamedPart);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The region is 5 window pixels around the pointer at any overlay scale: the parts of a
    // surface keep their size on screen when the controls grow, and a wider region would
    // reach past the part under the pointer to the borders beside it, which lie nearer.
    const Vec2 pointer = windowPointOf(p);
    gluPickMatrix(pointer.x, pointer.y, pickRegionPixels, pickRegionPixels, viewport);
    multiplyViewProjection(viewport[2], viewport[3], viewFloorPixels());
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    drawForPicking();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glFlush();

    const int hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_MODELVIEW);
    return nearestHitName(buffer, selectionBufferSize, hits);
}

void Scene::applyRotation() {
    rotation()->apply();
}

bool Scene::animating() {
    return rotation()->spinning() || panel->animating();
}

int nearestHitName(const GLuint* buffer, int bufferSize, int hits) {
    if (hits <= 0) {
        return 0;
    }
    // Each record: name count, minimum depth, maximum depth, then the names.
    GLuint bestDepth = 0;
    GLuint bestName = unnamedPart;
    bool found = false;
    int at = 0;
    for (int record = 0; record < hits; ++record) {
        if (at + 3 > bufferSize) {
            return 0;
        }
        const GLuint nameCount = buffer[at];
        const GLuint minDepth = buffer[at + 1];
        if (nameCount > static_cast<GLuint>(bufferSize - at - 3)) {
            return 0;
        }
        const GLuint name = nameCount == 0 ? unnamedPart : buffer[at + 2 + nameCount];
        if (!found || minDepth < bestDepth) {
            found = true;
            bestDepth = minDepth;
            bestName = name;
        }
        at += 3 + static_cast<int>(nameCount);
    }
    return bestName == unnamedPart ? 0 : static_cast<int>(bestName);
}

} // namespace tessivo
