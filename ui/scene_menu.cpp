#include "ui/scene_menu.h"

#include "scene/scene_registry.h"
#include "ui/frame_time.h"

namespace tessivo {

namespace {
constexpr double squareRadiusSquared = 100.0;
constexpr double openingPerMillisecond = 0.01;
constexpr double rowHeight = 26.0;
constexpr double textScale = 0.15;
constexpr double textMargins = 20.0;
constexpr double backgroundMargin = 5.0;
} // namespace

bool SceneMenu::contains(const Vec2& p) const {
    return lengthSquared(p - position) < squareRadiusSquared;
}

PointerHandler* SceneMenu::target(const Vec2& p) {
    pointer = p;
    if (openness == 0.0) {
        return contains(p) ? this : nullptr;
    }
    return p.x < position.x + listWidth ? this : nullptr;
}

void SceneMenu::onPress(const Vec2& /*p*/) {
    SceneRegistry& registry = SceneRegistry::instance();
    if (hovered >= 0 && hovered < registry.count()) {
        registry.setCurrent(hovered);
    }
    direction = -1.0;
}

void SceneMenu::reset() {
    openness = 0.0;
    direction = -1.0;
    hovered = -1;
    listWidth = 0.0;
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

SceneMenuLayout sceneMenuLayout(int rowCount, double openness, double widestTitle) {
    SceneMenuLayout layout;
    layout.textWidth = widestTitle * textScale + textMargins;
    layout.rowWidth = static_cast<int>(layout.textWidth);
    layout.backgroundBottom = 2.0 * rowHeight * openness - backgroundMargin;
    layout.backgroundTop = (rowHeight * rowCount + 2.0 * rowHeight) * openness + backgroundMargin;
    for (int i = 0; i < rowCount; ++i) {
        // Row i sits k rows up, counting the two rows of space above the square.
        const int k = rowCount + 1 - i;
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
