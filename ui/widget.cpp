#include "ui/widget.h"

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

} // namespace tessivo
