#pragma once

#include "ui/pointer_handler.h"
#include "ui/widget.h"

#include <array>

namespace tessivo {

// A horizontal row of itemCount icons, itemSpacing pixels apart and centred on position, of
// which one is selected, marked by a filled triangle below it. The item under the pointer gets
// an outlined triangle. The owning scene reads selected every frame; each use supplies the
// icons through drawItem.
class ChoiceRow : public Widget, public PointerHandler {
public:
    ChoiceRow(int itemCount, double itemSpacing) : itemCount(itemCount), itemSpacing(itemSpacing) {}

    void setSelected(int i) { selected = i; }
    // Selects item i, also as the item that reset returns to; a scene's constructor uses it.
    void setStartSelected(int i) { selected = startSelected = i; }

    // Strictly within 0.55 item spacings per item of the centre horizontally (a little beyond
    // the outer items' cells) and 20 pixels vertically; for a finger, the items stand
    // touchSide apart and the row is touchSide high.
    bool contains(const Vec2& p) const override;
    // The zone that contains answers, which holds the icons and the markers.
    Rect bounds() const override;
    // Also follows the pointer: hovered becomes the item under p, or -1 off the row. The panel
    // asks on every pointer movement, so the outline marker tracks the pointer.
    PointerHandler* target(const Vec2& p) override;
    void draw() override;

    // Draws the icon of item i centred on the origin of the current matrix.
    virtual void drawItem(int i) = 0;

    void onLeave() override { hovered = -1; }
    void reset() override {
        selected = startSelected;
        hovered = -1;
    }
    void onPress(const Vec2& p) override;

    // The distance between item centres: itemSpacing, or touchSide where that is larger.
    double spacing() const;
    // The x of item i's centre.
    double itemX(int i) const;
    // The part of the zone that selects item i.
    Rect itemCell(int i) const;
    // The item whose cell (one spacing wide) holds p.x, limited to the items of the row.
    int index(const Vec2& p) const;
    // The selection marker, relative to its apex 9 pixels below the item's centre.
    static std::array<Vec2, 3> markerCorners();

    int itemCount;
    double itemSpacing;
    int selected = 0;
    int startSelected = 0;
    // The item under the pointer, -1 for none.
    int hovered = -1;

private:
    // Half the zone's width and height.
    double halfWidth() const;
    double halfHeight() const;
};

} // namespace tessivo
