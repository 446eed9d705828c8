#pragma once

#include "app/tour_move.h"

#include <optional>
#include <vector>

namespace tessivo {

// Where the tour stands: the show list's scenes one after another, each for the same time,
// then round again.
struct TourMoment {
    // How many scene times have begun before this one (0 for the first scene's first time).
    int visit = 0;
    // The entry of the show list on screen.
    int scene = 0;
    // How far into the scene's time, from 0 up to (not reaching) 1.
    double phase = 0.0;
};

// The moment elapsedMs (0 or more) after the tour began, with msPerScene (more than 0) for
// each of the sceneCount (more than 0) scenes.
TourMoment tourMomentAt(int elapsedMs, int msPerScene, int sceneCount);

// The setting that moves give control at phase: the latest of the control's moves that has
// begun decides; a Slide or Turn eases from its start to its end while it runs and holds its
// end afterwards, a ColourRegions move counts whole regions; a Choose move gives its item.
// None before the control's first move, when the control stands at its start.
std::optional<double> tourSetting(const std::vector<TourMove>& moves, int control, double phase);

// How many clicks the Press moves of control have made by phase.
int tourPresses(const std::vector<TourMove>& moves, int control, double phase);

} // namespace tessivo
