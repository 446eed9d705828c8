#pragma once

#include "ui/control.h"

#include <array>
#include <vector>

namespace tessivo {

// A red ring with a pair of blue compasses whose legs leave the ring through a gap. While the
// pointer rests on it the compasses open in 500 ms, turning half a turn about their bisector
// on the way; fully open, two credit lines are written above the emblem. Away from the
// pointer it closes in 200 ms. position is the centre of the ring.
//
// Where a press opens it (OverlaySettings::tapOpens), a press on the emblem pins it open; it
// then holds the pointer everywhere, and the next press closes it.
class CreditsEmblem : public Control {
public:
    // Strictly inside radius 30 of the centre; for a finger, inside its bounds.
    bool contains(const Vec2& p) const override;
    // The emblem's handler where contains(p), and everywhere while pinned.
    PointerHandler* target(const Vec2& p) override;
    // The closed emblem's drawing and its hit circle (or the finger's square, if larger).
    Rect bounds() const override;
    void draw() override;

    // Where a press opens it: pins the emblem open, or closes it when pinned.
    void onPress(const Vec2& p) override;
    // Closed, the credits hidden.
    void reset() override {
        hover = pinned = false;
        progress = 0.0;
    }

    // Moves progress by the time since the previous frame: up by 0.002 per millisecond while
    // hovered or pinned, down by 0.005 otherwise, within [0, 1].
    void advance(int now);
    // Until fully open while hovered, or fully closed otherwise.
    bool animating() const override { return hover ? progress < 1.0 : progress > 0.0; }

    // The credit lines show only while the emblem is fully open.
    bool showsCredits() const { return progress == 1.0; }

    // Opened by a press: it stays open until the next press.
    bool pinned = false;
    // The credit lines are written below the emblem instead of above it (an emblem at the top
    // of the window).
    bool creditsBelow = false;
    // The clock at the previous frame.
    int lastTime = 0;
    // 0 closed, 1 open.
    double progress = 0.0;
};

inline const char* const creditLines[2] = {"qzw, 2006", "Quadrivola"};

// The emblem's shape at progress p in [0, 1], relative to the ring's centre, which is also the
// compasses' pivot: the legs run from the pivot along the rays at alpha and beta. Closed (p = 0)
// they are about 42 degrees apart, open (p = 1) about 132 degrees and symmetric about the
// vertical. The legs and the sector between them are drawn turned by flipDegrees about the
// bisector, so the compasses flip over while they open.
struct EmblemShape {
    double alpha = 0.0;
    double beta = 0.0;
    // Direction of the bisector of the legs, the axis of the flip.
    double bisector = 0.0;
    double flipDegrees = 0.0;
    // The ring as a strip between radii 18 and 21, counter-clockwise from beta + 0.1 to
    // 2 pi + 0.315, leaving a gap around both legs with 0.1 radian to spare on each side.
    std::vector<Vec2> ringInner;
    std::vector<Vec2> ringOuter;
    // Where the inner edges of the 3-pixel-wide legs meet.
    Vec2 hinge;
    // Pivot, the leg's far corners, hinge: each leg lies on the inner side of its ray.
    std::array<Vec2, 4> firstLeg;
    std::array<Vec2, 4> secondLeg;
    // The fan of the sector between the legs, relative to the hinge (radius 33).
    std::array<Vec2, 10> sector;
};
EmblemShape emblemShape(double progress);

} // namespace tessivo
