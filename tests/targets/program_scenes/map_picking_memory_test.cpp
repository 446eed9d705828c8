#include "app/static_objects.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"
#include "tests/support/resident_memory.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tessivo {
namespace {

using MapPicking = testing::ProcessStateTest;

// Every click on the map scene draws the band in selection mode. Drawn vertex by vertex, each
// click left about 150 KB behind in Mesa, so a day of clicks would have filled the memory.
TEST_F(MapPicking, ThousandsOfClicksKeepTheMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed blocks in quarantine";
#endif
    testing::ensureGlContext();
    ensureStaticObjects();
    Scene* map = SceneRegistry::instance().find("Moebius6");
    ASSERT_NE(map, nullptr);
    map->reshape(800, 600);
    map->initGL();
    for (int click = 0; click < 200; ++click) {
        map->pick({400.0 + click % 40, 300.0});
    }
    const long before = testing::residentKib();
    for (int click = 0; click < 1500; ++click) {
        map->pick({380.0 + click % 40, 310.0});
    }
    const long after = testing::residentKib();
    EXPECT_LT(after - before, 20 * 1024) << before << " KiB before, " << after << " after";
}

} // namespace
} // namespace tessivo
