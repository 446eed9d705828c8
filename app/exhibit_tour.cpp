#include "app/exhibit_tour.h"

#include "app/tour_table.h"
#include "app/tour_timing.h"
#include "math/angles.h"
#include "scene/clock.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "surfaces/moebius/strip_scene.h"
#include "ui/choice_row.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/slider.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

constexpr int regionCount = 6;

// Each control stands at the tour's setting, or at its start before its first move.
void setControl(Widget* control, const std::optional<double>& setting) {
    if (auto* slider = dynamic_cast<Slider*>(control)) {
        slider->value = setting ? sliderValueAt(*slider, *setting) : slider->startValue;
    } else if (auto* dial = dynamic_cast<Dial*>(control)) {
        dial->angle = dial->startAngle + 2.0 * pi * setting.value_or(0.0);
        dial->spin = 0.0;
    } else if (auto* row = dynamic_cast<ChoiceRow*>(control)) {
        const int item = setting ? static_cast<int>(*setting) : row->startSelected;
        row->selected = std::clamp(item, 0, row->itemCount - 1);
    }
}

void colourRegions(Scene& scene, const std::optional<double>& setting) {
    auto* strip = dynamic_cast<StripScene*>(&scene);
    if (!strip || strip->kind != StripSceneKind::Map) {
        return;
    }
    const int coloured = static_cast<int>(setting.value_or(0.0));
    for (int region = 1; region <= regionCount; ++region) {
        strip->strip.regionColours[static_cast<std::size_t>(region)] =
            region <= coloured ? region : 0;
    }
}

} // namespace

double sliderValueAt(const Slider& slider, double fraction) {
    const double pixels = slider.trackLength - 1.0;
    const long offset = std::lround(std::clamp(fraction, 0.0, 1.0) * pixels);
    return slider.clamp(slider.valueOf(slider.pixelOf(slider.minValue) + static_cast<int>(offset)));
}

void ExhibitTour::start(int now) {
    playing_ = msPerScene > 0;
    startMs = now;
    visit = -1;
}

void ExhibitTour::advance(int now) {
    SceneRegistry& registry = SceneRegistry::instance();
    if (!playing_ || registry.count() == 0) {
        return;
    }
    // A tour left to play for weeks (with no idle reset) keeps its times small: whole rounds
    // are taken off its start.
    const int roundMs = msPerScene * registry.count();
    while (millisecondsBetween(startMs, now) >= roundMs) {
        startMs += roundMs;
        visit -= registry.count();
    }
    const TourMoment moment =
        tourMomentAt(millisecondsBetween(startMs, now), msPerScene, registry.count());
    if (moment.visit != visit) {
        // The scene that goes ends its visit as its moves end it.
        if (Scene* outgoing = registry.current(); outgoing && visit >= 0) {
            apply(*outgoing, 1.0);
        }
        visit = moment.visit;
        presses.clear();
        registry.setCurrent(moment.scene);
    }
    if (Scene* scene = registry.current()) {
        apply(*scene, moment.phase);
    }
}

void ExhibitTour::apply(Scene& scene, double phase) {
    const std::vector<TourMove>* moves = tourMoves(scene.identifier);
    if (!moves) {
        return;
    }
    const WidgetPanel& panel = *scene.panel;
    presses.resize(static_cast<std::size_t>(panel.sceneControlCount()), 0);
    for (int k = 0; k < panel.sceneControlCount(); ++k) {
        Widget* control = panel.sceneControl(k);
        if (auto* button = dynamic_cast<PushButton*>(control)) {
            for (int& made = presses[static_cast<std::size_t>(k)];
                 made < tourPresses(*moves, k, phase); ++made) {
                button->onClick();
            }
        } else {
            setControl(control, tourSetting(*moves, k, phase));
        }
    }
    colourRegions(scene, tourSetting(*moves, mapRegions, phase));
}

} // namespace tessivo
