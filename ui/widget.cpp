#include "ui/widget.h"

#include <algorithm>

namespace tessivo {

void Widget::layout(int width, int height) {
    Vec2 corner;
    switch (anchor) {
    case TopLeft:
        corner = {0.0, static_cast<double>(height)};
        break;
    case TopRight:
        corner = {static_cast<double>(width), static_cast<double>(height)};
        break;
    case BottomRight:
        corner = {static_cast<double>(width), 0.0};
        break;
    default:
        break;
    }
    position = offset + corner;
}

bool Widget::roundContains(const Vec2& p, double radius) const {
    if (touchSide > 0.0) {
        return bounds().contains(p);
    }
    return lengthSquared(p - position) < radius * radius;
}

Rect Widget::roundBounds(double radius) const {
    return squareAround(position, std::max(radius, touchSide / 2.0));
}

} // namespace tessivo
