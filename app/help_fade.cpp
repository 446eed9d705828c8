#include "app/help_fade.h"

#include "scene/clock.h"

namespace tessivo {

void HelpFade::showScene(const Scene* shown) {
    if (shown != scene) {
        scene = shown;
        touched = false;
    }
}

void HelpFade::noteInput(int now) {
    if (!touched) {
        touched = true;
        firstInput = now;
    }
}

double HelpFade::opacity(int now) const {
    if (!touched) {
        return 1.0;
    }
    const int since = millisecondsBetween(firstInput, now);
    if (since >= 0 && since < holdMs) {
        return 1.0;
    }
    // Negative only weeks later, past the clock's range: long gone.
    if (since < 0 || since >= holdMs + fadeMs) {
        return 0.0;
    }
    return 1.0 - static_cast<double>(since - holdMs) / fadeMs;
}

bool HelpFade::fading(int now) const {
    const double shown = opacity(now);
    return touched && shown > 0.0 && millisecondsBetween(firstInput, now) >= holdMs;
}

std::optional<int> HelpFade::millisecondsToFade(int now) const {
    if (!touched) {
        return std::nullopt;
    }
    const int since = millisecondsBetween(firstInput, now);
    if (since < 0 || since >= holdMs) {
        return std::nullopt;
    }
    return holdMs - since;
}

} // namespace tessivo
