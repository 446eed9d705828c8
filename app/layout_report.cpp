#include "app/layout_report.h"

#include "app/shell.h"
#include "math/stroke_text.h"
#include "scene/overlay_settings.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/choice_row.h"
#include "ui/credits_emblem.h"
#include "ui/dial.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"

#include <GL/glut.h>
#include <algorithm>
#include <cstdio>

namespace tessivo {

namespace {

// Numbers as the report writes them: up to six significant digits, no exponent for the sizes
// of a window. (No stream library: it would double the web page's download.)
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

class Report {
public:
    explicit Report(const Scene& scene) : scene(scene) {}

    void area(const std::string& name, const Rect& r, const std::string& value = "") {
        const ShellState& shell = shellState();
        const double scale = overlaySettings().scale;
        text += "target " + scene.identifier + ' ' + name + ' ' + number(r.left * scale) + ' ' +
                number(shell.windowHeight - r.top * scale) + ' ' + number(r.width() * scale) + ' ' +
                number(r.height() * scale);
        if (!value.empty()) {
            text += ' ' + value;
        }
        text += '\n';
    }

    std::string text;

private:
    const Scene& scene;
};

std::string valueOf(const Widget& control) {
    if (const auto* slider = dynamic_cast<const Slider*>(&control)) {
        return number(slider->value);
    }
    if (const auto* dial = dynamic_cast<const Dial*>(&control)) {
        return number(dial->angle);
    }
    if (const auto* row = dynamic_cast<const ChoiceRow*>(&control)) {
        return std::to_string(row->selected);
    }
    return "";
}

void reportControl(Report& report, const Widget& control, const std::string& name) {
    if (control.hidden) {
        return;
    }
    const std::string value = valueOf(control);
    if (const auto* row = dynamic_cast<const ChoiceRow*>(&control)) {
        for (int i = 0; i < row->itemCount; ++i) {
            report.area(name + ".item" + std::to_string(i), row->itemCell(i), value);
        }
        return;
    }
    report.area(name, control.bounds(), value);
}

// The rows of the menu as they stand fully open: where a press chooses each title.
void reportMenuRows(Report& report, const SceneMenu& menu) {
    const SceneRegistry& registry = SceneRegistry::instance();
    double widest = 0.0;
    for (int i = 0; i < registry.count(); ++i) {
        widest =
            std::max(widest, strokeTextWidth(GLUT_STROKE_ROMAN, registry.sceneAt(i)->menuTitle()));
    }
    const SceneMenuLayout layout = sceneMenuLayout(registry.count(), 1.0, widest, menu.geometry);
    for (size_t i = 0; i < layout.rows.size(); ++i) {
        const Vec2& at = menu.position;
        report.area("menu.row" + std::to_string(i),
                    {at.x + layout.backgroundLeft, at.y + layout.rows[i].bottom,
                     at.x + layout.backgroundRight, at.y + layout.rows[i].top});
    }
}

void reportScene(std::string& out, Scene& scene, int width, int height) {
    WidgetPanel& panel = *scene.panel;
    panel.layout(overlayUnits(width), overlayUnits(height));
    Report report(scene);
    report.area("menu", panel.sceneMenu->bounds());
    report.area("previous", panel.widgets[0]->bounds());
    report.area("next", panel.widgets[1]->bounds());
    report.area("emblem", panel.creditsEmblem->bounds());
    for (int k = 0; k < panel.sceneControlCount(); ++k) {
        reportControl(report, *panel.sceneControl(k), "control" + std::to_string(k));
    }
    reportMenuRows(report, *panel.sceneMenu);
    out += report.text;
}

} // namespace

std::string layoutReport() {
    const ShellState& shell = shellState();
    const OverlaySettings& overlay = overlaySettings();
    const SceneRegistry& registry = SceneRegistry::instance();
    const Scene* current = registry.current();
    std::string out = "width " + std::to_string(shell.windowWidth) + " height " +
                      std::to_string(shell.windowHeight) + " scale " + number(overlay.scale) +
                      " ratio " + number(overlay.devicePixelRatio) + " current " +
                      (current ? current->identifier : "-") + '\n';
    for (int i = 0; i < registry.count(); ++i) {
        reportScene(out, *registry.sceneAt(i), shell.windowWidth, shell.windowHeight);
    }
    return out;
}

} // namespace tessivo
