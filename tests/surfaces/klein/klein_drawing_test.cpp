#include "surfaces/klein/klein_bottle_surface.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace tessivo {
namespace {

using testing::captureFeedback;
using testing::Feedback;

// Everything the surface draws fits in this box, so nothing is clipped and feedback sees every
// polygon.
class KleinDrawing : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glMatrixMode(GL_PROJECTION);
        glOrtho(-20, 20, -20, 20, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_DEPTH_TEST);
    }

    static std::size_t polygons(const std::function<void()>& draw) {
        const Feedback feedback = captureFeedback(draw);
        EXPECT_FALSE(feedback.overflowed);
        return feedback.polygons.size();
    }
};

TEST_F(KleinDrawing, StripedDrawsFiftyOfTheNinetyNineBands) {
    KleinBottleSurface bottle(Bottle);
    const std::size_t solid = polygons([&] { bottle.drawSurface(); });
    ASSERT_GT(solid, 0u);
    // Whatever GL splits a quad into, every band has the same number of quads.
    EXPECT_EQ(solid % 99, 0u);
    bottle.drawMode = StripedMode;
    const std::size_t striped = polygons([&] { bottle.drawSurface(); });
    EXPECT_EQ(striped * 99, solid * 50);
}

TEST_F(KleinDrawing, GlassDrawsTheBandsTwiceAndRestoresState) {
    KleinBottleSurface bottle(Bottle);
    const std::size_t solid = polygons([&] { bottle.drawSurface(); });
    bottle.drawMode = GlassMode;
    // The body pass and the highlight pass draw the same bands.
    EXPECT_EQ(polygons([&] { bottle.drawSurface(); }), 2 * solid);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT4));
}

// Recording the glass in a display list on every frame made the GL driver's memory grow by
// about a kilobyte a frame for as long as the glass bottle or the label was shown (hundreds of
// megabytes an hour); the glass and the label draw no list at all.
TEST_F(KleinDrawing, GlassAndLabelRecordNoDisplayList) {
    for (KleinStage stage : {Bottle, Label}) {
        KleinBottleSurface bottle(stage);
        bottle.drawMode = GlassMode;
        glDeleteLists(1, 100);
        bottle.draw();
        for (GLuint list = 1; list <= 100; ++list) {
            EXPECT_FALSE(glIsList(list)) << "list " << list << ", stage " << stage;
        }
    }
}

TEST_F(KleinDrawing, RectangleStagesCarryFourGlueMarks) {
    KleinBottleSurface surface(Rolling);
    const std::size_t bands = polygons([&] { surface.drawSurface(); });
    const std::size_t perQuad = bands / (99 * 49);
    ASSERT_EQ(bands, perQuad * 99 * 49);
    const std::size_t all = polygons([&] { surface.draw(); });
    // Hexagonal tubes: six strips along two rings of 50 columns and two columns of 100 rows.
    EXPECT_EQ(all - bands, perQuad * 6 * (2 * 49 + 2 * 99));
    surface.stage = Closing;
    surface.progress = 0.8;
    surface.buildSpine();
    surface.buildMesh();
    EXPECT_EQ(polygons([&] { surface.draw(); }), all);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
}

TEST_F(KleinDrawing, BottleIsTurnedHalfATurnAboutX) {
    KleinBottleSurface bottle(Bottle);
    const Feedback direct = captureFeedback([&] {
        glPushMatrix();
        glRotated(180.0, 1, 0, 0);
        bottle.drawSurface();
        glPopMatrix();
    });
    const Feedback dispatched = captureFeedback([&] { bottle.draw(); });
    ASSERT_EQ(direct.polygons.size(), dispatched.polygons.size());
    for (std::size_t k = 0; k < direct.polygons.size(); k += 97) {
        ASSERT_EQ(direct.polygons[k].size(), dispatched.polygons[k].size());
        for (std::size_t v = 0; v < direct.polygons[k].size(); ++v) {
            EXPECT_FLOAT_EQ(direct.polygons[k][v].x, dispatched.polygons[k][v].x);
            EXPECT_FLOAT_EQ(direct.polygons[k][v].y, dispatched.polygons[k][v].y);
        }
    }
}

TEST_F(KleinDrawing, HalvesDrawOneBottleAtRestThenTwoHalvesAndLeaveTheBottleWhole) {
    KleinBottleSurface surface(Halves);
    const std::size_t whole = polygons([&] { surface.drawSurface(); });
    const std::vector<Vec3> wholeVertices = surface.vertices;
    EXPECT_EQ(polygons([&] { surface.draw(); }), whole);
    for (double progress : {0.2, 0.5, 0.8, 1.0}) {
        surface.progress = progress;
        // Each half is the cut mesh: as many quads as the whole one, drawn twice.
        EXPECT_EQ(polygons([&] { surface.draw(); }), 2 * whole) << progress;
        EXPECT_EQ(surface.cutOpening, 0.0);
        for (std::size_t k = 0; k < wholeVertices.size(); k += 13) {
            EXPECT_EQ(surface.vertices[k].x, wholeVertices[k].x);
            EXPECT_EQ(surface.vertices[k].z, wholeVertices[k].z);
        }
    }
}

// Textured strips drawn every other band still spread the picture over all the rows of their
// range: each strip takes the picture's slice at its own rows.
TEST_F(KleinDrawing, TexturedStripsFollowTheirRowsAtAnyStep) {
    KleinBottleSurface bottle(Label);
    const Feedback feedback = captureFeedback(
        [&] { bottle.drawTexturedStrips(0, 10, 2, 20, 30, 0.0, 1.0, 1.0, 0.0); }, 4 << 20, true);
    ASSERT_FALSE(feedback.overflowed);
    std::set<int> tenths;
    for (const auto& polygon : feedback.polygons) {
        for (const Feedback::Vertex& v : polygon) {
            tenths.insert(static_cast<int>(std::lround(v.t * 10)));
        }
    }
    EXPECT_EQ(tenths, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(KleinDrawing, LabelLeavesAHoleInTheGlassWhereverItIs) {
    KleinBottleSurface bottle(Label);
    const std::size_t solid = polygons([&] { bottle.drawSurface(); });
    const std::size_t perQuad = solid / (99 * 49);
    ASSERT_EQ(solid, perQuad * 99 * 49);
    // 10 bands of 10 quads of label (9 when it runs over the end of the spine), and the rest of
    // the mesh as glass, drawn twice (the translucent pass and the highlights).
    for (const auto& [progress, labelBands] : std::vector<std::pair<double, std::size_t>>{
             {0.07, 10}, {0.46, 9}, {0.5, 10}, {-3.2, 10}}) {
        bottle.progress = progress;
        const std::size_t labelQuads = labelBands * 10;
        const std::size_t glassQuads = 99 * 49 - labelQuads;
        EXPECT_EQ(polygons([&] { bottle.draw(); }), perQuad * (labelQuads + 2 * glassQuads))
            << progress;
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(depthWrites);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
        EXPECT_FALSE(glIsEnabled(GL_LIGHT4));
    }
    // The picture went to GL as the 512 x 512 texture.
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 512);
    EXPECT_EQ(height, 512);
}

} // namespace
} // namespace tessivo
