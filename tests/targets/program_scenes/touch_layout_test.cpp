// The layout of every scene's controls at every window size a screen or a page may have, as
// the exhibit lays them out: for fingers every target at least 44 CSS pixels (44 units in the
// exhibit) on each side, and with fingers or the mouse no two targets overlapping and none
// outside the window.

#include "app/static_objects.h"
#include "scene/overlay_settings.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "tests/support/process_state_test.h"
#include "ui/choice_row.h"
#include "ui/credits_emblem.h"
#include "ui/scene_menu.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace tessivo {
namespace {

struct Target {
    std::string name;
    Rect area;
};

// What takes the pointer at rest: the standard controls and the scene's own, a row of choices
// by its items (for their size) and as a whole (for overlaps).
std::vector<Target> targetsOf(const WidgetPanel& panel, bool items) {
    std::vector<Target> targets{{"menu", panel.sceneMenu->bounds()},
                                {"previous", panel.widgets[0]->bounds()},
                                {"next", panel.widgets[1]->bounds()},
                                {"emblem", panel.creditsEmblem->bounds()}};
    for (int k = 0; k < panel.sceneControlCount(); ++k) {
        const Widget& control = *panel.sceneControl(k);
        const auto* row = dynamic_cast<const ChoiceRow*>(&control);
        if (row && items) {
            for (int i = 0; i < row->itemCount; ++i) {
                targets.push_back({"control" + std::to_string(k), row->itemCell(i)});
            }
        } else {
            targets.push_back({"control" + std::to_string(k), control.bounds()});
        }
    }
    return targets;
}

// The faults of one panel laid out for a window of width x height pixels; finger is the
// least side of a target in overlay units, 0 for the mouse.
std::string faultsOf(WidgetPanel& panel, int width, int height, double finger) {
    const int units = overlayUnits(width), unitsHigh = overlayUnits(height);
    panel.layout(units, unitsHigh);
    std::ostringstream faults;
    const Rect window{0, 0, double(units), double(unitsHigh)};
    for (const Target& t : targetsOf(panel, true)) {
        if (std::min(t.area.width(), t.area.height()) < finger - 1e-9) {
            faults << t.name << " is " << t.area.width() << " x " << t.area.height() << "; ";
        }
        if (!window.encloses(t.area)) {
            faults << t.name << " lies outside; ";
        }
    }
    const std::vector<Target> whole = targetsOf(panel, false);
    for (size_t i = 0; i < whole.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (whole[i].area.overlaps(whole[j].area)) {
                faults << whole[i].name << " overlaps " << whole[j].name << "; ";
            }
        }
    }
    // The open menu's rows: high enough for a finger, below the window's top.
    const SceneMenu& menu = *panel.sceneMenu;
    const SceneMenuLayout list =
        sceneMenuLayout(SceneRegistry::instance().count(), 1.0, 3000.0, menu.geometry);
    for (const SceneMenuLayout::Row& row : list.rows) {
        if (row.top - row.bottom < finger || menu.position.y + row.top > unitsHigh) {
            faults << "a menu row at " << row.bottom << ".." << row.top << "; ";
        }
    }
    return faults.str();
}

class ExhibitLayout : public testing::ProcessStateTest {
protected:
    void SetUp() override {
        ensureStaticObjects();
        SceneRegistry::instance().clearShowList();
        SceneRegistry::instance().buildShowList();
        OverlaySettings& overlay = overlaySettings();
        overlay.tapOpens = overlay.fitsWindow = true;
        overlay.hiddenControlsTakePointer = false;
    }

    // Every registered scene at every window size from 320 x 480 to 3840 x 2160, upright and
    // on its side, with the scale that follows the window; ratio 0 for the exhibit, else a
    // page at that device pixel ratio (the sizes are then CSS pixels).
    void checkEverySize(bool touch, double ratio) {
        overlaySettings().touch = touch;
        overlaySettings().devicePixelRatio = ratio;
        const int sides[] = {320,  360,  390,  480,  568,  600,  768, 844,
                             1024, 1080, 1366, 1920, 2160, 2560, 3840};
        for (int w : sides) {
            for (int h : sides) {
                if (std::min(w, h) > 2160 || std::max(w, h) < 480) {
                    continue;
                }
                const int pixels = ratio > 0 ? int(w * ratio) : w;
                const int pixelsHigh = ratio > 0 ? int(h * ratio) : h;
                overlaySettings().scale = overlayScaleForWindow(pixels, pixelsHigh);
                // 44 CSS pixels in a page; 44 units on an exhibition screen.
                const double finger = !touch      ? 0.0
                                      : ratio > 0 ? 44.0 * ratio / overlaySettings().scale
                                                  : 44.0;
                for (Scene* scene : SceneRegistry::instance().registeredScenes()) {
                    EXPECT_EQ(faultsOf(*scene->panel, pixels, pixelsHigh, finger), "")
                        << scene->identifier << " at " << w << " x " << h << ", ratio " << ratio;
                }
            }
        }
    }
};

TEST_F(ExhibitLayout, ForFingersOnScreensAndPages) {
    checkEverySize(true, 0.0);
    checkEverySize(true, 2.0);
    checkEverySize(true, 3.0);
}

TEST_F(ExhibitLayout, ForTheMouseNothingOverlapsOrLiesOutside) {
    checkEverySize(false, 0.0);
}

} // namespace
} // namespace tessivo
