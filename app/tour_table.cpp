#include "app/tour_table.h"

#include <utility>

namespace tessivo {

namespace {

TourMove slide(int control, double from, double to, double start, double end) {
    return {TourMoveKind::Slide, control, from, to, start, end};
}

TourMove turn(int control, double from, double to, double start, double end) {
    return {TourMoveKind::Turn, control, from, to, start, end};
}

TourMove choose(int control, double at, int item) {
    return {TourMoveKind::Choose, control, at, at, double(item), double(item)};
}

TourMove press(int control, double at) {
    return {TourMoveKind::Press, control, at, at, 0.0, 0.0};
}

TourMove colourRegions(double from, double to, int start, int end) {
    return {TourMoveKind::ColourRegions, mapRegions, from, to, double(start), double(end)};
}

// A slider up and back down, with a rest at the top.
std::vector<TourMove> slideUpAndBack(int control) {
    return {slide(control, 0.10, 0.45, 0, 1), slide(control, 0.60, 0.95, 1, 0)};
}

// Controls are numbered as each scene adds them: KleinBottle1 its slider (0); Moebius its
// slider (0) and twist dial (1); Moebius2 its plus (0), minus (1) and cross (2) buttons and
// its row (3); Moebius4 its twist (0) and phase (1) dials; Moebius5 slider (0), dial (1) and
// row (2); ProjectivePlane1 slider (0), surface row (1), boundary row (2) and the dial of the
// cross-section (3), which shows with the boundary's item 3; ProjectivePlane2 slider (0) and
// row (1); ring its cut slider (0), edge slider (1) and dial (2).
using Table = std::vector<std::pair<std::string, std::vector<TourMove>>>;

const Table& table() {
    static const Table moves = {
        // The rectangle rolls into a tube and closes into the bottle, and opens again.
        {"KleinBottle1", slideUpAndBack(0)},
        // Solid, striped, glass, solid.
        {"KleinBottle3", {choose(0, 0.30, 1), choose(0, 0.55, 2), choose(0, 0.85, 0)}},
        // Once round: the label comes back mirrored; twice: it reads right again.
        {"KleinBottle4", {turn(0, 0.05, 0.45, 0, 1), turn(0, 0.55, 0.95, 1, 2)}},
        // The bottle cut open into its two halves, unrolled, and closed again.
        {"KleinBottle5", slideUpAndBack(0)},
        // The square bent into the band, given a full turn more of twist and back.
        {"Moebius",
         {slide(0, 0.05, 0.30, 0, 1), turn(1, 0.35, 0.60, 0, 1), turn(1, 0.65, 0.75, 1, 0),
          slide(0, 0.80, 0.97, 1, 0)}},
        // Three wheels more, the three looks of the band, and back to one wheel.
        {"Moebius2",
         {press(0, 0.05), press(0, 0.15), press(0, 0.25), choose(3, 0.35, 1), choose(3, 0.55, 2),
          choose(3, 0.75, 0), press(1, 0.82), press(1, 0.88), press(1, 0.94)}},
        // The cut opened, the twist turned round and back, the cut closed.
        {"Moebius3",
         {slide(0, 0.05, 0.35, 0, 1), turn(1, 0.40, 0.65, 0, 1), turn(1, 0.68, 0.80, 1, 0),
          slide(0, 0.83, 0.97, 1, 0)}},
        // Two periods of the sliding, then the twist round and back.
        {"Moebius4",
         {turn(1, 0.05, 0.50, 0, 2), turn(0, 0.55, 0.75, 0, 1), turn(0, 0.77, 0.95, 1, 0)}},
        // The cut opened, the middle piece highlighted and taken away, the twist round.
        {"Moebius5",
         {slide(0, 0.05, 0.28, 0, 1), choose(2, 0.35, 1), choose(2, 0.48, 2), choose(2, 0.61, 0),
          turn(1, 0.66, 0.80, 0, 1), turn(1, 0.80, 0.90, 1, 0), slide(0, 0.90, 0.98, 1, 0)}},
        // The six regions coloured one by one, then cleared.
        {"Moebius6", {colourRegions(0.05, 0.65, 0, 6), colourRegions(0.75, 0.95, 6, 0)}},
        // The band into the cross-cap; the surface striped, hidden and solid; the boundary
        // coloured, then with the section that the dial runs once along it.
        {"ProjectivePlane1",
         {slide(0, 0.03, 0.22, 0, 1), choose(1, 0.28, 2), choose(1, 0.36, 0), choose(1, 0.44, 1),
          choose(2, 0.50, 2), choose(2, 0.56, 3), turn(3, 0.60, 0.86, 0, 1), choose(2, 0.90, 1),
          slide(0, 0.90, 0.98, 1, 0)}},
        // The band grown out to its circle, striped, hidden, solid, and shrunk again.
        {"ProjectivePlane2",
         {slide(0, 0.05, 0.40, 0, 1), choose(1, 0.46, 2), choose(1, 0.58, 0), choose(1, 0.70, 1),
          slide(0, 0.76, 0.96, 1, 0)}},
        // The band rolled once along itself, cut away and restored, its edge shortened.
        {"ring",
         {turn(2, 0.03, 0.30, 0, 1), slide(0, 0.34, 0.54, 0, 1), slide(0, 0.56, 0.74, 1, 0),
          slide(1, 0.77, 0.86, 0, 1), slide(1, 0.87, 0.97, 1, 0)}},
        // Each dual put together tile by tile into its solid, and taken apart again.
        {"tetratetra", slideUpAndBack(0)},
        {"cubeocta", slideUpAndBack(0)},
        {"icododeca", slideUpAndBack(0)},
    };
    return moves;
}

} // namespace

const std::vector<TourMove>* tourMoves(const std::string& sceneIdentifier) {
    for (const auto& [identifier, moves] : table()) {
        if (identifier == sceneIdentifier) {
            return &moves;
        }
    }
    return nullptr;
}

std::vector<std::string> touredScenes() {
    std::vector<std::string> identifiers;
    for (const auto& entry : table()) {
        identifiers.push_back(entry.first);
    }
    return identifiers;
}

} // namespace tessivo
