#pragma once

#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "ui/pointer_handler.h"
#include "ui/widget.h"

#include <functional>
#include <string>
#include <vector>

namespace tessivo::testing {

// A scene with its own rotation controller whose 3D content is whatever the test gives it, and
// which counts the calls the registry makes on it.
class TestScene : public Scene {
public:
    explicit TestScene(const std::string& identifier) : Scene(identifier) {}

    RotationController* rotation() override { return &ownRotation; }
    void display() override {
        if (content) {
            content();
        }
    }
    void onSwitch() override { ++switches; }
    void reshape(int width, int height) override {
        Scene::reshape(width, height);
        lastReshape = {width, height};
        ++reshapes;
    }
    void initGL() override {
        Scene::initGL();
        ++initialisations;
    }

    RotationController ownRotation;
    std::function<void()> content;
    int switches = 0;
    int reshapes = 0;
    int initialisations = 0;
    std::pair<int, int> lastReshape{-1, -1};
};

// A square control of half-size 10 around its position that writes every event it receives,
// prefixed with its name, into a shared log.
class RecordingControl : public Widget, public PointerHandler {
public:
    RecordingControl(std::string name, std::vector<std::string>& log)
        : name(std::move(name)), log(log) {}

    bool contains(const Vec2& p) const override {
        return std::abs(p.x - position.x) < 10 && std::abs(p.y - position.y) < 10;
    }
    PointerHandler* target(const Vec2& p) override { return contains(p) ? this : nullptr; }
    void draw() override { ++draws; }

    void onEnter() override { record("enter"); }
    void onLeave() override { record("leave"); }
    void onPress(const Vec2&) override { record("press"); }
    void onDrag(const Vec2&) override { record("drag"); }
    void onRelease(const Vec2&) override { record("release"); }
    void onMove(const Vec2&) override { record("move"); }
    void onFling(const Vec2&, const Vec2& v) override {
        record("fling");
        lastVelocity = v;
    }

    std::string name;
    std::vector<std::string>& log;
    Vec2 lastVelocity;
    int draws = 0;

private:
    void record(const std::string& event) { log.push_back(event + " " + name); }
};

} // namespace tessivo::testing
