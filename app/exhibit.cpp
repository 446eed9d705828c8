#include "app/exhibit.h"

#include "app/captions_file.h"
#include "app/exhibit_options.h"
#include "app/exhibit_tour.h"
#include "app/frame_demand.h"
#include "app/frame_pacer.h"
#include "app/heap_trim.h"
#include "app/help_fade.h"
#include "app/idle_watch.h"
#include "app/layout_report.h"
#include "app/program.h"
#include "app/scene_texts.h"
#include "app/shell.h"
#include "app/static_objects.h"
#include "app/touch_gesture.h"
#include "scene/clock.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "scene/view_projection.h"

#include <GL/glut.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessivo {

namespace {

// Ctrl+Q reaches the keyboard callback as the control character 17.
constexpr unsigned char controlQ = 17;
// The toolkit reports a notch of the mouse wheel as a press of button 3 (away from the user)
// or 4 (towards); each notch zooms by a tenth.
constexpr int wheelAway = 3;
constexpr int wheelTowards = 4;
constexpr double zoomPerNotch = 1.1;

struct ExhibitRun {
    ExhibitOptions options;
    IdleWatch watch;
    FramePacer pacer;
    FrameDemand frames;
    ExhibitTour tour;
    HelpFade help;
    TouchGesture fingers;
    bool cursorHidden = false;
    // Each arming of the frame timer has a number of its own. A timer armed before the latest
    // (the long wait of a rest, overtaken by input) fires with a stale number and does nothing.
    int timerNumber = 0;
    // No frame is coming: the toolkit's loop sleeps until input, a new size or an alarm.
    bool resting = false;
    // The first frame has been asked for: the tour runs from there, not from before the
    // window opened.
    bool showing = false;
};

// Process-wide, because the toolkit's callbacks have no context argument.
std::unique_ptr<ExhibitRun> run;

void setAttract(double degreesPerSecond) {
    if (Scene* scene = currentScene()) {
        scene->rotation()->spin = {degreesPerSecond / 1000.0, 0.0};
    }
}

void frameTick(int timerNumber);

void armFrameTimer(int delayMs) {
    // Sixty a second run past the largest int in about 400 days.
    run->timerNumber = run->timerNumber == INT_MAX ? 0 : run->timerNumber + 1;
    glutTimerFunc(static_cast<unsigned>(delayMs), frameTick, run->timerNumber);
}

// Input or a new window size: a frame soon, however long the exhibit has rested.
void wake() {
    resumeAnimationClock();
    run->frames.markChanged();
    if (run->resting) {
        run->resting = false;
        armFrameTimer(0);
    }
}

// Nothing moves and nothing has changed: no frame, the animations' time held, and no timer
// but the one for the next alarm.
void rest(int now) {
    holdAnimationClock();
    run->resting = true;
    run->pacer.restart();
    if (const std::optional<int> wait = run->frames.millisecondsToAlarm(now)) {
        armFrameTimer(std::max(1, *wait));
    }
}

// The tour has turned the object of every scene it showed.
void stopAttract() {
    const SceneRegistry& registry = SceneRegistry::instance();
    for (int i = 0; i < registry.count(); ++i) {
        registry.sceneAt(i)->rotation()->spin = {0.0, 0.0};
    }
}

// From the start, and from each return to it: the tour plays and the help shows afresh. The
// tour moves the controls by the animations' clock, as a visitor's hand would be followed.
void beginIdleShow() {
    run->tour.start(nowMilliseconds());
    run->help.restart();
    run->help.showScene(currentScene());
}

// Any input ends the slow turn of the idle object and the tour, and starts the help's hold;
// a pointer motion brings the cursor back.
void visitorInput(bool motion) {
    wake();
    const int now = wallClockMilliseconds();
    if (run->watch.attracting() && run->options.attractDegreesPerSecond > 0.0) {
        stopAttract();
    }
    run->tour.stop();
    run->help.showScene(currentScene());
    run->help.noteInput(now);
    if (motion) {
        run->watch.noteMotion(now);
    } else {
        run->watch.noteInput(now);
    }
    if (motion && run->cursorHidden) {
        glutSetCursor(GLUT_CURSOR_INHERIT);
        run->cursorHidden = false;
    }
}

void exhibitMouse(int button, int state, int x, int y) {
    if (button == wheelAway || button == wheelTowards) {
        if (state == GLUT_DOWN) {
            exhibitZoom(button == wheelAway ? zoomPerNotch : 1.0 / zoomPerNotch);
        }
        return;
    }
    visitorInput(false);
    mouseCallback(button, state, x, y);
}

void exhibitReshape(int width, int height) {
    wake();
    reshapeCallback(width, height);
    if (run->options.printLayout) {
        std::fputs(layoutReport().c_str(), stdout);
        std::fflush(stdout);
    }
}

void exhibitMotion(int x, int y) {
    visitorInput(true);
    motionCallback(x, y);
}

void exhibitPassiveMotion(int x, int y) {
    visitorInput(true);
    passiveMotionCallback(x, y);
}

bool isStaffQuitChord(unsigned char key) {
    const int modifiers = glutGetModifiers();
    const bool controlAndAlt =
        (modifiers & GLUT_ACTIVE_CTRL) != 0 && (modifiers & GLUT_ACTIVE_ALT) != 0;
    return controlAndAlt && (key == controlQ || key == 'q' || key == 'Q');
}

void exhibitKeyboard(unsigned char key, int x, int y) {
    visitorInput(false);
    if (isStaffQuitChord(key)) {
        std::exit(0);
    }
    if (run->options.staffKeys) {
        keyboardCallback(key, x, y);
    }
}

void exhibitSpecial(int key, int x, int y) {
    visitorInput(false);
    const bool quitKey = key == GLUT_KEY_F1 || key == GLUT_KEY_F2 || key == GLUT_KEY_F3;
    if (quitKey && !run->options.staffKeys) {
        return;
    }
    specialCallback(key, x, y);
}

void frameTick(int timerNumber) {
    if (timerNumber != run->timerNumber) {
        return;
    }
    resumeAnimationClock();
    const int now = wallClockMilliseconds();
    if (!run->showing) {
        run->showing = true;
        if (run->watch.attracting()) {
            beginIdleShow();
        }
    } else if (run->watch.takeResetDue(now)) {
        returnToStart();
        beginIdleShow();
        run->frames.markChanged();
    }
    run->tour.advance(nowMilliseconds());
    run->help.showScene(currentScene());
    if (run->watch.attracting() && run->options.attractDegreesPerSecond > 0.0) {
        setAttract(run->options.attractDegreesPerSecond);
    }
    if (!run->cursorHidden && run->watch.cursorHidden(now)) {
        glutSetCursor(GLUT_CURSOR_NONE);
        run->cursorHidden = true;
    }
    if (!run->frames.takeFrameDue()) {
        rest(now);
        return;
    }
    run->resting = false;
    glutPostRedisplay();
    // The toolkit fires a timer of 0 ms in the same pass as this one, before the frame asked
    // for here is drawn, and the two frames would be one: a due frame waits 1 ms instead.
    armFrameTimer(std::max(1, run->pacer.nextDelay(now)));
}

// What moves the picture, and what wakes the exhibit while it stands still.
void watchForFrames(FrameDemand& frames) {
    frames.addMovement([] {
        Scene* scene = currentScene();
        return scene != nullptr && scene->animating();
    });
    frames.addMovement([] { return run->tour.playing(); });
    frames.addMovement([] { return run->help.fading(wallClockMilliseconds()); });
    frames.addAlarm([](int now) { return run->help.millisecondsToFade(now); });
    frames.addAlarm([](int now) { return run->watch.millisecondsToReset(now); });
    frames.addAlarm([](int now) -> std::optional<int> {
        if (run->cursorHidden) {
            return std::nullopt;
        }
        return run->watch.millisecondsToCursorHide(now);
    });
}

std::vector<std::string> registeredIdentifiers() {
    std::vector<std::string> identifiers;
    for (const Scene* scene : SceneRegistry::instance().registeredScenes()) {
        identifiers.push_back(scene->identifier);
    }
    return identifiers;
}

bool hasArgument(int argc, char** argv, const std::string& wanted) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == wanted) {
            return true;
        }
    }
    return false;
}

void drawExhibitTexts(const Scene& scene) {
    drawSceneTexts(scene, run->help.opacity(wallClockMilliseconds()));
}

void applySettings(const ExhibitOptions& options) {
    OverlaySettings& overlay = overlaySettings();
    overlay.scale = options.scale > 0.0 ? options.scale : 1.0;
    overlay.englishTitles = options.englishTitles;
    // Nothing is drawn where the hidden colour picker lies: a visitor must not change the
    // background there unawares.
    overlay.hiddenControlsTakePointer = false;
    overlay.tapOpens = true;
    overlay.fitsWindow = true;
    overlay.touch = options.touch;
    viewSettings().keepsObjectWhole = true;
    ShellState& shell = shellState();
    shell.overlayFollowsHeight = options.scale <= 0.0;
    shell.pacedFrames = true;
    shell.drawTexts = options.showTexts ? drawExhibitTexts : nullptr;
}

// The curator's texts for the scenes they name; false after a one-line message.
bool loadCaptions(const std::string& fileName, const CaptionsReader& readFile) {
    std::string text, reason;
    if (!readFile(fileName, text, reason)) {
        std::fprintf(stderr, "tessivo-exhibit: %s\n", reason.c_str());
        return false;
    }
    const ParsedCaptions parsed = parseCaptions(text, fileName, registeredIdentifiers());
    if (!parsed.ok()) {
        std::fprintf(stderr, "tessivo-exhibit: %s\n", parsed.error.c_str());
        return false;
    }
    for (const auto& [identifier, caption] : parsed.captions) {
        SceneRegistry::instance().find(identifier)->caption = caption;
    }
    return true;
}

// geometryGiven: the toolkit's -geometry places and sizes the window before it goes full
// screen, which picks the monitor on a desktop of several.
void openWindow(const ExhibitOptions& options, bool geometryGiven) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    const bool fullScreen = options.windowWidth == 0;
    if (!fullScreen) {
        glutInitWindowSize(options.windowWidth, options.windowHeight);
    } else if (!geometryGiven) {
        glutInitWindowPosition(0, 0);
        glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    }
    glutCreateWindow("Tessivo");
    if (fullScreen) {
        glutFullScreen();
    }
}

void buildShowList(const ExhibitOptions& options) {
    SceneRegistry& registry = SceneRegistry::instance();
    registry.clearShowList();
    if (options.scenes.empty()) {
        registry.buildShowList();
        return;
    }
    for (const std::string& identifier : options.scenes) {
        registry.appendToShowList(identifier);
    }
}

void dispatch(const TouchGesture::Action& action) {
    const int x = static_cast<int>(action.point.x);
    const int y = static_cast<int>(action.point.y);
    switch (action.kind) {
    case TouchGesture::Action::Press:
        passiveMotionCallback(x, y); // a finger has not hovered where it lands
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        break;
    case TouchGesture::Action::Drag:
        motionCallback(x, y);
        break;
    case TouchGesture::Action::Release:
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
        break;
    case TouchGesture::Action::Cancel:
        cancelPress();
        break;
    case TouchGesture::Action::Zoom:
        zoomView(action.factor);
        break;
    }
}

} // namespace

void exhibitZoom(double factor) {
    if (!run) {
        return;
    }
    visitorInput(false);
    zoomView(factor);
}

bool exhibitMoving() {
    return run && run->frames.moving();
}

void exhibitTouch(TouchPhase phase, int id, int x, int y) {
    if (!run) {
        return;
    }
    visitorInput(phase == TouchPhase::Move);
    TouchGesture& fingers = run->fingers;
    const Vec2 point{static_cast<double>(x), static_cast<double>(y)};
    std::vector<TouchGesture::Action> actions;
    switch (phase) {
    case TouchPhase::Start:
        actions = fingers.start(id, point);
        break;
    case TouchPhase::Move:
        actions = fingers.move(id, point);
        break;
    case TouchPhase::End:
        actions = fingers.end(id, point);
        break;
    case TouchPhase::Cancel:
        actions = fingers.cancel(id);
        break;
    }
    for (const TouchGesture::Action& action : actions) {
        dispatch(action);
    }
}

int runExhibit(int argc, char** argv, const CaptionsReader& readCaptions) {
    ensureStaticObjects();
    const ParsedExhibitOptions parsed = parseExhibitOptions(
        std::vector<std::string>(argv + 1, argv + argc), registeredIdentifiers());
    if (!parsed.ok()) {
        std::fprintf(stderr, "tessivo-exhibit: %s\n", parsed.error.c_str());
        return 2;
    }
    const ExhibitOptions& options = parsed.options;
    if (options.help) {
        std::fputs(exhibitHelpText().c_str(), stdout);
        return 0;
    }
    if (!options.captionsFile.empty() && !loadCaptions(options.captionsFile, readCaptions)) {
        return 2;
    }
    applySettings(options);
    keepHeapHeadroom();
    const bool geometryGiven = hasArgument(argc, argv, "-geometry");
    glutInit(&argc, argv);
    startToolkitClock();
    openWindow(options, geometryGiven);
    registerShellCallbacks();
    glutIdleFunc(nullptr);
    glutReshapeFunc(exhibitReshape);
    glutMouseFunc(exhibitMouse);
    glutMotionFunc(exhibitMotion);
    glutPassiveMotionFunc(exhibitPassiveMotion);
    glutKeyboardFunc(exhibitKeyboard);
    glutSpecialFunc(exhibitSpecial);

    buildShowList(options);
    startFirstScene();
    const int now = wallClockMilliseconds();
    run.reset(new ExhibitRun{options, IdleWatch(options.idleResetSeconds * 1000, now),
                             FramePacer(options.maxFramesPerSecond), FrameDemand(),
                             ExhibitTour(options.tourSeconds), HelpFade(), TouchGesture()});
    watchForFrames(run->frames);
    armFrameTimer(0);
    glutMainLoop();
    return 0;
}

} // namespace tessivo
