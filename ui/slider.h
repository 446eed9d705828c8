#pragma once

#include "ui/control.h"

namespace tessivo {

// A horizontal track with a triangular knob hanging above it, pointing down. The knob's place
// on the track is a real value between minValue and maxValue; the scene that owns the slider
// reads value every frame, the slider notifies nobody.
//
// position is the centre of the track. The track covers trackLength whole pixels, from left()
// to right(); a value maps to one of those pixels and back.
class Slider : public Control {
public:
    // The track with 10 pixels to spare at each end and below, and 30 above, where the knob is;
    // for a finger, as much more above and below as makes the zone touchSide high.
    bool contains(const Vec2& p) const override;
    // The zone that contains answers, which holds the whole drawing.
    Rect bounds() const override;
    void draw() override;

    // A press more than 10 pixels from the knob makes it jump to the pressed pixel; a press
    // closer grabs the knob where it is.
    void onPress(const Vec2& p) override;
    // The knob follows the pointer's horizontal movement since the previous event in whole
    // pixels, stopping at the ends. Movement past an end is forgotten, so after an overshoot
    // the knob moves back at once with the pointer, and the two drift apart.
    void onDrag(const Vec2& p) override;
    void onRelease(const Vec2& /*p*/) override { dragging = false; }
    void reset() override;

    double left() const;
    double right() const;
    // The track pixel (truncated toward zero) of v; a value made by valueOf(px) gives px back
    // exactly. Values outside the range map beyond the ends. A range with minValue == maxValue
    // maps every value to left().
    int pixelOf(double v) const;
    // The value at the track pixel px, unclamped. A track of one pixel or less maps every
    // pixel to minValue.
    double valueOf(int px) const;
    // v limited to [minValue, maxValue].
    double clamp(double v) const;

    double minValue = 0.0;
    double maxValue = 1.0;
    // Kept in range by the pointer; an owner may set it to anything.
    double value = 0.0;
    // Where reset puts the knob.
    double startValue = 0.0;
    double trackLength = 100.0;
    // Pointer position at the last press or drag.
    Vec2 grabPoint;
    bool dragging = false;
};

} // namespace tessivo
