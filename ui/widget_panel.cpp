#include "ui/widget_panel.h"

#include "scene/overlay_settings.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/colour_picker.h"
#include "ui/credits_emblem.h"
#include "ui/overlay_layout.h"
#include "ui/scene_menu.h"
#include "ui/scene_step_button.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

// Between the controls laid out in rows and the window's edges: the plain program's 10 units,
// and for fingers a quarter of a target (an eighth between two targets).
constexpr double plainMargin = 10.0;
constexpr double plainRowHeight = 26.0;
// The menu's background reaches this far beyond its rows and its titles' margins.
constexpr double menuBackgroundMargin = 5.0;

// The area of a control relative to its position.
Rect relativeBounds(const Widget& widget) {
    const Rect area = widget.bounds();
    return {area.left - widget.position.x, area.bottom - widget.position.y,
            area.right - widget.position.x, area.top - widget.position.y};
}

} // namespace

// Every scene shows the same five controls, ahead of its own in hit testing and drawing: the
// step arrows and the menu in the bottom-left corner, the emblem in the bottom-right, and the
// background-colour picker near the top-left, hidden until the S key shows it.
WidgetPanel::WidgetPanel() {
    place(std::make_unique<SceneStepButton>(SceneStepButton::previous), {40, 20});
    place(std::make_unique<SceneStepButton>(SceneStepButton::next), {60, 20});
    sceneMenu = place(std::make_unique<SceneMenu>(), {20, 20});
    creditsEmblem = place(std::make_unique<CreditsEmblem>(), {-60, 30}, BottomRight);
    colourPicker =
        place(std::make_unique<ColourPicker>(backgroundColour.data()), {80, -80}, TopLeft);
    colourPicker->hidden = true;
    standardControlCount = widgets.size();
}

int WidgetPanel::sceneControlCount() const {
    return static_cast<int>(widgets.size() - standardControlCount);
}

Widget* WidgetPanel::sceneControl(int k) const {
    if (k < 0 || k >= sceneControlCount()) {
        return nullptr;
    }
    return widgets[standardControlCount + static_cast<std::size_t>(k)].get();
}

void WidgetPanel::layout(int width, int height) {
    const double side = touchTarget();
    for (auto& widget : widgets) {
        widget->touchSide = side;
        widget->layout(width, height);
    }
    viewFloor = 0.0;
    if (sceneMenu) {
        sceneMenu->geometry = {};
    }
    if (creditsEmblem) {
        creditsEmblem->creditsBelow = false;
    }
    const OverlaySettings& settings = overlaySettings();
    if (sceneMenu && creditsEmblem &&
        (settings.touch || (settings.fitsWindow && !offsetsFit(width, height)))) {
        layOutInRows(width, height);
    }
    if (sceneMenu && settings.fitsWindow) {
        sceneMenu->geometry.room = width - sceneMenu->position.x - 2.0 * menuBackgroundMargin;
    }
}

bool WidgetPanel::offsetsFit(int width, int height) const {
    const Rect window{0.0, 0.0, static_cast<double>(width), static_cast<double>(height)};
    std::vector<Rect> areas;
    for (const auto& widget : widgets) {
        if (widget.get() == colourPicker) {
            continue; // hidden, and in its own corner
        }
        const Rect area = widget->bounds();
        if (!window.encloses(area)) {
            return false;
        }
        for (const Rect& other : areas) {
            if (area.overlaps(other)) {
                return false;
            }
        }
        areas.push_back(area);
    }
    return true;
}

std::vector<Widget*> WidgetPanel::rowControls() const {
    // From the left: the menu, the two arrows, then the scene's own controls in their order.
    std::vector<Widget*> row{sceneMenu, widgets[0].get(), widgets[1].get()};
    for (int k = 0; k < sceneControlCount(); ++k) {
        row.push_back(sceneControl(k));
    }
    return row;
}

RowLayoutRequest WidgetPanel::rowRequest(int width, int height) {
    const double side = touchTarget();
    RowLayoutRequest request;
    request.width = width;
    request.height = height;
    request.margin = side > 0.0 ? std::round(side / 4.0) : plainMargin;
    request.gap = side > 0.0 ? std::max(2.0, std::round(side / 8.0)) : 0.0;
    for (Widget* widget : rowControls()) {
        widget->touchSide = side;
        request.controls.push_back(relativeBounds(*widget));
    }
    creditsEmblem->touchSide = side;
    request.emblem = relativeBounds(*creditsEmblem);
    request.emblemOverRows = height > width;
    return request;
}

void WidgetPanel::layOutInRows(int width, int height) {
    RowLayoutRequest request = rowRequest(width, height);
    // The emblem keeps one corner across the scenes that a visitor steps through.
    const SceneRegistry& registry = SceneRegistry::instance();
    for (int i = 0; i < registry.count() && !request.emblemAtTop; ++i) {
        WidgetPanel& other = *registry.sceneAt(i)->panel;
        request.emblemAtTop = &other != this && !fitsOneRow(other.rowRequest(width, height));
    }
    request.emblemAtTop = request.emblemAtTop || !fitsOneRow(request);
    const std::vector<Widget*> row = rowControls();
    const RowLayout placed = rowLayout(request);
    for (size_t i = 0; i < row.size(); ++i) {
        row[i]->position = placed.positions[i];
    }
    creditsEmblem->position = placed.emblem;
    creditsEmblem->creditsBelow = placed.emblemAtTop;
    viewFloor = placed.rowsTop;
    fitMenu(height, request.gap);
}

void WidgetPanel::fitMenu(int height, double gap) {
    // The list starts just above the rows, its rows as high as a finger's target where the
    // window's height allows.
    const double listBase = viewFloor + gap + menuBackgroundMargin - sceneMenu->position.y;
    const int titles = std::max(1, SceneRegistry::instance().count());
    const double room =
        height - plainMargin - menuBackgroundMargin - sceneMenu->position.y - listBase;
    const double rowHeight =
        std::clamp(room / titles, plainRowHeight, std::max(plainRowHeight, touchTarget()));
    sceneMenu->geometry.rowHeight = rowHeight;
    sceneMenu->geometry.baseRows = listBase / rowHeight;
}

void WidgetPanel::closePinned() {
    if (sceneMenu && sceneMenu->pinned) {
        sceneMenu->close();
    }
    if (creditsEmblem) {
        creditsEmblem->pinned = false;
    }
}

void WidgetPanel::draw() {
    // Controls enable blending, change the colour and so on; restoring the saved state keeps
    // the 3D drawing of the next frame independent of what the overlay did.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_LINE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    for (auto& widget : widgets) {
        if (!widget->hidden) {
            widget->draw();
        }
    }
    glPopAttrib();
    // The 3D view always draws lit and depth-tested, whatever the controls left behind.
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

bool WidgetPanel::animating() const {
    for (const auto& widget : widgets) {
        if (!widget->hidden && widget->animating()) {
            return true;
        }
    }
    return false;
}

void WidgetPanel::reset() {
    for (auto& widget : widgets) {
        widget->reset();
    }
    if (colourPicker) {
        colourPicker->hidden = true;
    }
}

PointerHandler* WidgetPanel::target(const Vec2& p) {
    if (sceneMenu && sceneMenu->pinned) {
        return sceneMenu->target(p);
    }
    if (creditsEmblem && creditsEmblem->pinned) {
        return creditsEmblem->target(p);
    }
    const bool hiddenTakePointer = overlaySettings().hiddenControlsTakePointer;
    for (auto& widget : widgets) {
        if (widget->hidden && !hiddenTakePointer) {
            continue;
        }
        if (PointerHandler* handler = widget->target(p)) {
            return handler;
        }
    }
    return nullptr;
}

} // namespace tessivo
