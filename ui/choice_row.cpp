#include "ui/choice_row.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {
constexpr double reachPerItem = 0.55; // item spacings of horizontal reach per item, both sides
constexpr double verticalReach = 20.0;
} // namespace

bool ChoiceRow::contains(const Vec2& p) const {
    return std::abs(p.x - position.x) < halfWidth() && std::abs(p.y - position.y) < halfHeight();
}

Rect ChoiceRow::bounds() const {
    const double x = halfWidth(), y = halfHeight();
    return {position.x - x, position.y - y, position.x + x, position.y + y};
}

double ChoiceRow::halfWidth() const {
    return itemCount * spacing() * reachPerItem;
}

double ChoiceRow::halfHeight() const {
    return std::max(verticalReach, touchSide / 2.0);
}

double ChoiceRow::spacing() const {
    return std::max(itemSpacing, touchSide);
}

Rect ChoiceRow::itemCell(int i) const {
    Rect cell = bounds();
    if (i > 0) {
        cell.left = itemX(i) - spacing() / 2.0;
    }
    if (i < itemCount - 1) {
        cell.right = itemX(i) + spacing() / 2.0;
    }
    return cell;
}

PointerHandler* ChoiceRow::target(const Vec2& p) {
    if (contains(p)) {
        hovered = index(p);
        return this;
    }
    hovered = -1;
    return nullptr;
}

void ChoiceRow::onPress(const Vec2& p) {
    if (contains(p)) {
        selected = index(p);
    }
}

double ChoiceRow::itemX(int i) const {
    return position.x + (i - (itemCount - 1) / 2.0) * spacing();
}

int ChoiceRow::index(const Vec2& p) const {
    const double rowLeft = position.x - itemCount * spacing() / 2.0;
    const double cell = std::floor((p.x - rowLeft) / spacing());
    return static_cast<int>(std::max(0.0, std::min(cell, itemCount - 1.0)));
}

std::array<Vec2, 3> ChoiceRow::markerCorners() {
    return {{{0, 0}, {-8, -8}, {8, -8}}};
}

} // namespace tessivo
