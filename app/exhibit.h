#pragma once

namespace tessivo {

// The exhibition program: parses its options (see exhibitHelpText), opens the window full
// screen or at --window's size, and runs the shell with the exhibition's settings: the overlay
// scale, the paced frames, the return to the start after the idle time, the slow turn while
// idle, the visitor-proof keys and the cursor that hides. Returns 2 after a one-line message
// on standard error for a bad option, 0 after --help; otherwise runs until the staff quit.
int runExhibit(int argc, char** argv);

} // namespace tessivo
