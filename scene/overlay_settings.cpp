#include "scene/overlay_settings.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

OverlaySettings& overlaySettings() {
    static OverlaySettings settings;
    return settings;
}

int overlayUnits(int pixels) {
    return static_cast<int>(pixels / overlaySettings().scale);
}

Vec2 windowPointOf(const Vec2& p) {
    // The shell gives the unit u for the pixels from u * scale up to (u + 1) * scale.
    const double scale = overlaySettings().scale;
    const double middle = (scale - 1.0) / 2.0;
    return {p.x * scale + middle, p.y * scale + middle};
}

double touchTarget() {
    constexpr double fingerSide = 44.0;
    const OverlaySettings& settings = overlaySettings();
    if (!settings.touch) {
        return 0.0;
    }
    if (settings.devicePixelRatio <= 0.0) {
        return fingerSide;
    }
    // Whole units, so that rows of whole units (the menu's) keep the whole side.
    return std::ceil(fingerSide * settings.devicePixelRatio / settings.scale - 1e-9);
}

double overlayScaleForWindow(int width, int height) {
    constexpr double narrowestUnits = 320.0;
    const double byWidth = std::floor(width / narrowestUnits * 4.0) / 4.0;
    const double widest = std::max(byWidth, overlaySettings().devicePixelRatio);
    return std::clamp(std::min(overlayScaleForHeight(height), widest), 1.0, 8.0);
}

double overlayScaleForHeight(int height) {
    const double quarters = std::floor(height / 600.0 * 4.0) / 4.0;
    return std::clamp(std::max(quarters, overlaySettings().devicePixelRatio), 1.0, 8.0);
}

} // namespace tessivo
