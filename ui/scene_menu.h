#pragma once

#include "ui/pointer_handler.h"
#include "ui/widget.h"

#include <vector>

namespace tessivo {

// How the unfolded list is laid out; the defaults are the plain program's. The panel changes
// them for fingers and for narrow windows.
struct SceneMenuGeometry {
    double rowHeight = 26.0;
    // The lowest row starts this many row heights above the square's centre.
    double baseRows = 2.0;
    // The widest the titles and their margins may be, in units; 0 for no limit. Titles too wide
    // for it are written smaller.
    double room = 0.0;
};

// A small white square that, while the pointer rests on it, unfolds upwards in 100 ms into a
// translucent list of the titles of the show list's scenes. The current scene is framed, the
// row under the pointer highlighted, and a press on a row switches to that scene. position is
// the centre of the square.
//
// Where a press opens it (OverlaySettings::tapOpens), a press on the square pins the menu open:
// it then holds the pointer everywhere until the next press, which chooses the title under it,
// if any, and closes the menu.
class SceneMenu : public Widget, public PointerHandler {
public:
    // Strictly inside radius 10 of the square's centre; for a finger, inside its bounds.
    bool contains(const Vec2& p) const override;
    // Remembers p for the row highlight. Closed, the menu takes the pointer on its square;
    // open (even partly), it holds the pointer anywhere left of the list's right edge at any
    // height, and lets it go when the pointer leaves that band, which closes it. Pinned, it
    // holds the pointer everywhere.
    PointerHandler* target(const Vec2& p) override;
    // The closed square's hit area.
    Rect bounds() const override;
    void draw() override;

    void onEnter() override { direction = 1.0; }
    void onLeave() override;
    // Closed, with no row under the pointer.
    void reset() override;
    // Switches to the row highlighted in the frame on screen, if any, and closes the menu.
    // Where a press opens it: a press on the square opens and pins it, and the press after
    // that switches to the row under it, if any, and closes the menu.
    void onPress(const Vec2& p) override;
    // Closed at once, unpinned.
    void close();

    // Moves openness towards the current direction by the time since the previous frame, at a
    // rate of 0.01 per millisecond, within [0, 1].
    void advance(int now);
    // Until the openness has reached the end the direction points to.
    bool animating() const override;

    // 0 closed, 1 fully open.
    double openness = 0.0;
    // +1 opening, -1 closing.
    double direction = -1.0;
    // The clock at the previous frame; -1 before the first.
    int lastTime = -1;
    // The last point given to target.
    Vec2 pointer;
    // Show-list index of the row under the pointer in the last drawn frame, -1 for none.
    int hovered = -1;
    // Width of the unfolded list plus its right margin, from the last drawn frame.
    double listWidth = 0.0;
    // The widest title in roman stroke font units, from the last drawn frame.
    double widestTitle = 0.0;
    SceneMenuGeometry geometry;
    // Opened by a press: it stays open until the next press.
    bool pinned = false;

private:
    // The show-list index of the row of the list on screen that holds p, or -1.
    int rowUnder(const Vec2& p) const;
};

// Where the rows of the unfolded menu lie, relative to the square's centre, for rowCount
// titles at openness o (0 < o <= 1) when the widest title measures widestTitle units of the
// roman stroke font. With the plain geometry rows are 26·o pixels high, the first scene at the
// top, the lowest row starting 52·o above the square; heights are whole pixels (truncated
// toward zero).
struct SceneMenuLayout {
    struct Row {
        int bottom = 0;
        int top = 0;
    };
    // The widest title at the text scale, plus 20 pixels of margins.
    double textWidth = 0.0;
    // The titles' scale from font units: 0.15, less where the room asks for it.
    double textScale = 0.15;
    // The titles' baseline above a row's bottom: 7 in a row of 26 at a scale of 0.15.
    double textLift = 7.0;
    // The translucent background: x from -5 to textWidth + 5, and these heights.
    double backgroundLeft = 0.0;
    double backgroundRight = 0.0;
    double backgroundBottom = 0.0;
    double backgroundTop = 0.0;
    // Width of the highlight and of the current-scene frame.
    int rowWidth = 0;
    // In show-list order.
    std::vector<Row> rows;

    // The row with bottom < py < top (heights relative to the square's centre), or -1: a
    // point on a boundary between two rows, below or above the list belongs to no row.
    int rowAt(double py) const;
};
SceneMenuLayout sceneMenuLayout(int rowCount, double openness, double widestTitle,
                                const SceneMenuGeometry& geometry = {});

} // namespace tessivo
