#include "app/tour_timing.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

// Slow at both ends, as a hand starts and stops.
double eased(double s) {
    return s * s * (3.0 - 2.0 * s);
}

double progressOf(const TourMove& move, double phase) {
    if (move.to <= move.from) {
        return 1.0;
    }
    return std::clamp((phase - move.from) / (move.to - move.from), 0.0, 1.0);
}

} // namespace

TourMoment tourMomentAt(int elapsedMs, int msPerScene, int sceneCount) {
    TourMoment moment;
    moment.visit = elapsedMs / msPerScene;
    moment.scene = moment.visit % sceneCount;
    moment.phase = static_cast<double>(elapsedMs % msPerScene) / msPerScene;
    return moment;
}

std::optional<double> tourSetting(const std::vector<TourMove>& moves, int control, double phase) {
    const TourMove* deciding = nullptr;
    for (const TourMove& move : moves) {
        const bool setsControl = move.control == control && move.kind != TourMoveKind::Press;
        if (setsControl && move.from <= phase && (!deciding || move.from >= deciding->from)) {
            deciding = &move;
        }
    }
    if (!deciding) {
        return std::nullopt;
    }
    const double s = progressOf(*deciding, phase);
    switch (deciding->kind) {
    case TourMoveKind::Choose:
        return deciding->end;
    case TourMoveKind::ColourRegions:
        return std::floor(deciding->start + (deciding->end - deciding->start) * s + 1e-9);
    default:
        return deciding->start + (deciding->end - deciding->start) * eased(s);
    }
}

int tourPresses(const std::vector<TourMove>& moves, int control, double phase) {
    return static_cast<int>(std::count_if(moves.begin(), moves.end(), [&](const TourMove& move) {
        return move.kind == TourMoveKind::Press && move.control == control && move.from <= phase;
    }));
}

} // namespace tessivo
