#include "ui/overlay_layout.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

// The controls of each row, as indices into the request, from the bottom row up.
std::vector<std::vector<size_t>> rowsOf(const RowLayoutRequest& request) {
    std::vector<std::vector<size_t>> rows(1);
    const double right = request.width - request.margin;
    double x = request.margin;
    for (size_t i = 0; i < request.controls.size(); ++i) {
        const double width = request.controls[i].width();
        if (!rows.back().empty() && x + width > right) {
            rows.emplace_back();
            x = request.margin;
        }
        rows.back().push_back(i);
        x += width + request.gap;
    }
    return rows;
}

} // namespace

bool fitsOneRow(const RowLayoutRequest& request) {
    double width = 2.0 * request.margin + request.emblem.width();
    for (const Rect& control : request.controls) {
        width += control.width() + request.gap;
    }
    return width <= request.width;
}

RowLayout rowLayout(const RowLayoutRequest& request) {
    RowLayout layout;
    const bool leavesRow = request.emblemAtTop || !fitsOneRow(request);
    layout.emblemAtTop = leavesRow && !request.emblemOverRows;
    RowLayoutRequest flowing = request;
    if (!leavesRow) {
        flowing.width -= request.emblem.width() + request.gap;
    }
    layout.positions.resize(request.controls.size());
    double bottom = request.margin;
    for (const std::vector<size_t>& row : rowsOf(flowing)) {
        double height = 0.0;
        for (size_t i : row) {
            height = std::max(height, request.controls[i].height());
        }
        double x = request.margin;
        for (size_t i : row) {
            const Rect& area = request.controls[i];
            const double y = bottom + (height - area.height()) / 2.0;
            layout.positions[i] = {std::round(x - area.left), std::round(y - area.bottom)};
            x += area.width() + request.gap;
        }
        layout.rowsTop = bottom + height;
        bottom += height + request.gap;
    }
    // Whole units towards the inside, so that the emblem stays within the margins.
    const double emblemX = std::floor(request.width - request.margin - request.emblem.right);
    if (leavesRow && request.emblemOverRows) {
        layout.emblem = {emblemX, std::ceil(layout.rowsTop + request.gap - request.emblem.bottom)};
        layout.rowsTop = layout.emblem.y + request.emblem.top;
        return layout;
    }
    layout.emblem =
        layout.emblemAtTop
            ? Vec2{emblemX, std::floor(request.height - request.margin - request.emblem.top)}
            : Vec2{emblemX, std::ceil(request.margin - request.emblem.bottom)};
    return layout;
}

} // namespace tessivo
