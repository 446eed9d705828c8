#pragma once

#include <string>
#include <vector>

namespace tessivo {

// The exhibit's command-line arguments (without the program name) that the query of the page's
// address asks for: "?scenes=KleinBottle1,KleinBottle3&lang=en&scale=1.5&idle-reset=60&attract=0"
// gives --scenes, --language, --scale, --idle-reset and --attract with those values, in the order
// they appear; tour, texts, captions and max-fps give --tour, --texts, --captions and --max-fps
// (max-fps=0 lifts the exhibit's pace, for measuring the page's frame rate). Values are
// percent-decoded and '+' reads as a space. Names the page does not offer and names without a
// value are left out, so that the exhibit's defaults hold for them; the values themselves are
// judged by the exhibit.
//
// The controls are laid out for fingers (--touch, at the end) where the browser's pointer is
// coarse, unless the address says "touch=0"; "touch=1" asks for them with any pointer.
std::vector<std::string> exhibitArguments(const std::string& query, bool coarsePointer = false);

// The decoded value of the last pair of the query with that name, or "" when there is none.
std::string queryValue(const std::string& query, const std::string& name);

// Whether the address asks for the frame profile ("profile=1"), which the page prints to the
// console once a second.
bool profileAsked(const std::string& query);

} // namespace tessivo
