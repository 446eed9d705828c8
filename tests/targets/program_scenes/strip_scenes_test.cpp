// The six strip scenes that static initialisation builds: their place among the program's
// scenes, their shared rotation, and the wheel that the wheel scene adds before main.

#include "app/static_objects.h"
#include "math/angles.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/moebius/strip_scene.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using ProgramStripScenes = testing::ProcessStateTest;

TEST_F(ProgramStripScenes, RegisteredInOrderAfterTheKleinScenesSharingOneRotation) {
    ensureStaticObjects();
    const auto& registered = SceneRegistry::instance().registeredScenes();
    auto first = std::find_if(registered.begin(), registered.end(),
                              [](const Scene* s) { return s->identifier == "Moebius"; });
    ASSERT_NE(first, registered.end());
    // Rows 2 to 5 of the program's table, the Klein scenes, come first.
    ASSERT_GE(first - registered.begin(), 4);
    EXPECT_EQ(first[-1]->identifier, "KleinBottle5");
    const StripSceneKind kinds[] = {StripSceneKind::SquareToBand, StripSceneKind::Wheels,
                                    StripSceneKind::CutInTwo,     StripSceneKind::Sliding,
                                    StripSceneKind::CutInThree,   StripSceneKind::Map};
    for (int i = 0; i < 6; ++i) {
        ASSERT_LT(first + i, registered.end());
        auto* scene = dynamic_cast<StripScene*>(first[i]);
        ASSERT_NE(scene, nullptr) << "registration " << i;
        EXPECT_EQ(scene->kind, kinds[i]);
        EXPECT_EQ(scene->rotation(), &stripRotation);
    }
    ASSERT_LT(first + 6, registered.end());
    EXPECT_EQ(first[6]->identifier, "ProjectivePlane1");

    // Yaw 0, pitch 20: a turn of 20 degrees about the screen's x axis (column-major).
    const double c = std::cos(20.0 * pi / 180.0), s = std::sin(20.0 * pi / 180.0);
    const double expected[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(stripRotation.orientation[i], expected[i], 1e-6) << i;
    }
}

// The wheel scene adds its first wheel during static initialisation, before the toolkit and
// its clock exist. The program clock reads 0 then, and the toolkit's elapsed time starts from
// 0 when the shell starts it, so the wheel stands where one added at the first frame would:
// at the end of the band.
TEST_F(ProgramStripScenes, WheelOfTheStartStandsAtTheEndOfTheBand) {
    ensureStaticObjects();
    auto* scene = dynamic_cast<StripScene*>(SceneRegistry::instance().find("Moebius2"));
    ASSERT_NE(scene, nullptr);
    ASSERT_EQ(scene->strip.wheelOffsets.size(), 1u);
    EXPECT_EQ(scene->strip.wheelParameters(0), std::vector<double>{1.0});

    testing::FixedClock clock(0);
    StripModel atStart;
    atStart.addWheel();
    EXPECT_EQ(scene->strip.wheelOffsets, atStart.wheelOffsets);
    for (const int now : {0, 10000, 20000, 123456}) {
        EXPECT_EQ(scene->strip.wheelParameters(now), atStart.wheelParameters(now)) << now;
    }
}

} // namespace
} // namespace tessivo
