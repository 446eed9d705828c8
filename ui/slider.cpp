#include "ui/slider.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {
constexpr double margin = 10.0;       // pointer tolerance beside and below the track
constexpr double knobReach = 30.0;    // the zone reaches this far above the track
constexpr double grabDistance = 10.0; // a press this close to the knob grabs it

// Truncation toward zero, except that a position within a millionth of a pixel of a whole
// pixel is that pixel. The value of pixel px, mapped back, can land a hair below px (49 may
// come back as 48.99999999999999); plain truncation would then give px - 1, and since a drag
// moves the knob from the pixel of its own value, the knob would creep one pixel to the left
// on every event, even on a purely vertical drag.
int wholePixel(double position) {
    const double nearest = std::round(position);
    if (std::abs(position - nearest) < 1e-6) {
        return static_cast<int>(nearest);
    }
    return static_cast<int>(position);
}
} // namespace

bool Slider::contains(const Vec2& p) const {
    const Rect zone = bounds();
    return zone.left <= p.x && p.x <= zone.right && zone.bottom <= p.y && p.y <= zone.top;
}

Rect Slider::bounds() const {
    const double extra = std::max(0.0, touchSide - margin - knobReach) / 2.0;
    return {left() - margin, position.y - margin - extra, right() + margin,
            position.y + knobReach + extra};
}

void Slider::onPress(const Vec2& p) {
    dragging = true;
    if (std::abs(pixelOf(value) - p.x) > grabDistance) {
        value = clamp(valueOf(static_cast<int>(p.x)));
    }
    grabPoint = p;
}

void Slider::onDrag(const Vec2& p) {
    const int dx = static_cast<int>(p.x - grabPoint.x);
    grabPoint = p;
    value = clamp(valueOf(pixelOf(value) + dx));
}

void Slider::reset() {
    value = startValue;
    dragging = hover = false;
}

double Slider::left() const {
    return position.x - trackLength / 2.0;
}

double Slider::right() const {
    return left() + trackLength - 1.0;
}

int Slider::pixelOf(double v) const {
    const double range = maxValue - minValue;
    const double fraction = range != 0.0 ? (v - minValue) / range : 0.0;
    return wholePixel(left() + fraction * (trackLength - 1.0));
}

double Slider::valueOf(int px) const {
    const double pixels = trackLength - 1.0;
    if (pixels <= 0.0) {
        return minValue;
    }
    return minValue + (maxValue - minValue) * (px - left()) / pixels;
}

double Slider::clamp(double v) const {
    if (v < minValue) {
        return minValue;
    }
    if (v > maxValue) {
        return maxValue;
    }
    return v;
}

} // namespace tessivo
