#include "ui/colour_picker.h"

namespace tessivo {

namespace {
constexpr double margin = 10.0;
constexpr double knobReach = 40.0; // above position: the blue row's knob
constexpr double rowSpacing = 15.0;
constexpr int channelMax = 255;
// The channel labels start 6 pixels right of a track; the widest, "255", is three digits of the
// roman stroke font (each 104.76 font units wide) at a scale of 0.1.
constexpr double labelGap = 6.0;
constexpr double widestLabel = 3 * 104.76 * 0.1;

bool isRow(int row) {
    return row >= 0 && row <= 2;
}
} // namespace

bool ColourPicker::contains(const Vec2& p) const {
    return left() - margin <= p.x && p.x <= right() + margin && position.y - margin <= p.y &&
           p.y <= position.y + knobReach;
}

Rect ColourPicker::bounds() const {
    return {left() - margin, position.y - margin, right() + labelGap + widestLabel,
            position.y + knobReach};
}

void ColourPicker::reset() {
    dragging = hover = false;
    channelRow = -1;
}

void ColourPicker::onMove(const Vec2& p) {
    hover = true;
    channelRow = rowOf(p);
}

void ColourPicker::onPress(const Vec2& p) {
    dragging = true;
    channelRow = rowOf(p);
    if (isRow(channelRow)) {
        grabOffset = static_cast<int>(p.x - pixelOf(channels[channelRow]));
    }
}

void ColourPicker::onDrag(const Vec2& p) {
    if (!isRow(channelRow)) {
        return;
    }
    int channel = channelOf(static_cast<int>(p.x - grabOffset));
    if (channel < 0) {
        channel = 0;
    } else if (channel > channelMax) {
        channel = channelMax;
    }
    channels[channelRow] = channel;
}

double ColourPicker::left() const {
    return position.x - trackWidth / 2.0;
}

double ColourPicker::right() const {
    return left() + trackWidth - 1.0;
}

double ColourPicker::barBottom(int row) const {
    return position.y - 2.0 + rowSpacing * row;
}

int ColourPicker::pixelOf(int channel) const {
    return static_cast<int>(left() + channel / 255.0 * (trackWidth - 1.0));
}

int ColourPicker::channelOf(int px) const {
    return static_cast<int>((px - left()) * 255.0 / (trackWidth - 1.0));
}

int ColourPicker::rowOf(const Vec2& p) const {
    return static_cast<int>((p.y - position.y) / rowSpacing);
}

bool ColourPicker::lightLabels() const {
    return (channels[0] + channels[1] + channels[2]) / 3 <= 127;
}

} // namespace tessivo
