#include "ui/widget_panel.h"

#include "scene/overlay_settings.h"
#include "scene/scene.h"
#include "ui/colour_picker.h"
#include "ui/credits_emblem.h"
#include "ui/scene_menu.h"
#include "ui/scene_step_button.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

template <class Control>
Control* place(WidgetPanel& panel, std::unique_ptr<Control> control, Vec2 offset, int anchor) {
    control->offset = offset;
    control->anchor = anchor;
    return panel.add(std::move(control));
}

} // namespace

// Every scene shows the same five controls, ahead of its own in hit testing and drawing: the
// step arrows and the menu in the bottom-left corner, the emblem in the bottom-right, and the
// background-colour picker near the top-left, hidden until the S key shows it.
WidgetPanel::WidgetPanel() {
    place(*this, std::make_unique<SceneStepButton>(SceneStepButton::previous), {40, 20},
          BottomLeft);
    place(*this, std::make_unique<SceneStepButton>(SceneStepButton::next), {60, 20}, BottomLeft);
    place(*this, std::make_unique<SceneMenu>(), {20, 20}, BottomLeft);
    place(*this, std::make_unique<CreditsEmblem>(), {-60, 30}, BottomRight);
    colourPicker =
        place(*this, std::make_unique<ColourPicker>(backgroundColour.data()), {80, -80}, TopLeft);
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
    for (auto& widget : widgets) {
        widget->layout(width, height);
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
