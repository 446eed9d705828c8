#pragma once

namespace tessivo {

// What the tour does to one control of a scene over a stretch of the scene's time.
enum class TourMoveKind {
    Slide,         // a slider, from one fraction of its range to another
    Turn,          // a dial, from one number of turns past its start angle to another
    Choose,        // a row of icons to one item, at the move's start
    Press,         // a button clicked once, at the move's start
    ColourRegions, // the map's regions coloured in order, from one count of them to another
};

// One move of the tour. Times are phases: fractions of the time the tour gives the scene.
struct TourMove {
    TourMoveKind kind;
    // Which of the scene's own controls, counted from 0 in the order the scene added them
    // (WidgetPanel::sceneControl); mapRegions for the regions of the map.
    int control;
    double from;
    // Where a Slide, Turn or ColourRegions move ends; a Choose or Press acts at from alone.
    double to;
    // The value at from and at to: a fraction of a slider's range, turns of a dial, a count
    // of regions. A Choose move's item is its end.
    double start;
    double end;
};

// The control of a ColourRegions move: the map has no control of its own.
constexpr int mapRegions = -1;

} // namespace tessivo
