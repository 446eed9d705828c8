#pragma once

#include <string>
#include <vector>

namespace tessivo {

// The exhibit's command-line arguments (without the program name) that the query of the page's
// address asks for: "?scenes=KleinBottle1,KleinBottle3&lang=en&scale=1.5&idle-reset=60&attract=0"
// gives --scenes, --language, --scale, --idle-reset and --attract with those values, in the order
// they appear; tour, texts and captions give --tour, --texts and --captions. Values are
// percent-decoded and '+' reads as a space. Names the page does not offer and names without a
// value are left out, so that the exhibit's defaults hold for them; the values themselves are
// judged by the exhibit.
//
// The controls are laid out for fingers (--touch, at the end) where the browser's pointer is
// coarse, unless the address says "touch=0"; "touch=1" asks for them with any pointer.
std::vector<std::string> exhibitArguments(const std::string& query, bool coarsePointer = false);

} // namespace tessivo
