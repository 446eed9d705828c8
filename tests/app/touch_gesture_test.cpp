#include "app/touch_gesture.h"

#include <gtest/gtest.h>
#include <string>

namespace tessivo {
namespace {

using Action = TouchGesture::Action;

// The actions as text: "press 10 20", "drag 10 20", "release 10 20", "cancel", "zoom 2".
std::string said(const std::vector<Action>& actions) {
    std::string text;
    for (const Action& a : actions) {
        const std::string at =
            " " + std::to_string(int(a.point.x)) + " " + std::to_string(int(a.point.y));
        switch (a.kind) {
        case Action::Press:
            text += "press" + at + ";";
            break;
        case Action::Drag:
            text += "drag" + at + ";";
            break;
        case Action::Release:
            text += "release" + at + ";";
            break;
        case Action::Cancel:
            text += "cancel;";
            break;
        case Action::Zoom:
            text += "zoom " + std::to_string(a.factor).substr(0, 4) + ";";
            break;
        }
    }
    return text;
}

TEST(TouchGesture, OneFingerIsThePointer) {
    TouchGesture g;
    EXPECT_EQ(said(g.start(7, {10, 20})), "press 10 20;");
    EXPECT_EQ(said(g.move(7, {15, 20})), "drag 15 20;");
    EXPECT_EQ(said(g.end(7, {16, 21})), "release 16 21;");
    EXPECT_EQ(g.fingerCount(), 0);
}

TEST(TouchGesture, TwoFingersCancelTheDragAndZoomByTheirSpread) {
    TouchGesture g;
    g.start(1, {100, 100});
    g.move(1, {110, 100});
    EXPECT_EQ(said(g.start(2, {130, 100})), "cancel;");
    EXPECT_EQ(said(g.move(2, {150, 100})), "zoom 2.00;"); // 20 apart, then 40
    EXPECT_EQ(said(g.move(1, {70, 100})), "zoom 2.00;");
    EXPECT_EQ(said(g.move(1, {70, 100})), ""); // no change of spread, nothing to do
    // A third finger is ignored until it lifts.
    EXPECT_EQ(said(g.start(3, {300, 300})), "");
    EXPECT_EQ(said(g.move(3, {310, 300})), "");
    EXPECT_EQ(said(g.end(3, {310, 300})), "");
    EXPECT_EQ(g.fingerCount(), 2);
}

TEST(TouchGesture, WhenOneOfTwoLiftsTheOtherTurnsOnFromWhereItIs) {
    TouchGesture g;
    g.start(1, {100, 100});
    g.start(2, {200, 100});
    g.move(2, {220, 100});
    EXPECT_EQ(said(g.end(1, {100, 100})), "");
    EXPECT_EQ(said(g.move(2, {225, 104})), "press 220 100;drag 225 104;");
    EXPECT_EQ(said(g.move(2, {230, 104})), "drag 230 104;");
    EXPECT_EQ(said(g.end(2, {230, 104})), "release 230 104;");
}

TEST(TouchGesture, ACancelledTouchEndsWithoutActing) {
    TouchGesture g;
    g.start(1, {10, 10});
    g.move(1, {30, 10});
    EXPECT_EQ(said(g.cancel(1)), "cancel;");
    EXPECT_EQ(said(g.cancel(1)), "");
    EXPECT_EQ(said(g.move(1, {40, 10})), "");
    // A pinch the browser cancels leaves no press behind, and no tap either.
    g.start(1, {10, 10});
    g.start(2, {50, 10});
    EXPECT_EQ(said(g.cancel(1)), "");
    EXPECT_EQ(said(g.cancel(2)), "");
    EXPECT_EQ(g.fingerCount(), 0);
    EXPECT_EQ(said(g.start(5, {1, 2})), "press 1 2;");
}

} // namespace
} // namespace tessivo
