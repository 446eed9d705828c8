#pragma once

#include "math/rect.h"
#include "math/vec2.h"

#include <vector>

namespace tessivo {

// What the row layout places: the controls of the window's bottom edge, in order from the
// left, and the credits emblem. Each area is given relative to the control's position, so a
// control at position q takes area + q.
struct RowLayoutRequest {
    // The window, in overlay units.
    double width = 0.0;
    double height = 0.0;
    // Space between the controls and the window's edges, and between neighbouring controls.
    double margin = 0.0;
    double gap = 0.0;
    std::vector<Rect> controls;
    Rect emblem;
    // The emblem goes to the top-right corner even where this row would hold it (because the
    // row of another scene does not, and the emblem should not jump between scenes).
    bool emblemAtTop = false;
    // Where the emblem leaves the row, it stands at the right just above the rows instead of in
    // the top-right corner: on a screen taller than wide, whose narrow top the scene's title
    // needs whole, while its height has room for another row.
    bool emblemOverRows = false;
};

// Whether the controls and the emblem fit in one row.
bool fitsOneRow(const RowLayoutRequest& request);

struct RowLayout {
    // Whole-unit positions of the controls, in the order of the request.
    std::vector<Vec2> positions;
    Vec2 emblem;
    // The emblem went to the top-right corner, because the controls and the emblem do not fit
    // in one row.
    bool emblemAtTop = false;
    // The top edge of the highest row of controls (with the emblem, where it stands over them).
    double rowsTop = 0.0;
};

// Lays the controls out in rows from the bottom-left corner, margin from the edges and gap
// apart, each row as full as the width allows and its controls centred on the row's middle
// line; the next row starts gap above the highest control of the row below. When all controls
// and the emblem fit in one row (and the request does not send the emblem to the top), the
// emblem takes the bottom-right corner; otherwise the rows have the whole width and the emblem
// moves to the top-right corner, or where the request asks, to the right just above the rows. A
// control wider than the window has a row to itself.
RowLayout rowLayout(const RowLayoutRequest& request);

} // namespace tessivo
