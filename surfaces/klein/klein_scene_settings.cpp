#include "surfaces/klein/klein_scene_settings.h"

#include "math/angles.h"

namespace tessivo {

StageSetting rectangleSetting(double sliderValue) {
    if (sliderValue < 0.5) {
        return {Rolling, 2.0 * sliderValue};
    }
    return {Closing, 2.0 * sliderValue - 1.0};
}

double labelProgress(double dialAngle) {
    // Half a unit of progress per turn.
    return dialAngle * (0.25 / pi) + 0.07;
}

} // namespace tessivo
