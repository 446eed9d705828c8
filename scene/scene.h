#pragma once

#include "math/vec2.h"
#include "scene/scene_caption.h"
#include "scene/scene_wording.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace tessivo {

class PointerHandler;
class RotationController;

// The background colour of every scene, three channels 0..255. Process-wide so that a colour
// chosen with the picker of one scene holds in all of them.
extern std::array<int, 3> backgroundColour;
// The background the program starts with, and the one the exhibit returns to.
constexpr std::array<int, 3> startBackgroundColour = {9, 48, 75};

// One demonstration: a named 3D presentation with a caption and its panel of controls. The base
// fixes what all scenes share: registration under an identifier, the panel, the perspective
// view, the light, the background clear, the handler under the pointer and picking.
//
// Scenes are built once by static initialisation and live for the whole run. A concrete scene
// adds its controls to panel in its constructor and draws its object in display().
class Scene {
public:
    // Stores the identifier and the texts, creates the panel (with the standard controls) and
    // registers the scene under the identifier. Without texts both titles are the identifier
    // and there is no help.
    explicit Scene(const std::string& identifier);
    Scene(const std::string& identifier, SceneWording wording);
    virtual ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The caption shown in the scene menu, and the same in English: the wording's unless a
    // scene overrides them.
    virtual std::string title() const { return wording.title; }
    virtual std::string englishTitle() const { return wording.englishTitle; }
    // The caption in the language of the overlay settings, or the curator's title.
    std::string menuTitle() const;

    // One sentence for the visitor: what the scene's controls do, and that a drag elsewhere
    // turns the object. The wording's unless a scene overrides it; in Italian, and in English.
    virtual std::string help() const { return wording.help; }
    virtual std::string englishHelp() const { return wording.englishHelp; }
    // The help in the language of the overlay settings, or the curator's.
    std::string helpLine() const;

    // Back to how the scene was built: every control at its start values, the object at its
    // start attitude and at rest. Scenes with state beyond their controls restore it too.
    virtual void resetToStart();

    // Perspective view of 45 degrees, depth range 1..20, for a width x height viewport (see
    // multiplyViewProjection for the exhibition's view). The view keeps clear of the controls
    // that the panel's last layout put at the bottom, so callers lay the panel out first.
    virtual void reshape(int width, int height);

    // Lighting, depth test and the positional light above and behind the viewer.
    virtual void initGL();

    // Called on the outgoing and the incoming scene when the current scene changes. Closes a
    // menu or emblem that a press pinned open, so that no scene comes back with one open.
    virtual void onSwitch();

    // Draws the 3D content; must leave the modelview matrix as it found it.
    virtual void display() {}

    // Whether the next frame of the scene can differ from the last one without any input: the
    // object spins, or a control that is drawn animates. Scenes with movements of their own
    // add them.
    virtual bool animating();

    // Clears colour and depth to backgroundColour.
    virtual void clear();

    // What pick() draws in selection mode.
    virtual void drawForPicking() { display(); }

    // The controller that turns this scene's object.
    virtual RotationController* rotation() = 0;

    // The control that claims p, else the rotation controller.
    virtual PointerHandler* target(const Vec2& p);

    // The selection name of the nearest named part under a 5x5 window-pixel region at the
    // pointer that the shell reported as the overlay point p, or 0 when the nearest part is
    // unnamed or nothing is hit.
    int pick(const Vec2& p);

    // Multiplies the current GL matrix by the orientation of rotation().
    void applyRotation();

    const std::string identifier;
    const SceneWording wording;
    std::unique_ptr<WidgetPanel> panel;
    // The curator's texts for this scene, when the exhibit was given some.
    std::optional<SceneCaption> caption;

private:
    // The window pixels at the bottom that the panel's controls take from the view.
    double viewFloorPixels() const;
};

// The name stack's bottom entry, meaning "no named part".
constexpr GLuint unnamedPart = 0xFFFF;

// The winning name of a selection buffer holding hits records: the record with the smallest
// minimum depth (the earlier one on a tie), its last name, or unnamedPart when its name list is
// empty. Returns 0 when hits <= 0, when the winner is unnamed, or when the records do not fit
// in the bufferSize entries.
int nearestHitName(const GLuint* buffer, int bufferSize, int hits);

} // namespace tessivo
