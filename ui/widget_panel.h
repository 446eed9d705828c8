#pragma once

#include "math/vec2.h"
#include "ui/overlay_layout.h"
#include "ui/widget.h"

#include <memory>
#include <vector>

namespace tessivo {

class CreditsEmblem;
class PointerHandler;
class SceneMenu;

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
    template <class WidgetType> WidgetType* add(std::unique_ptr<WidgetType> control) {
        WidgetType* raw = control.get();
        widgets.push_back(std::move(control));
        return raw;
    }
    // Appends the control at offset from the anchor's corner of the window.
    template <class WidgetType>
    WidgetType* place(std::unique_ptr<WidgetType> control, Vec2 offset, int anchor = BottomLeft) {
        control->offset = offset;
        control->anchor = anchor;
        return add(std::move(control));
    }

    // Every control back to its start values, the colour picker hidden.
    void reset();
    // Places every control for an overlay of width x height units: at their offsets from
    // their corners, or (for fingers, or where the overlay settings ask the controls to fit a
    // window that those places do not fit) in rows along the bottom edge, with the credits
    // emblem at the bottom-right or, when the row is too full, the top-right corner (on a
    // window taller than wide, at the right just above the rows).
    void layout(int width, int height);
    // Closes a menu or an emblem that a press pinned open.
    void closePinned();

    // Draws the controls that are not hidden, in order, with lighting and depth testing off.
    // The GL state it changes is restored afterwards.
    void draw();
    // Whether a control that is drawn (not hidden) animates: a hidden one does not step.
    bool animating() const;

    // The first control's answer, in the order added, that is not nullptr. Hidden controls
    // answer too unless the overlay settings say otherwise. A menu or emblem pinned open by a
    // press answers first, everywhere.
    PointerHandler* target(const Vec2& p);

    // The controls that the scene added after the standard ones: how many, and control k
    // (counted from 0 in the order added), or nullptr outside that range.
    int sceneControlCount() const;
    Widget* sceneControl(int k) const;

    std::vector<std::unique_ptr<Widget>> widgets;
    // The background-colour control, also held in widgets; nullptr while the panel has none.
    Widget* colourPicker = nullptr;
    // The standard menu and emblem, also held in widgets.
    SceneMenu* sceneMenu = nullptr;
    CreditsEmblem* creditsEmblem = nullptr;
    // The height, in overlay units, that the last layout's rows of controls take at the bottom
    // of the window: the 3D view keeps clear of it. 0 for the controls at their offsets.
    double viewFloor = 0.0;

private:
    // Whether the controls at their offsets lie inside the window and clear of each other.
    bool offsetsFit(int width, int height) const;
    void layOutInRows(int width, int height);
    // The controls of the bottom edge, from the left.
    std::vector<Widget*> rowControls() const;
    // What the row layout needs to know of this panel for a window of width x height units,
    // its controls sized for the overlay settings.
    RowLayoutRequest rowRequest(int width, int height);
    // The scene menu's list for the rows below it and the window.
    void fitMenu(int height, double gap);

    std::size_t standardControlCount = 0;
};

} // namespace tessivo
