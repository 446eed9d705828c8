#pragma once

#include "ui/control.h"

namespace tessivo {

// Three stacked tracks, red at the bottom, then green and blue 15 pixels apart, that edit the
// channels (0..255) of a colour, in practice the process-wide backgroundColour. Each track is a
// gradient from black to its channel's colour with the channel's value written beside it and
// a knob hanging above it.
//
// position is the centre of the red track. The row under the pointer is chosen by height
// alone, so a press anywhere in the zone picks a row; the row grabbed at the press stays for
// the whole drag.
class ColourPicker : public Control {
public:
    // channels points to the three ints edited; they must outlive the picker.
    explicit ColourPicker(int* channels) : channels(channels) {}

    // The tracks with 10 pixels to spare beside them and below, and the knobs above.
    bool contains(const Vec2& p) const override;
    // The zone that contains answers and the channels' labels beside it.
    Rect bounds() const override;
    void draw() override;

    // Shows from the first move over a row, not from entering.
    void onEnter() override {}
    void onMove(const Vec2& p) override;
    // Picks the row under the pointer and remembers how far the pointer is from that row's
    // knob, so that a drag moves the knob without making it jump to the pointer.
    void onPress(const Vec2& p) override;
    // Sets the grabbed channel from the pointer minus the grab offset, limited to 0..255.
    void onDrag(const Vec2& p) override;
    void onRelease(const Vec2& /*p*/) override { dragging = false; }
    // Not held, nothing under the pointer; the channels belong to whoever owns them.
    void reset() override;

    double left() const;
    double right() const;
    // Bottom of row r's bar (the bar is 4 pixels high).
    double barBottom(int row) const;
    // Track pixel of a channel value, truncated toward zero.
    int pixelOf(int channel) const;
    // Channel value at track pixel px, truncated toward zero and not limited to 0..255.
    int channelOf(int px) const;
    // The row at the pointer's height: 15-pixel bands truncated toward zero, so points from 15
    // pixels below position up to 15 above are row 0. Rows outside 0..2 select nothing.
    int rowOf(const Vec2& p) const;
    // Whether the labels are drawn white: the colour is dark (mean channel at most 127).
    bool lightLabels() const;

    int* channels;
    double trackWidth = 100.0;
    bool dragging = false;
    // The row under the pointer or grabbed: 0 red, 1 green, 2 blue; -1 before any.
    int channelRow = -1;
    // Knob-to-pointer distance at the press, in whole pixels.
    int grabOffset = 0;
};

} // namespace tessivo
