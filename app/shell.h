#pragma once

#include "math/vec2.h"
#include "scene/trail_sample.h"

#include <vector>

namespace tessivo {

class PointerHandler;
class Scene;

// The pointer state that all controls share, kept by the shell between the toolkit's callbacks.
struct ShellState {
    int windowWidth = 0;
    int windowHeight = 0;
    // Last pointer position in overlay coordinates (origin bottom-left, y up).
    Vec2 pointerPosition;
    // The handler that receives the pointer's events. It points into objects that live for the
    // whole run (scenes, their controls, rotation controllers), so it never dangles.
    PointerHandler* hoveredHandler = nullptr;
    // Samples of the current drag, from which the release velocity is computed.
    std::vector<TrailSample> motionTrail;
    // The window size and scene of the frame after which free heap pages were last handed back.
    int trimmedWidth = -1;
    int trimmedHeight = -1;
    const Scene* trimmedScene = nullptr;
    // The overlay scale follows the window's size at every reshape (overlayScaleForWindow).
    bool overlayFollowsHeight = false;
    // Frames come only from a paced timer: a drag does not ask for frames of its own.
    bool pacedFrames = false;
    // Draws what the exhibit writes over the view, under the controls; none in tessivo.
    void (*drawTexts)(const Scene& scene) = nullptr;
    // Told before a frame's 3D view and between it and the overlay; none in tessivo. The page
    // may draw the view at a lower resolution than the window, the overlay always at the
    // window's.
    void (*viewBegins)() = nullptr;
    void (*viewDrawn)() = nullptr;
};

// Process-wide, because the toolkit's callbacks are plain functions with no context argument.
ShellState& shellState();

// The toolkit's callbacks. Each asks the registry for the current scene and forwards to it or to
// the handler under the pointer; with no current scene they do nothing.
void displayCallback();
void reshapeCallback(int width, int height);
void mouseCallback(int button, int state, int x, int y);
void passiveMotionCallback(int x, int y);
void motionCallback(int x, int y);
void idleCallback();
void keyboardCallback(unsigned char key, int x, int y);
void specialCallback(int key, int x, int y);

// One frame of scene without the buffer swap: the 3D view (drawView), then the controls in the
// overlay over the whole window (skipped while the window has no area).
void drawFrame(Scene& scene);

// The scene's 3D content on a cleared window, starting from GL's initial material, so that a
// scene looks the same whatever was drawn before it.
void drawView(Scene& scene);

// The scene's controls over whatever is drawn (and under them the exhibit's texts, when it has
// some), in a projection of overlay units over the window, with lines as wide as a unit.
void drawOverlay(Scene& scene);

// Brings everything back to how the program started: every registered scene and its controls
// at their start values, the background colour, the view's zoom, the first scene of the show
// list, no handler under the pointer and no drag.
void returnToStart();

// Makes the handler under the pointer the hovered one: the old one gets onLeave, then the new
// one onEnter.
void refreshHover();

// Ends the press in progress as if the pointer had left the window before the release: the
// handler gets onRelease there, so no button is clicked, no fling follows, and the object does
// not spin from the drag. A second finger landing cancels the first one's press.
void cancelPress();

// Sets the view's zoom, within smallestZoom and largestZoom, and gives the current scene the
// new view; zoomView multiplies the zoom by factor.
void setViewZoom(double zoom);
void zoomView(double factor);

} // namespace tessivo
