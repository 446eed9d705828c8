#include "ui/scene_menu.h"

#include "scene/overlay_settings.h"
#include "scene/scene_registry.h"
#include "ui/frame_time.h"

#include <algorithm>

namespace tessivo {

namespace {
constexpr double squareRadius = 10.0;
constexpr double openingPerMillisecond = 0.01;
constexpr double plainRowHeight = 26.0;
constexpr double plainTextScale = 0.15;
constexpr double plainTextLift = 7.0;
constexpr double smallestTextScale = 0.05;
constexpr double textMargins = 20.0;
constexpr double backgroundMargin = 5.0;
} // namespace

bool SceneMenu::contains(const Vec2& p) const {
    return roundContains(p, squareRadius);
}

Rect SceneMenu::bounds() const {
    return roundBounds(squareRadius);
}

PointerHandler* SceneMenu::target(const Vec2& p) {
    pointer = p;
    if (pinned) {
        return this;
    }
    if (openness == 0.0) {
        return contains(p) ? this : nullptr;
    }
    return p.x < position.x + listWidth ? this : nullptr;
}

void SceneMenu::onLeave() {
    if (!pinned) {
        direction = -1.0;
    }
}

void SceneMenu::onPress(const Vec2& p) {
    SceneRegistry& registry = SceneRegistry::instance();
    if (!overlaySettings().tapOpens) {
        if (hovered >= 0 && hovered < registry.count()) {
            registry.setCurrent(hovered);
        }
        direction = -1.0;
        return;
    }
    // A finger has shown no row before it presses: the row is the one under the press.
    const int row = rowUnder(p);
    if (row < 0 && !pinned && contains(p)) {
        pinned = true;
        direction = 1.0;
        return;
    }
    close();
    if (row >= 0) {
        registry.setCurrent(row);
    }
}

void SceneMenu::close() {
    pinned = false;
    direction = -1.0;
}

int SceneMenu::rowUnder(const Vec2& p) const {
    const int count = SceneRegistry::instance().count();
    if (openness == 0.0 || count == 0) {
        return -1;
    }
    const SceneMenuLayout layout = sceneMenuLayout(count, openness, widestTitle, geometry);
    const double px = p.x - position.x;
    if (px < layout.backgroundLeft || px > layout.backgroundRight) {
        return -1;
    }
    return layout.rowAt(p.y - position.y);
}

void SceneMenu::reset() {
    openness = 0.0;
    direction = -1.0;
    hovered = -1;
    listWidth = 0.0;
    pinned = false;
}

bool SceneMenu::animating() const {
    return (direction > 0.0 && openness < 1.0) || (direction < 0.0 && openness > 0.0);
}

void SceneMenu::advance(int now) {
    const int dt = frameStep(lastTime, now);
    if (animating()) {
        openness += dt * direction * openingPerMillisecond;
        if (openness < 0.0) {
            openness = 0.0;
        } else if (openness > 1.0) {
            openness = 1.0;
        }
    }
}

SceneMenuLayout sceneMenuLayout(int rowCount, double openness, double widestTitle,
                                const SceneMenuGeometry& geometry) {
    SceneMenuLayout layout;
    const double rowHeight = geometry.rowHeight;
    if (geometry.room > 0.0 && widestTitle > 0.0) {
        const double fitting = (geometry.room - textMargins) / widestTitle;
        layout.textScale = std::clamp(fitting, smallestTextScale, plainTextScale);
    }
    // The titles keep their place in a taller row, and shrink towards its middle.
    const double shrink = layout.textScale / plainTextScale;
    layout.textLift = (rowHeight - plainRowHeight * shrink) / 2.0 + plainTextLift * shrink;
    layout.textWidth = widestTitle * layout.textScale + textMargins;
    layout.rowWidth = static_cast<int>(layout.textWidth);
    layout.backgroundLeft = -backgroundMargin;
    layout.backgroundRight = layout.textWidth + backgroundMargin;
    layout.backgroundBottom = geometry.baseRows * rowHeight * openness - backgroundMargin;
    layout.backgroundTop =
        (rowHeight * rowCount + geometry.baseRows * rowHeight) * openness + backgroundMargin;
    for (int i = 0; i < rowCount; ++i) {
        // Row i sits k rows up, counting the rows of space above the square.
        const double k = rowCount - 1 - i + geometry.baseRows;
        SceneMenuLayout::Row row;
        row.bottom = static_cast<int>(k * openness * rowHeight);
        row.top = static_cast<int>(openness * rowHeight + row.bottom);
        layout.rows.push_back(row);
    }
    return layout;
}

int SceneMenuLayout::rowAt(double py) const {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].bottom < py && py < rows[i].top) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace tessivo
