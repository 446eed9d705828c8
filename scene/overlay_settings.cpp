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

double overlayScaleForHeight(int height) {
    const double quarters = std::floor(height / 600.0 * 4.0) / 4.0;
    return std::clamp(quarters, 1.0, 8.0);
}

} // namespace tessivo
