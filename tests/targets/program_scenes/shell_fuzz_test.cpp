#include "app/program.h"
#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"
#include "ui/choice_row.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/glut.h>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tessivo {
namespace {

// Random sequences of the toolkit's events, fed to the shell's callbacks with every scene of
// the program in the show list, from a fixed seed. After every event the pointer rules and the
// controls' ranges must hold; the clock starts just below its wrap and runs across it.
class ShellFuzz : public testing::ProcessStateTest {
protected:
    void SetUp() override {
        testing::ensureGlContext();
        ensureStaticObjects();
        allScenesShowList(SceneRegistry::instance());
        reshapeCallback(width, height);
        startFirstScene();
    }

    // One random event of the kinds the toolkit delivers, weighted roughly as a visitor makes
    // them, with the clock moving on between them.
    void randomEvent() {
        lastWasPassive = false;
        const int kind = pick(0, 99);
        if (pick(0, 499) == 0) {
            // Now and then a frame, which advances the controls' animations.
            displayCallback();
            ++frames;
        }
        if (kind < 30) {
            moveTo(buttonDown ? Motion : Passive);
        } else if (kind < 38) {
            if (!buttonDown) {
                moveTo(Passive);
                mouseCallback(pick(0, 2), GLUT_DOWN, x, y);
                buttonDown = true;
                pressedHandler = shellState().hoveredHandler;
                ++presses;
            } else {
                mouseCallback(pick(0, 2), GLUT_UP, x, y);
                buttonDown = false;
            }
        } else if (kind < 43) {
            static const int specialKeys[] = {GLUT_KEY_LEFT,
                                              GLUT_KEY_RIGHT,
                                              GLUT_KEY_PAGE_UP,
                                              GLUT_KEY_PAGE_DOWN,
                                              GLUT_KEY_UP,
                                              GLUT_KEY_DOWN,
                                              GLUT_KEY_HOME,
                                              GLUT_KEY_END,
                                              GLUT_KEY_INSERT,
                                              GLUT_KEY_F4,
                                              GLUT_KEY_F12,
                                              0,
                                              106,
                                              -7,
                                              INT_MAX,
                                              INT_MIN};
            specialCallback(specialKeys[pick(0, 15)], x, y);
        } else if (kind < 46) {
            unsigned char key = static_cast<unsigned char>(pick(0, 255));
            if (key == 27) {
                key = 's';
            }
            keyboardCallback(key, x, y);
        } else if (kind < 47) {
            static const int sizes[] = {0, 1, 2, 37, 320, 800, 1024, 2000};
            width = sizes[pick(0, 7)];
            height = sizes[pick(0, 7)];
            reshapeCallback(width, height);
        } else if (kind < 97) {
            clock.advance(pick(0, 40));
        } else {
            clock.advance(pick(0, 1 << 20)); // a long pause, minutes of nobody
        }
    }

    enum Move { Passive, Motion };
    void moveTo(Move move) {
        // Mostly small steps, sometimes jumps anywhere, also outside the window.
        if (pick(0, 9) < 7) {
            x += pick(-15, 15);
            y += pick(-15, 15);
        } else {
            x = pick(-50, std::max(width, 1) + 50);
            y = pick(-50, std::max(height, 1) + 50);
        }
        if (move == Passive) {
            passiveMotionCallback(x, y);
            lastWasPassive = true;
        } else {
            motionCallback(x, y);
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void checkInvariants() {
        SceneRegistry& registry = SceneRegistry::instance();
        ASSERT_GE(registry.currentIndex(), 0);
        ASSERT_LT(registry.currentIndex(), registry.count());
        Scene* scene = registry.current();
        const ShellState& shell = shellState();
        if (buttonDown) {
            // A drag belongs to the handler that took the press, wherever the pointer goes.
            ASSERT_EQ(shell.hoveredHandler, pressedHandler);
        } else if (lastWasPassive) {
            ASSERT_EQ(shell.hoveredHandler, scene->target(shell.pointerPosition));
        }
        for (int c : backgroundColour) {
            ASSERT_TRUE(c >= 0 && c <= 255) << c;
        }
        for (Scene* each : registry.registeredScenes()) {
            const RotationController& rotation = *each->rotation();
            for (float entry : rotation.orientation) {
                ASSERT_TRUE(std::isfinite(entry)) << each->identifier;
            }
            ASSERT_TRUE(std::isfinite(rotation.spin.x) && std::isfinite(rotation.spin.y));
            for (const auto& widget : each->panel->widgets) {
                if (auto* slider = dynamic_cast<const Slider*>(widget.get())) {
                    ASSERT_GE(slider->value, slider->minValue) << each->identifier;
                    ASSERT_LE(slider->value, slider->maxValue) << each->identifier;
                } else if (auto* dial = dynamic_cast<const Dial*>(widget.get())) {
                    ASSERT_TRUE(std::isfinite(dial->angle)) << each->identifier;
                    ASSERT_TRUE(std::isfinite(dial->spin)) << each->identifier;
                } else if (auto* row = dynamic_cast<const ChoiceRow*>(widget.get())) {
                    ASSERT_GE(row->selected, 0) << each->identifier;
                    ASSERT_LT(row->selected, row->itemCount) << each->identifier;
                }
            }
        }
    }

    testing::FixedClock clock{INT_MAX - 60000};
    std::mt19937 random{20261208};
    int width = 800, height = 600;
    int x = 400, y = 300;
    bool buttonDown = false;
    bool lastWasPassive = false;
    PointerHandler* pressedHandler = nullptr;
    long presses = 0, frames = 0;
};

TEST_F(ShellFuzz, RandomEventsKeepThePointerRulesAndTheControlsInRange) {
    // 10,000 events visit every scene and cross the clock's wrap in a few seconds; the test
    // labelled "long" runs a million (TESSIVO_FUZZ_EVENTS sets the number).
    const char* requested = std::getenv("TESSIVO_FUZZ_EVENTS");
    const long events = requested ? std::atol(requested) : 10000;
    std::set<int> visited;
    int wraps = 0;
    for (long i = 0; i < events; ++i) {
        const int before = clock.now();
        randomEvent();
        wraps += before >= 0 && clock.now() < 0;
        visited.insert(SceneRegistry::instance().currentIndex());
        checkInvariants();
        if (HasFatalFailure()) {
            FAIL() << "after event " << i << " (clock " << before << ")";
        }
    }
    std::printf("%ld events, %ld presses, %ld frames, %zu scenes visited, %d clock wraps\n", events,
                presses, frames, visited.size(), wraps);
    EXPECT_EQ(visited.size(), SceneRegistry::instance().registeredScenes().size());
    EXPECT_GE(wraps, 1);
}

} // namespace
} // namespace tessivo
