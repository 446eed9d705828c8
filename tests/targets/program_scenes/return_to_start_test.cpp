#include "app/program.h"
#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"

#include <GL/glut.h>
#include <gtest/gtest.h>
#include <set>

namespace tessivo {
namespace {

std::vector<unsigned char> pictureOfCurrentScene() {
    drawFrame(*SceneRegistry::instance().current());
    std::vector<unsigned char> pixels(800 * 600 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// What a visitor does to a scene: works each of its own controls with a flick, flicks the
// object, presses around the middle (the map's regions), shows the picker and drags it.
void visit(Scene& scene, testing::FixedClock& clock) {
    auto flick = [&](int x0, int y0, int x1, int y1) {
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, x0, y0);
        for (int step = 1; step <= 4; ++step) {
            clock.advance(10);
            motionCallback(x0 + (x1 - x0) * step / 4, y0 + (y1 - y0) * step / 4);
        }
        clock.advance(5);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, x1, y1);
        clock.advance(30);
        displayCallback();
    };
    for (int k = 0; k < scene.panel->sceneControlCount(); ++k) {
        const Vec2 at = scene.panel->sceneControl(k)->position;
        const int x = static_cast<int>(at.x), y = 600 - static_cast<int>(at.y);
        flick(x + 12, y, x + 30, y - 14);
    }
    flick(400, 300, 470, 330);
    for (int dx : {-60, 0, 60}) {
        flick(400 + dx, 300, 400 + dx, 300);
    }
    keyboardCallback('s', 0, 0);
    flick(80, 80, 150, 80);
}

using ReturnToStart = testing::ProcessStateTest;

// The exhibit's promise: after any visit, the return to the start gives back, scene by scene,
// the very pictures of the start.
TEST_F(ReturnToStart, EveryProgramSceneDrawsAsAtTheStartAfterAVisit) {
    testing::ensureGlContext();
    ensureStaticObjects();
    // At 0, as when the program starts: the wheel scene's wheel stands at the end of the band.
    testing::FixedClock clock(0);
    SceneRegistry& registry = SceneRegistry::instance();
    allScenesShowList(registry);
    reshapeCallback(800, 600);
    startFirstScene();
    std::vector<std::vector<unsigned char>> atStart;
    for (int i = 0; i < registry.count(); ++i) {
        registry.setCurrent(i);
        atStart.push_back(pictureOfCurrentScene());
    }

    for (int i = registry.count() - 1; i >= 0; --i) {
        registry.setCurrent(i);
        visit(*registry.current(), clock);
    }
    EXPECT_NE(atStart.front(), pictureOfCurrentScene());
    returnToStart();
    EXPECT_EQ(registry.currentIndex(), 0);
    for (int i = 0; i < registry.count(); ++i) {
        registry.setCurrent(i);
        EXPECT_TRUE(atStart[i] == pictureOfCurrentScene()) << registry.current()->identifier;
    }
}

TEST(EnglishTitles, EverySceneHasItsOwnBesideItsCaption) {
    ensureStaticObjects();
    std::set<std::string> titles;
    for (const Scene* scene : SceneRegistry::instance().registeredScenes()) {
        const std::string english = scene->englishTitle();
        EXPECT_NE(english, scene->title()) << scene->identifier;
        EXPECT_NE(english, scene->identifier);
        titles.insert(english);
    }
    EXPECT_EQ(titles.size(), SceneRegistry::instance().registeredScenes().size());
}

} // namespace
} // namespace tessivo
