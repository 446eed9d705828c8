#pragma once

namespace tessivo {

// The exhibition program: parses its options (see exhibitHelpText), opens the window full
// screen or at --window's size, and runs the shell with the exhibition's settings: the overlay
// scale, the paced frames, the return to the start after the idle time, the slow turn while
// idle, the visitor-proof keys and the cursor that hides. Returns 2 after a one-line message
// on standard error for a bad option, 0 after --help; otherwise runs until the staff quit.
int runExhibit(int argc, char** argv);

// The stages of a finger's touch, as a touch screen reports them.
enum class TouchPhase { Start, Move, End, Cancel };

// A finger's touch on the running exhibit, at window coordinates (top-left origin): one finger
// is the pointer, two pinch the zoom (TouchGesture). The toolkit has no touch events; the web
// page delivers the browser's.
void exhibitTouch(TouchPhase phase, int id, int x, int y);

// A visitor zooms the running exhibit's view by factor (the mouse wheel, a trackpad).
void exhibitZoom(double factor);

} // namespace tessivo
