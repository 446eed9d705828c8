// The parts of the snapshot program that work on a scene already built: setting its controls
// and rendering one frame. They live apart from runSnapshot so that code which only needs these
// (the unit tests) does not link the program's static scene objects along with it.

#include "app/snapshot.h"

#include "app/gl_errors.h"
#include "app/shell.h"
#include "app/snapshot_options.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/choice_row.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <sstream>

namespace tessivo {

namespace {

std::string numberText(double v) {
    std::ostringstream text;
    text << v;
    return text.str();
}

} // namespace

std::string applyControlSetting(Scene& scene, const ControlSetting& setting) {
    const std::string which =
        "control " + std::to_string(setting.index) + " of scene '" + scene.identifier + "'";
    Widget* control = scene.panel->sceneControl(setting.index);
    if (!control) {
        return "scene '" + scene.identifier + "' has no control " + std::to_string(setting.index) +
               " (its controls are numbered 0 to " +
               std::to_string(scene.panel->sceneControlCount() - 1) + ")";
    }
    const double v = setting.value;
    if (auto* slider = dynamic_cast<Slider*>(control)) {
        if (!(v >= slider->minValue && v <= slider->maxValue)) {
            return "bad value " + numberText(v) + " for " + which + ": a slider from " +
                   numberText(slider->minValue) + " to " + numberText(slider->maxValue);
        }
        slider->value = v;
    } else if (auto* dial = dynamic_cast<Dial*>(control)) {
        dial->setAngle(v);
    } else if (auto* row = dynamic_cast<ChoiceRow*>(control)) {
        if (v != std::floor(v) || v < 0 || v >= row->itemCount) {
            return "bad value " + numberText(v) + " for " + which + ": a row of items 0 to " +
                   std::to_string(row->itemCount - 1);
        }
        row->setSelected(static_cast<int>(v));
    } else {
        return which + " is a button and has no value to set";
    }
    return "";
}

RgbImage renderScene(Scene& scene, int width, int height, bool withControls) {
    SceneRegistry& registry = SceneRegistry::instance();
    registry.clearShowList();
    registry.appendToShowList(scene.identifier);
    reshapeCallback(width, height);
    scene.initGL();
    if (withControls) {
        drawFrame(scene);
    } else {
        drawView(scene);
    }
    glFinish();
    reportFrameGlErrors(scene.identifier);

    RgbImage image(width, height);
    std::vector<unsigned char> bottomUp(image.pixels.size());
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        std::copy_n(&bottomUp[(height - 1 - y) * row], row, image.at(0, y));
    }
    return image;
}

} // namespace tessivo
