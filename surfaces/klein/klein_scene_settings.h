#pragma once

#include "surfaces/klein/klein_spine.h"

namespace tessivo {

// What the Klein bottle scenes make of their controls' values.

// How the surface is drawn in the finished-bottle stage.
enum KleinDrawMode : int { SolidMode = 0, StripedMode = 1, GlassMode = 2 };

// What one frame of a Klein scene shows.
struct StageSetting {
    KleinStage stage = Rolling;
    double progress = 0.0;
    int drawMode = SolidMode;
};

// The rectangle scene's slider t in [0, 1]: its first half rolls the rectangle into a tube
// (rolling, progress 2t), its second half closes the tube into the bottle (closing,
// progress 2t - 1). t = 0.5 is the start of closing, which is the same shape as the end of
// rolling.
StageSetting rectangleSetting(double sliderValue);

// The label scene's dial: a full turn (2 pi) adds 0.5 to the progress, which moves the label
// once around the bottle's 100 rows; at rest (angle 0) the label sits at rows 14..24. Any
// finite angle gives a finite progress.
double labelProgress(double dialAngle);

} // namespace tessivo
