#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::TestScene;

// A hidden control standing in for the panel's colour picker.
class PickerStandIn : public Widget {
public:
    void draw() override {}
};

TEST(SceneRegistry, FirstRegistrationOfAnIdentifierWins) {
    SceneRegistry registry;
    TestScene first("same"), second("same"), other("other");
    registry.registerScene(&first);
    registry.registerScene(&second);
    registry.registerScene(&other);
    EXPECT_EQ(registry.find("same"), &first);
    EXPECT_EQ(registry.find("missing"), nullptr);
    ASSERT_EQ(registry.registeredScenes().size(), 2u);
    EXPECT_EQ(registry.registeredScenes()[0], &first);
    EXPECT_EQ(registry.registeredScenes()[1], &other);
}

TEST(SceneRegistry, ScenesRegisterThemselvesUnderTheirIdentifier) {
    TestScene scene("registered-by-constructor");
    EXPECT_EQ(SceneRegistry::instance().find("registered-by-constructor"), &scene);
}

TEST(SceneRegistry, ShowListSkipsUnknownIdentifiersAndMayRepeatAScene) {
    SceneRegistry registry;
    TestScene a("a"), b("b");
    registry.registerScene(&a);
    registry.registerScene(&b);
    registry.appendToShowList("b");
    registry.appendToShowList("nobody");
    registry.appendToShowList("a");
    registry.appendToShowList("b");
    ASSERT_EQ(registry.count(), 3);
    EXPECT_EQ(registry.sceneAt(0), &b);
    EXPECT_EQ(registry.sceneAt(1), &a);
    EXPECT_EQ(registry.sceneAt(2), &b);
    EXPECT_EQ(registry.sceneAt(-1), nullptr);
    EXPECT_EQ(registry.sceneAt(3), nullptr);
    EXPECT_EQ(registry.currentIndex(), 0);
    EXPECT_EQ(registry.current(), &b);
}

TEST(SceneRegistry, FixedShowListHoldsTheFourKleinScenesInOrder) {
    SceneRegistry registry;
    TestScene k5("KleinBottle5"), k1("KleinBottle1"), other("Moebius"), k4("KleinBottle4"),
        k3("KleinBottle3");
    for (Scene* scene :
         {static_cast<Scene*>(&k5), static_cast<Scene*>(&k1), static_cast<Scene*>(&other),
          static_cast<Scene*>(&k4), static_cast<Scene*>(&k3)}) {
        registry.registerScene(scene);
    }
    registry.buildShowList();
    ASSERT_EQ(registry.count(), 4);
    EXPECT_EQ(registry.sceneAt(0), &k1);
    EXPECT_EQ(registry.sceneAt(1), &k3);
    EXPECT_EQ(registry.sceneAt(2), &k4);
    EXPECT_EQ(registry.sceneAt(3), &k5);
}

TEST(SceneRegistry, EmptyShowListHasNoCurrentScene) {
    SceneRegistry registry;
    EXPECT_EQ(registry.count(), 0);
    EXPECT_EQ(registry.current(), nullptr);
    registry.setCurrent(0);
    EXPECT_EQ(registry.currentIndex(), 0);
}

class SceneRegistrySwitching : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        for (TestScene* scene : {&a, &b, &c}) {
            registry.registerScene(scene);
            registry.appendToShowList(scene->identifier);
            scene->panel->colourPicker = scene->panel->add(std::make_unique<PickerStandIn>());
            scene->panel->colourPicker->hidden = false;
            scene->panel->colourPicker->offset = {80, -80};
            scene->panel->colourPicker->anchor = TopLeft;
        }
    }
    TestScene a{"a"}, b{"b"}, c{"c"};
    SceneRegistry registry;
};

TEST_F(SceneRegistrySwitching, SwitchPreparesTheNewSceneForTheCurrentViewport) {
    glViewport(0, 0, 640, 480);
    registry.setCurrent(2);
    EXPECT_EQ(registry.current(), &c);
    EXPECT_EQ(a.switches, 1);
    EXPECT_EQ(c.switches, 1);
    EXPECT_EQ(b.switches, 0);
    EXPECT_EQ(c.reshapes, 1);
    EXPECT_EQ(c.lastReshape, std::make_pair(640, 480));
    EXPECT_EQ(c.initialisations, 1);
    EXPECT_EQ(c.panel->colourPicker->position, (Vec2{80, 400}));
    EXPECT_TRUE(c.panel->colourPicker->hidden);
}

TEST_F(SceneRegistrySwitching, SwitchToTheCurrentOrAnOutsideIndexDoesNothing) {
    for (int i : {0, -1, 3, 100}) {
        registry.setCurrent(i);
    }
    EXPECT_EQ(registry.currentIndex(), 0);
    EXPECT_EQ(a.switches, 0);
    EXPECT_EQ(a.reshapes, 0);
    EXPECT_FALSE(a.panel->colourPicker->hidden);
}

TEST(SceneRegistry, ADestroyedSceneIsForgotten) {
    SceneRegistry& registry = SceneRegistry::instance();
    {
        TestScene shortLived("short-lived");
        registry.appendToShowList("short-lived");
        EXPECT_EQ(registry.count(), 1);
    }
    EXPECT_EQ(registry.find("short-lived"), nullptr);
    EXPECT_EQ(registry.count(), 0);
    EXPECT_EQ(registry.current(), nullptr);
}

} // namespace
} // namespace tessivo
