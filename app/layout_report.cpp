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
#include <sstream>

namespace tessivo {

namespace {

class Report {
public:
    explicit Report(const Scene& scene) : scene(scene) {}

    void area(const std::string& name, const Rect& r, const std::string& value = "") {
        const ShellState& shell = shellState();
        const double scale = overlaySettings().scale;
        text << "target " << scene.identifier << ' ' << name << ' ' << r.left * scale << ' '
             << shell.windowHeight - r.top * scale << ' ' << r.width() * scale << ' '
             << r.height() * scale;
        if (!value.empty()) {
            text << ' ' << value;
        }
        text << '\n';
    }

    std::ostringstream text;

private:
    const Scene& scene;
};

std::string valueOf(const Widget& control) {
    std::ostringstream value;
    if (const auto* slider = dynamic_cast<const Slider*>(&control)) {
        value << slider->value;
    } else if (const auto* dial = dynamic_cast<const Dial*>(&control)) {
        value << dial->angle;
    } else if (const auto* row = dynamic_cast<const ChoiceRow*>(&control)) {
        value << row->selected;
    }
    return value.str();
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

void reportScene(std::ostringstream& out, Scene& scene, int width, int height) {
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
    out << report.text.str();
}

} // namespace

std::string layoutReport() {
    const ShellState& shell = shellState();
    const OverlaySettings& overlay = overlaySettings();
    const SceneRegistry& registry = SceneRegistry::instance();
    std::ostringstream out;
    const Scene* current = registry.current();
    out << "window " << shell.windowWidth << ' ' << shell.windowHeight << " scale " << overlay.scale
        << " ratio " << overlay.devicePixelRatio << " current "
        << (current ? current->identifier : "-") << '\n';
    for (int i = 0; i < registry.count(); ++i) {
        reportScene(out, *registry.sceneAt(i), shell.windowWidth, shell.windowHeight);
    }
    return out.str();
}

} // namespace tessivo
