#pragma once

#include "math/vec2.h"
#include "ui/widget.h"

#include <memory>
#include <vector>

namespace tessivo {

class PointerHandler;

// The ordered controls of one scene. Controls added first win hit tests; controls added later
// are drawn on top.
class WidgetPanel {
public:
    // Starts with the standard controls that every scene has: the previous and next arrows, the
    // scene menu, the credits emblem and the hidden background-colour picker, in this order.
    WidgetPanel();
    WidgetPanel(const WidgetPanel&) = delete;
    WidgetPanel& operator=(const WidgetPanel&) = delete;

    // Appends the control; the panel owns it from now on. Returns it for the caller's
    // convenience (to set offset and anchor, or keep a non-owning pointer).
    template <class Control> Control* add(std::unique_ptr<Control> control) {
        Control* raw = control.get();
        widgets.push_back(std::move(control));
        return raw;
    }

    // Every control back to its start values, the colour picker hidden.
    void reset();
    // Places every control for an overlay of width x height units.
    void layout(int width, int height);

    // Draws the controls that are not hidden, in order, with lighting and depth testing off.
    // The GL state it changes is restored afterwards.
    void draw();
    // Whether a control that is drawn (not hidden) animates: a hidden one does not step.
    bool animating() const;

    // The first control's answer, in the order added, that is not nullptr. Hidden controls
    // answer too unless the overlay settings say otherwise.
    PointerHandler* target(const Vec2& p);

    // The controls that the scene added after the standard ones: how many, and control k
    // (counted from 0 in the order added), or nullptr outside that range.
    int sceneControlCount() const;
    Widget* sceneControl(int k) const;

    std::vector<std::unique_ptr<Widget>> widgets;
    // The background-colour control, also held in widgets; nullptr while the panel has none.
    Widget* colourPicker = nullptr;

private:
    std::size_t standardControlCount = 0;
};

} // namespace tessivo
