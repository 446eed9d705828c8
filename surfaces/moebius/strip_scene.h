#pragma once

#include "math/vec2.h"
#include "scene/scene.h"
#include "surfaces/moebius/strip_model.h"
#include "ui/pointer_handler.h"

#include <string>

namespace tessivo {

class AppearanceRow;
class Dial;
class MiddlePieceRow;
class RotationController;
class Slider;
class WheelButton;

// The six presentations of the Moebius band.
enum class StripSceneKind {
    SquareToBand, // "Moebius": a slider bends the unit square into the band, a dial twists it
    Wheels,       // "Moebius2": wheels rolling along the band, added and removed with buttons
    CutInTwo,     // "Moebius3": the band cut along its middle line, the halves drifting apart
    Sliding,      // "Moebius4": two full-width bands sliding across each other
    CutInThree,   // "Moebius5": the band cut in three, the outer pieces drifting apart
    Map,          // "Moebius6": six regions that a click colours
};

// One strip scene: the band of a StripModel drawn in the rendering of its kind, driven by the
// kind's controls, and turned by a rotation shared with the other strip scenes (so that the
// band keeps its attitude from one to the next).
//
// The scene is also a pointer handler. Only the map scene uses that part: there everything
// that is not a control comes to the scene, which colours the region under a press, and
// passes presses on borders and empty space, and the drags that follow them, to the rotation.
class StripScene : public Scene, public PointerHandler {
public:
    // Registers the scene under the kind's identifier and adds the kind's controls; the
    // rotation is not used before the first frame. Needs no GL.
    StripScene(StripSceneKind kind, RotationController& rotation);

    static std::string identifierOf(StripSceneKind kind);
    // The kind's titles and help, in Italian and in English.
    static SceneWording wordingOf(StripSceneKind kind);
    // The strip's drawing mode: 0 solid, 1 wheels, 3 cut in two, 4 sliding, 5 cut in three,
    // 6 map.
    static int modeOf(StripSceneKind kind);

    // Also takes every colour off the map and leaves the wheel scene with its one wheel,
    // starting now at the end of the band as at start.
    void resetToStart() override;
    RotationController* rotation() override { return &turn; }
    // The band at 10 units in front of the viewer, turned by the rotation, shaped by the
    // controls (updateStrip).
    void display() override;
    // Also while wheels roll.
    bool animating() override { return Scene::animating() || strip.wheelsRoll(); }
    // In the map scene, the scene itself wherever no control claims p; elsewhere the default
    // (a control, else the rotation).
    PointerHandler* target(const Vec2& p) override;

    // What a frame reads from the controls into the strip before drawing it:
    // - square to band, cut in two: param = slider, twist from the dial;
    // - wheels: the appearance row's choice, marking the cached band stale when it changes;
    // - sliding: twist from the first dial; param = the phase dial's angle / 4 pi less its
    //   integer part (toward zero), so one turn of the dial is one period, 0.5, of the motion;
    // - cut in three: twist from the dial, param = slider, middlePiece = the row's choice;
    // - map: nothing.
    void updateStrip();

    // The map scene's pointer handling; nothing in the other scenes.
    // A press picks the part of the band under p (Scene::pick) and goes on as pressOnPart.
    void onPress(const Vec2& p) override;
    void onDrag(const Vec2& p) override;
    void onRelease(const Vec2& p) override;
    // A press at p on the part named part (0: a border, an edge or empty space; 1..6: the
    // regions). A region toggles between uncoloured and its own colour and the press stops
    // there; anything else starts turning the object.
    void pressOnPart(const Vec2& p, int part);

    const StripSceneKind kind;
    StripModel strip;

    // The controls of the kind, owned by the panel; nullptr where the kind has none.
    Slider* slider = nullptr;  // bend (square to band) or cut spread
    Dial* twistDial = nullptr; // twist, snapping to multiples of pi
    Dial* phaseDial = nullptr; // sliding: the phase of the motion
    WheelButton* plusButton = nullptr;
    WheelButton* minusButton = nullptr;
    WheelButton* crossButton = nullptr;
    AppearanceRow* appearanceRow = nullptr;
    MiddlePieceRow* middlePieceRow = nullptr;

    // Map scene: the last press was not on a region, so drags turn the object.
    bool rotating = false;

private:
    RotationController& turn;
};

} // namespace tessivo
