#include "surfaces/klein/klein_scene_settings.h"

namespace tessivo {

StageSetting rectangleSetting(double sliderValue) {
    if (sliderValue < 0.5) {
        return {Rolling, 2.0 * sliderValue};
    }
    return {Closing, 2.0 * sliderValue - 1.0};
}

double labelProgress(double dialAngle) {
    // 1 / (4 pi): half a unit of progress per turn.
    return dialAngle * 0.07957747154594767 + 0.07;
}

} // namespace tessivo
