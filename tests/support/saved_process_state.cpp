#include "tests/support/saved_process_state.h"

#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "surfaces/crosscap/cross_cap_scene.h"
#include "surfaces/moebius/strip_scene.h"
#include "ui/choice_row.h"
#include "ui/colour_picker.h"
#include "ui/credits_emblem.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"

namespace tessivo::testing {
namespace {

// The state a control keeps between events, by kind of control.
std::function<void()> controlRestorer(Widget* w) {
    if (auto* c = dynamic_cast<Slider*>(w)) {
        return [c, s = *c] { c->value = s.value, c->dragging = s.dragging, c->hover = s.hover; };
    }
    if (auto* c = dynamic_cast<Dial*>(w)) {
        return [c, s = *c] {
            c->angle = s.angle, c->spin = s.spin, c->lastTime = s.lastTime;
            c->lastPoint = s.lastPoint, c->dragging = s.dragging, c->hover = s.hover;
        };
    }
    if (auto* c = dynamic_cast<ChoiceRow*>(w)) {
        return [c, selected = c->selected, hovered = c->hovered] {
            c->selected = selected, c->hovered = hovered;
        };
    }
    if (auto* c = dynamic_cast<PushButton*>(w)) {
        return
            [c, hover = c->hover, pressed = c->pressed] { c->hover = hover, c->pressed = pressed; };
    }
    if (auto* c = dynamic_cast<ColourPicker*>(w)) {
        return [c, s = *c] {
            c->dragging = s.dragging, c->hover = s.hover, c->channelRow = s.channelRow;
            c->grabOffset = s.grabOffset;
        };
    }
    if (auto* c = dynamic_cast<SceneMenu*>(w)) {
        return [c, s = *c] {
            c->openness = s.openness, c->direction = s.direction, c->lastTime = s.lastTime;
            c->pointer = s.pointer, c->hovered = s.hovered;
        };
    }
    if (auto* c = dynamic_cast<CreditsEmblem*>(w)) {
        return
            [c, s = *c] { c->hover = s.hover, c->lastTime = s.lastTime, c->progress = s.progress; };
    }
    return [] {};
}

} // namespace

SavedProcessState::SavedProcessState()
    : currentIndex(SceneRegistry::instance().currentIndex()), shell(shellState()),
      overlay(overlaySettings()), view(viewSettings()), background(backgroundColour) {
    SceneRegistry& registry = SceneRegistry::instance();
    for (int i = 0; i < registry.count(); ++i) {
        showList.push_back(registry.sceneAt(i));
    }
    for (Scene* scene : registry.registeredScenes()) {
        saveScene(*scene);
    }
}

void SavedProcessState::saveScene(Scene& scene) {
    if (RotationController* rotation = scene.rotation()) {
        restorers.push_back([rotation, saved = *rotation] { *rotation = saved; });
    }
    for (const auto& widget : scene.panel->widgets) {
        Widget* w = widget.get();
        restorers.push_back(
            [w, hidden = w->hidden, position = w->position, restoreControl = controlRestorer(w)] {
                w->hidden = hidden;
                w->position = position;
                restoreControl();
            });
    }
    if (auto* strip = dynamic_cast<StripScene*>(&scene)) {
        restorers.push_back([strip, band = strip->strip, rotating = strip->rotating] {
            strip->strip = band;
            strip->rotating = rotating;
        });
    }
    if (auto* crossCap = dynamic_cast<CrossCapScene*>(&scene)) {
        restorers.push_back([crossCap, morph = crossCap->morph] { crossCap->morph = morph; });
    }
}

SavedProcessState::~SavedProcessState() {
    for (const auto& restore : restorers) {
        restore();
    }
    SceneRegistry& registry = SceneRegistry::instance();
    registry.clearShowList();
    for (Scene* scene : showList) {
        registry.appendToShowList(scene->identifier);
    }
    registry.setCurrent(currentIndex);
    shellState() = shell;
    overlaySettings() = overlay;
    viewSettings() = view;
    backgroundColour = background;
}

} // namespace tessivo::testing
