#include "surfaces/moebius/strip_scene.h"

#include "math/angles.h"
#include "scene/rotation_controller.h"
#include "surfaces/drawing/appearance_row.h"
#include "surfaces/moebius/middle_piece_row.h"
#include "surfaces/moebius/wheel_button.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <cmath>
#include <memory>

namespace tessivo {

namespace {

// The band's colour as the appearance icons show it: taken in single precision, widened.
constexpr Vec3 bandIconColour{0.2f, 0.9f, 0.7f};

// Every control of the strip scenes sits on one line, 20 pixels above the bottom edge.
template <class Control>
Control* place(WidgetPanel& panel, std::unique_ptr<Control> control, double x) {
    return panel.place(std::move(control), {x, 20.0});
}

// Dials start half a turn round, at pi: a Moebius band.
Dial* placeDial(WidgetPanel& panel, double x) {
    Dial* dial = place(panel, std::make_unique<Dial>(), x);
    dial->setStartAngle(pi);
    return dial;
}

} // namespace

std::string StripScene::identifierOf(StripSceneKind kind) {
    switch (kind) {
    case StripSceneKind::SquareToBand:
        return "Moebius";
    case StripSceneKind::Wheels:
        return "Moebius2";
    case StripSceneKind::CutInTwo:
        return "Moebius3";
    case StripSceneKind::Sliding:
        return "Moebius4";
    case StripSceneKind::CutInThree:
        return "Moebius5";
    case StripSceneKind::Map:
        return "Moebius6";
    }
    return "";
}

SceneWording StripScene::wordingOf(StripSceneKind kind) {
    switch (kind) {
    case StripSceneKind::SquareToBand:
        return {
            "Dal quadrato al nastro di Moebius", "From the square to the Moebius strip",
            "Trascina il cursore: il quadrato si piega in un nastro; gira la manopola per "
            "dargli più mezzi giri. Trascina altrove per girarlo.",
            "Drag the slider: the square bends into a strip; turn the dial to give it more half "
            "twists. Drag anywhere else to turn it."};
    case StripSceneKind::Wheels:
        return {
            "Rotelline sul nastro", "Little wheels on the strip",
            "I pulsanti aggiungono una rotellina, ne tolgono una o le tolgono tutte; le icone "
            "cambiano l'aspetto del nastro. Trascina altrove per girarlo.",
            "The buttons add a wheel, take one away or clear them all; the icons change how the "
            "strip looks. Drag anywhere else to turn it."};
    case StripSceneKind::CutInTwo:
        return {
            "Nastro tagliato in due", "Strip cut in two",
            "Trascina il cursore: il nastro, tagliato lungo la linea di mezzo, si apre; la "
            "manopola cambia i mezzi giri. Trascina altrove per girarlo.",
            "Drag the slider: the strip, cut along its middle line, opens out; the dial changes "
            "its half twists. Drag anywhere else to turn it."};
    case StripSceneKind::Sliding:
        return {"Nastro che scorre su se stesso", "Strip sliding over itself",
                "Gira la manopola di sinistra: il nastro scorre su se stesso; quella di destra "
                "cambia i mezzi giri. Trascina altrove per girarlo.",
                "Turn the left dial: the strip slides over itself; the right dial changes its half "
                "twists. Drag anywhere else to turn it."};
    case StripSceneKind::CutInThree:
        return {"Nastro tagliato in tre", "Strip cut in three",
                "Trascina il cursore per tagliare il nastro in tre; le icone evidenziano o tolgono "
                "il pezzo di mezzo, la manopola cambia i mezzi giri. Trascina altrove per girarlo.",
                "Drag the slider to cut the strip in three; the icons highlight or take away the "
                "middle piece, the dial changes the half twists. Drag anywhere else to turn it."};
    case StripSceneKind::Map:
        return {"Mappa sul nastro", "Map on the strip",
                "Tocca una regione per colorarla e ancora per togliere il colore: ognuna delle sei "
                "confina con tutte le altre. Trascina fuori dalle regioni per girarlo.",
                "Tap a region to colour it and again to clear it: each of the six borders on all "
                "the others. Drag outside the regions to turn it."};
    }
    return {};
}

void StripScene::resetToStart() {
    Scene::resetToStart();
    strip.regionColours = {};
    rotating = false;
    if (kind == StripSceneKind::Wheels) {
        strip.clearWheels();
        strip.addWheel();
    }
}

int StripScene::modeOf(StripSceneKind kind) {
    switch (kind) {
    case StripSceneKind::SquareToBand:
        return 0;
    case StripSceneKind::Wheels:
        return 1;
    case StripSceneKind::CutInTwo:
        return 3;
    case StripSceneKind::Sliding:
        return 4;
    case StripSceneKind::CutInThree:
        return 5;
    case StripSceneKind::Map:
        return 6;
    }
    return -1;
}

StripScene::StripScene(StripSceneKind kind, RotationController& rotation)
    : Scene(identifierOf(kind), wordingOf(kind)), kind(kind), turn(rotation) {
    strip.mode = modeOf(kind);
    WidgetPanel& controls = *panel;
    switch (kind) {
    case StripSceneKind::SquareToBand:
    case StripSceneKind::CutInTwo:
        slider = place(controls, std::make_unique<Slider>(), 150);
        twistDial = placeDial(controls, 250);
        break;
    case StripSceneKind::Wheels: {
        auto button = [&](WheelButton::Action action, double x) {
            return place(controls, std::make_unique<WheelButton>(&strip, action), x);
        };
        plusButton = button(WheelButton::Action::Add, 100);
        minusButton = button(WheelButton::Action::Remove, 120);
        crossButton = button(WheelButton::Action::Clear, 140);
        appearanceRow = place(controls, std::make_unique<AppearanceRow>(bandIconColour), 210);
        // The band is closed and its twist never changes here: the frame the wheels roll on
        // is fixed from the start.
        strip.setTwistFromAngle(pi);
        strip.bend = 1.0;
        strip.cutSpread = strip.param;
        // One wheel from the start. The scene is built before the toolkit runs, when the
        // program clock still reads 0, and the toolkit's clock starts from 0 too: the wheel
        // stands at the end of the band when the first frame is drawn, as one added then
        // would.
        strip.addWheel();
        break;
    }
    case StripSceneKind::Sliding:
        twistDial = placeDial(controls, 250);
        phaseDial = placeDial(controls, 200);
        strip.param = 0.0;
        break;
    case StripSceneKind::CutInThree:
        slider = place(controls, std::make_unique<Slider>(), 150);
        twistDial = placeDial(controls, 250);
        middlePieceRow = place(controls, std::make_unique<MiddlePieceRow>(), 330);
        strip.param = 0.0;
        break;
    case StripSceneKind::Map:
        strip.param = 0.0;
        rotating = true;
        break;
    }
}

void StripScene::updateStrip() {
    switch (kind) {
    case StripSceneKind::SquareToBand:
    case StripSceneKind::CutInTwo:
        strip.param = slider->value;
        strip.setTwistFromAngle(twistDial->angle);
        break;
    case StripSceneKind::Wheels: {
        const int chosen = appearanceRow->selected;
        if (chosen != strip.appearance) {
            strip.listDirty = true;
        }
        strip.appearance = chosen;
        break;
    }
    case StripSceneKind::Sliding: {
        strip.setTwistFromAngle(twistDial->angle);
        const double turns = phaseDial->angle / (4.0 * pi);
        strip.param = turns - std::trunc(turns);
        break;
    }
    case StripSceneKind::CutInThree:
        strip.setTwistFromAngle(twistDial->angle);
        strip.param = slider->value;
        strip.middlePiece = middlePieceRow->selected;
        break;
    case StripSceneKind::Map:
        break;
    }
}

PointerHandler* StripScene::target(const Vec2& p) {
    if (kind != StripSceneKind::Map) {
        return Scene::target(p);
    }
    if (PointerHandler* control = panel->target(p)) {
        return control;
    }
    return this;
}

void StripScene::onPress(const Vec2& p) {
    if (kind == StripSceneKind::Map) {
        pressOnPart(p, pick(p));
    }
}

void StripScene::pressOnPart(const Vec2& p, int part) {
    if (kind != StripSceneKind::Map) {
        return;
    }
    if (part > 0) {
        rotating = false;
        if (part <= 6) {
            int& colour = strip.regionColours[static_cast<std::size_t>(part)];
            colour = colour < 1 ? part : 0;
        }
        return;
    }
    rotating = true;
    rotation()->onPress(p);
}

void StripScene::onDrag(const Vec2& p) {
    if (kind == StripSceneKind::Map && rotating) {
        rotation()->onDrag(p);
    }
}

void StripScene::onRelease(const Vec2& p) {
    if (kind == StripSceneKind::Map && rotating) {
        rotation()->onRelease(p);
    }
}

} // namespace tessivo
