#pragma once

#include "app/captions_file.h"

#include <functional>
#include <string>

namespace tessivo {

// Reads the captions file named by --captions into text; false with a one-line reason.
using CaptionsReader =
    std::function<bool(const std::string& name, std::string& text, std::string& reason)>;

// The exhibition program: parses its options (see exhibitHelpText), opens the window full
// screen or at --window's size, and runs the shell with the exhibition's settings: the overlay
// scale, the paced frames, the return to the start after the idle time, the slow turn and the
// tour while idle, the scene's title and help, the visitor-proof keys and the cursor that
// hides. Returns 2 after a one-line message on standard error for a bad option or captions
// file, 0 after --help; otherwise runs until the staff quit. The captions file is read with
// readCaptions (a page has no files of its own).
int runExhibit(int argc, char** argv, const CaptionsReader& readCaptions = readCaptionsFile);

// The stages of a finger's touch, as a touch screen reports them.
enum class TouchPhase { Start, Move, End, Cancel };

// A finger's touch on the running exhibit, at window coordinates (top-left origin): one finger
// is the pointer, two pinch the zoom (TouchGesture). The toolkit has no touch events; the web
// page delivers the browser's.
void exhibitTouch(TouchPhase phase, int id, int x, int y);

// A visitor zooms the running exhibit's view by factor (the mouse wheel, a trackpad).
void exhibitZoom(double factor);

// Whether something moves in the running exhibit (the object turns, the tour plays, a menu
// unfolds, a text fades), so that frames follow one another at the exhibit's pace.
bool exhibitMoving();

} // namespace tessivo
