#pragma once

#include <string>

namespace tessivo {

// Where the controls of every scene of the show list stand in the window as it is now, as the
// program itself laid them out: what tests and curators check a screen's layout by. Lines:
//
//   width W height H scale S ratio R current ID
//   target ID NAME X Y W H [VALUE]
//
// one target line per area that takes the pointer at rest (the menu's square, "previous",
// "next", "emblem", scene control k as "controlK", each item i of a row of choices as
// "controlK.itemI") and one per row i of the fully open menu ("menu.rowI"). Areas are in
// window pixels from the top-left corner; VALUE is a slider's value, a dial's angle or a
// row's selected item. Hidden controls are left out.
std::string layoutReport();

} // namespace tessivo
