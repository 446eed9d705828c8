#include "app/static_objects.h"
#include "scene/scene_registry.h"
#include "surfaces/crosscap/embedded_band_drawing.h"
#include "surfaces/crosscap/embedded_band_scene.h"
#include "surfaces/crosscap/embedded_band_surface.h"
#include "surfaces/crosscap/surface_mode_choice.h"
#include "tests/surfaces/crosscap/scene_frame.h"
#include "ui/slider.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::Feedback;
using testing::sameFeedback;

class EmbeddedBandFrame : public testing::SceneFrameTest {
protected:
    void SetUp() override {
        SceneFrameTest::SetUp();
        ensureStaticObjects();
        scene =
            dynamic_cast<EmbeddedBandScene*>(SceneRegistry::instance().find("ProjectivePlane2"));
        ASSERT_NE(scene, nullptr);
        prepare(*scene);
    }

    // The band as the slider and row ask for it: a pale glossy tube along the edge at
    // a = 0.9 v + 0.1, then, unless the row hides it, the violet band from the core circle up
    // to that edge, striped unless the row says solid.
    Feedback expectedFrame(double sliderValue, int surface) {
        const double reach = 0.9 * sliderValue + 0.1;
        return capture([&] {
            glPushMatrix();
            testing::placeObject(scene->rotation()->orientation);
            setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.5, 0.5, 0.5, 1);
            glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100);
            setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.8, 0.8, 0.9, 1);
            playDrawing(bandEdgeDrawing(reach));
            setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 200 / 255.0, 20 / 255.0,
                        250 / 255.0, 1);
            if (surface > 0) {
                playDrawing(bandDrawing(0, reach, surface != 1));
            }
            glPopMatrix();
        });
    }

    EmbeddedBandScene* scene = nullptr;
};

TEST_F(EmbeddedBandFrame, DrawsTheEdgeAndTheBandUpToTheSlidersReach) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int surface = 0; surface < 3; ++surface) {
        for (const double value : {0.0, unit(random), 1.0}) {
            scene->slider->value = value;
            scene->surfaceChoice->setSelected(surface);
            const Feedback drawn = capture([&] { scene->display(); });
            const Feedback expected = expectedFrame(value, surface);
            EXPECT_TRUE(sameFeedback(drawn, expected))
                << "surface " << surface << ", slider " << value << ": drew "
                << testing::describe(drawn) << ", expected " << testing::describe(expected);
            EXPECT_FALSE(drawn.polygons.empty()); // the edge tube is always there
        }
    }
}

// The slider runs the edge from a tenth of the way across the band, a narrow band around the
// core circle, out to the boundary circle of radius 1.2 in the plane x = 0 around (0, 0, -2).
TEST(EmbeddedBandReach, RunsFromNearTheCoreToTheBoundaryCircle) {
    EXPECT_DOUBLE_EQ(embeddedBandReach(0.0), 0.1);
    EXPECT_DOUBLE_EQ(embeddedBandReach(1.0), 1.0);
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double previous = embeddedBandReach(0.0);
    for (int i = 0; i < 100; ++i) {
        const double v = (i + unit(random)) / 100.0;
        const double reach = embeddedBandReach(v);
        EXPECT_GT(reach, previous);
        previous = reach;
    }
    for (const crosscap::TubeRing& ring : bandEdgeRings(embeddedBandReach(1.0))) {
        EXPECT_NEAR(ring.centre.x, 0.0, 1e-9);
        EXPECT_NEAR(std::hypot(ring.centre.y, ring.centre.z + 2), 1.2, 1e-9);
    }
    // At the slider's start the edge is still close to the core circle (radius 2 in y = 0).
    for (const crosscap::TubeRing& ring : bandEdgeRings(embeddedBandReach(0.0))) {
        EXPECT_LT(std::abs(std::hypot(ring.centre.x, ring.centre.z) - 2.0), 0.35);
        EXPECT_LT(std::abs(ring.centre.y), 0.35);
    }
}

} // namespace
} // namespace tessivo
