#include "app/static_objects.h"
#include "app/tour_table.h"
#include "app/tour_timing.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/choice_row.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/slider.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

template <class Control> bool is(Widget* control) {
    return dynamic_cast<Control*>(control) != nullptr;
}

// The table against the scenes as they are built: every scene has its moves, every move a
// control of its kind, every control but the buttons something to show, and every visit ends
// with its controls as they began, so the next visit starts from the scene's start.
TEST(TourTable, MovesEveryControlOfEverySceneAndEndsWhereItBegan) {
    ensureStaticObjects();
    const auto& scenes = SceneRegistry::instance().registeredScenes();
    EXPECT_EQ(scenes.size(), touredScenes().size());
    for (Scene* scene : scenes) {
        const std::vector<TourMove>* moves = tourMoves(scene->identifier);
        ASSERT_NE(moves, nullptr) << scene->identifier;
        const WidgetPanel& panel = *scene->panel;
        for (const TourMove& move : *moves) {
            EXPECT_LE(0.0, move.from) << scene->identifier;
            EXPECT_LE(move.from, move.to) << scene->identifier;
            EXPECT_LT(move.to, 1.0) << scene->identifier;
            Widget* control = panel.sceneControl(move.control);
            switch (move.kind) {
            case TourMoveKind::Slide:
                EXPECT_TRUE(is<Slider>(control)) << scene->identifier << " " << move.control;
                break;
            case TourMoveKind::Turn:
                EXPECT_TRUE(is<Dial>(control)) << scene->identifier << " " << move.control;
                break;
            case TourMoveKind::Choose:
                ASSERT_TRUE(is<ChoiceRow>(control)) << scene->identifier << " " << move.control;
                EXPECT_LT(move.end, dynamic_cast<ChoiceRow*>(control)->itemCount);
                break;
            case TourMoveKind::Press:
                EXPECT_TRUE(is<PushButton>(control)) << scene->identifier << " " << move.control;
                break;
            case TourMoveKind::ColourRegions:
                EXPECT_EQ(scene->identifier, "Moebius6");
                break;
            }
        }
        for (int k = 0; k < panel.sceneControlCount(); ++k) {
            Widget* control = panel.sceneControl(k);
            const auto end = tourSetting(*moves, k, 1.0);
            if (is<PushButton>(control)) {
                continue;
            }
            ASSERT_TRUE(end) << scene->identifier << " never moves control " << k;
            if (auto* row = dynamic_cast<ChoiceRow*>(control)) {
                EXPECT_EQ(*end, row->startSelected) << scene->identifier;
            } else if (is<Dial>(control)) {
                EXPECT_EQ(*end, std::round(*end)) << scene->identifier;
            } else {
                EXPECT_EQ(*end, 0.0) << scene->identifier;
            }
        }
    }
    const std::vector<TourMove>& wheels = *tourMoves("Moebius2");
    EXPECT_EQ(tourPresses(wheels, 0, 1.0), tourPresses(wheels, 1, 1.0));
}

} // namespace
} // namespace tessivo
