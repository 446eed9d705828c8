#pragma once

#include "math/rect.h"

#include <functional>
#include <string>
#include <vector>

namespace tessivo {

// One line of the exhibit's texts at the top of the window, in overlay units: the text in the
// stroke font scaled by size (overlay units per font unit), starting at left on its baseline.
struct TextLine {
    std::string text;
    double size = 0.0;
    double left = 0.0;
    double baseline = 0.0;
    // How far it reaches to the right of left.
    double width = 0.0;
    // A line of the help rather than the title.
    bool help = false;
};

// The width of text in the stroke font's units.
using TextMeasure = std::function<double(const std::string&)>;

// The width of the widest stretch centred on the middle of an overlay width units wide, from
// bottom to top, that shares no area with any obstacle and stays inside the overlay: 0 when an
// obstacle covers the middle itself.
double clearWidthAtCentre(double width, double bottom, double top,
                          const std::vector<Rect>& obstacles);

// text when it measures at most width, else its longest beginning, cut between characters and
// without the spaces and stops it would end in, followed by "..."; empty when not even the
// ellipsis fits.
std::string shortenedToFit(const std::string& text, double width, const TextMeasure& measure);

// The scene's title centred at the top of an overlay of width x height units, and its help
// under it, each line kept clear of the obstacles (the controls' areas): the title shrinks
// down to the help's size and is then shortened, the help is wrapped at spaces onto at most
// four lines, the last of them shortened. A line with no room is left out.
std::vector<TextLine> sceneTextLines(const std::string& title, const std::string& help,
                                     double width, double height,
                                     const std::vector<Rect>& obstacles,
                                     const TextMeasure& measure);

} // namespace tessivo
