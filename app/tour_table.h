#pragma once

#include "app/tour_move.h"

#include <string>
#include <vector>

namespace tessivo {

// What the exhibit's tour does in each scene while no one is there: its controls moved
// through what they show, as a visitor's hand would move them, each visit ending with every
// control as it began (a dial a whole number of turns on, which looks the same). Nullptr for
// a scene the table does not know: the tour then only turns its object.
const std::vector<TourMove>* tourMoves(const std::string& sceneIdentifier);

// The identifiers of every scene in the table, in its order.
std::vector<std::string> touredScenes();

} // namespace tessivo
