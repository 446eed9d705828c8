#include "surfaces/klein/klein_drawing.h"
#include "surfaces/klein/label_placement.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <utility>

namespace tessivo {
namespace {

// The GL state that the steps of a drawing set, as far as the bottle's renderings use it.
struct PlayState {
    Blending blending = Blending::Off;
    bool depthTest = true;
    bool depthWrites = true;
    bool glassLight = false;
    ColourMaterial colourMaterial = ColourMaterial::None;
    bool textured = false;
    RgbaColour colour;
    std::vector<DrawStep> transforms; // the translations and rotations in force, outermost first
};

struct Drawn {
    const DrawPrimitive* primitive;
    PlayState state;
};

// Walks the steps as GL would, and keeps every primitive with the state it is drawn in.
struct Played {
    explicit Played(SurfaceDrawing played) : drawing(std::move(played)) {
        for (const DrawStep& step : drawing) {
            std::visit(*this, step);
        }
        balanced = balanced && pushed.empty();
    }

    void operator()(const DrawPrimitive& p) { drawn.push_back({&p, state}); }
    void operator()(const MaterialStep& s) { state.colour = s.colour; }
    void operator()(const NameStep&) {}
    void operator()(const BlendStep& s) { state.blending = s.blending; }
    void operator()(const DepthTestStep& s) { state.depthTest = s.on; }
    void operator()(const DepthWritesStep& s) { state.depthWrites = s.on; }
    void operator()(const GlassLightStep& s) { state.glassLight = s.on; }
    void operator()(const ColourMaterialStep& s) { state.colourMaterial = s.follows; }
    void operator()(const TextureStep& s) { state.textured = s.rgb != nullptr; }
    void operator()(const PushMatrixStep&) { pushed.push_back(state.transforms.size()); }
    void operator()(const PopMatrixStep&) {
        balanced = balanced && !pushed.empty();
        state.transforms.resize(pushed.empty() ? 0 : pushed.back());
        if (!pushed.empty()) {
            pushed.pop_back();
        }
    }
    void operator()(const TranslateStep& s) { state.transforms.push_back(s); }
    void operator()(const RotateStep& s) { state.transforms.push_back(s); }

    // The quads drawn where the state passes the test.
    template <class Test> std::size_t quads(Test test) const {
        std::size_t count = 0;
        for (const Drawn& d : drawn) {
            if (test(d.state)) {
                count += d.primitive->vertices.size() / 2 - 1;
            }
        }
        return count;
    }

    SurfaceDrawing drawing;
    std::vector<Drawn> drawn; // into drawing
    PlayState state;
    std::vector<std::size_t> pushed; // the number of transforms at each push
    bool balanced = true;            // every pop has its push, and every push its pop
};

bool opaque(const PlayState& s) {
    return s.blending == Blending::Off && s.depthTest && s.depthWrites && !s.glassLight;
}

// The state a scene draws in, and in which a drawing must leave it.
bool sceneState(const PlayState& s) {
    return opaque(s) && s.colourMaterial == ColourMaterial::None && !s.textured &&
           s.transforms.empty();
}

constexpr std::size_t meshQuads = 99 * 49;

TEST(KleinDrawing, EveryStageIsTurnedHalfATurnAndLeavesTheSceneStateAsItFoundIt) {
    for (const StageSetting& setting :
         {StageSetting{Rolling, 0.3}, StageSetting{Closing, 0.8}, StageSetting{Bottle, 0.0, 1},
          StageSetting{Bottle, 0.0, GlassMode}, StageSetting{Label, 0.46},
          StageSetting{Halves, 0.7}}) {
        SCOPED_TRACE(setting.stage);
        const long long builds = kleinMeshBuilds();
        const Played played(kleinDrawing(setting));
        // One mesh a frame, whatever the stage draws from it.
        EXPECT_EQ(kleinMeshBuilds(), builds + 1);
        ASSERT_FALSE(played.drawn.empty());
        EXPECT_TRUE(played.balanced);
        EXPECT_TRUE(sceneState(played.state));
        const Vec3 axis = setting.stage == Label ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
        for (const Drawn& d : played.drawn) {
            ASSERT_FALSE(d.state.transforms.empty());
            const auto* turn = std::get_if<RotateStep>(&d.state.transforms.front());
            ASSERT_TRUE(turn);
            EXPECT_EQ(turn->degrees, 180.0);
            EXPECT_EQ(length(turn->axis - axis), 0.0);
        }
    }
}

TEST(KleinDrawing, SolidStripedAndGlassBottle) {
    const Played solid(kleinDrawing({Bottle, 0.0, SolidMode}));
    EXPECT_EQ(solid.quads(opaque), meshQuads);
    EXPECT_EQ(solid.drawn.size(), solid.quads(opaque) / 49);
    // Striped: bands 0, 2, 4, ... of the same mesh.
    const Played striped(kleinDrawing({Bottle, 0.0, StripedMode}));
    ASSERT_EQ(striped.drawn.size(), 50u);
    for (std::size_t k = 0; k < 50; ++k) {
        const Vec3& first = striped.drawn[k].primitive->vertices.front().position;
        EXPECT_EQ(length(first - solid.drawn[2 * k].primitive->vertices.front().position), 0.0);
    }
    // Glass: every band translucent, lit by the glass light and seen through (no depth test),
    // then once more added on top in the black highlight material.
    const Played glass(kleinDrawing({Bottle, 0.0, GlassMode}));
    EXPECT_EQ(glass.quads([](const PlayState& s) {
        return s.blending == Blending::Translucent && !s.depthTest && s.glassLight &&
               s.colour.a == 0.3;
    }),
              meshQuads);
    EXPECT_EQ(glass.quads([](const PlayState& s) {
        return s.blending == Blending::Additive && !s.depthTest && !s.glassLight &&
               s.colour.g == 0.0;
    }),
              meshQuads);
    EXPECT_EQ(glass.drawn.size(), 2 * solid.drawn.size());
}

TEST(KleinDrawing, RectangleStagesCarryFourColouredGlueMarks) {
    for (const StageSetting& setting : {StageSetting{Rolling, 0.0}, StageSetting{Closing, 0.8}}) {
        const Played played(kleinDrawing(setting));
        EXPECT_EQ(played.quads(opaque), meshQuads + 6 * (2 * 49 + 2 * 99));
        // Hexagonal tubes: six strips along two rings of 50 columns and two columns of 100 rows,
        // their vertex colours on the ambient term.
        std::size_t marks = 0;
        for (const Drawn& d : played.drawn) {
            const bool coloured = !d.primitive->colours.empty();
            EXPECT_EQ(coloured, d.state.colourMaterial == ColourMaterial::Ambient);
            marks += coloured;
        }
        EXPECT_EQ(marks, 24u);
    }
}

TEST(KleinDrawing, LabelLeavesAHoleInTheGlassWhereverItIs) {
    // 10 bands of 10 quads of label (9 when it runs over the end of the spine), and the rest of
    // the mesh as glass, drawn twice (the translucent pass and the highlights), which hides
    // nothing but is hidden by the label.
    for (const auto& [progress, labelBands] : std::vector<std::pair<double, std::size_t>>{
             {0.07, 10}, {0.46, 9}, {0.5, 10}, {-3.2, 10}}) {
        SCOPED_TRACE(progress);
        const Played played(kleinDrawing({Label, progress}));
        const std::size_t labelQuads = labelBands * 10;
        EXPECT_EQ(played.quads([](const PlayState& s) { return s.textured && opaque(s); }),
                  labelQuads);
        for (const Blending pass : {Blending::Translucent, Blending::Additive}) {
            EXPECT_EQ(played.quads([&](const PlayState& s) {
                return s.blending == pass && s.depthTest && !s.depthWrites && !s.textured;
            }),
                      meshQuads - labelQuads);
        }
        for (const Drawn& d : played.drawn) {
            EXPECT_EQ(d.primitive->textureCoordinates.size(),
                      d.state.textured ? d.primitive->vertices.size() : 0u);
        }
    }
}

// Up to half the slider the halves swing apart about the line y = 2.65, z = 0, the rings cut
// but still round; beyond it they lie side by side and unroll.
TEST(KleinDrawing, HalvesAreOneBottleAtRestThenTheCutMeshAndItsMirrorImage) {
    const HalvesPose rest = halvesPose(0.0);
    EXPECT_EQ(rest.swing, 0.0);
    EXPECT_EQ(rest.opening, 0.0);
    const Played whole(kleinDrawing({Halves, 0.0}));
    const KleinMesh bottle = kleinMesh(Bottle, 0.0);
    ASSERT_EQ(whole.drawn.size(), 99u);
    EXPECT_EQ(whole.drawn[7].primitive->vertices.front().position.x, bottle.vertex(7, 0).x);

    for (const auto& [progress, swing, opening] : std::vector<std::tuple<double, double, double>>{
             {0.2, 0.4, 0.00001}, {0.5, 1.0, 0.00001}, {0.8, 1.0, 0.6}, {1.0, 1.0, 1.0}}) {
        SCOPED_TRACE(progress);
        const HalvesPose pose = halvesPose(progress);
        EXPECT_DOUBLE_EQ(pose.swing, swing);
        EXPECT_DOUBLE_EQ(pose.opening, opening);
        const KleinMesh half = kleinMesh(Halves, progress, pose.opening);
        const Played played(kleinDrawing({Halves, progress}));
        ASSERT_EQ(played.drawn.size(), 198u);
        for (std::size_t band = 0; band < 99; band += 7) {
            const Vec3& cut = played.drawn[band].primitive->vertices[4].position;
            const Vec3& mirrored = played.drawn[99 + band].primitive->vertices[4].position;
            EXPECT_EQ(length(cut - half.vertex(static_cast<int>(band), 2)), 0.0);
            EXPECT_EQ(length(mirrored - Vec3{cut.x, cut.y, -cut.z}), 0.0);
        }
        // Inside the half turn of every stage, the mirror image swings by 180 degrees times the
        // swing about the x axis.
        const std::vector<DrawStep>& transforms = played.drawn.back().state.transforms;
        int swings = 0;
        for (std::size_t k = 1; k < transforms.size(); ++k) {
            const auto* turn = std::get_if<RotateStep>(&transforms[k]);
            swings += turn && turn->degrees == 180.0 * swing && turn->axis.x == 1.0;
        }
        EXPECT_EQ(swings, 1);
    }
}

// Recording the glass in a display list on every frame made the GL driver's memory grow by
// about a kilobyte a frame for as long as the glass bottle or the label was shown (hundreds of
// megabytes an hour); the glass and the label draw no list at all, and leave GL as they found
// it.
using KleinDrawingGl = testing::GlTest;

TEST_F(KleinDrawingGl, GlassAndLabelRecordNoDisplayListAndRestoreTheState) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    for (const StageSetting& setting :
         {StageSetting{Bottle, 0.0, GlassMode}, StageSetting{Label, 0.46}}) {
        glDeleteLists(1, 100);
        playDrawing(kleinDrawing(setting));
        for (GLuint list = 1; list <= 100; ++list) {
            EXPECT_FALSE(glIsList(list)) << "list " << list << ", stage " << setting.stage;
        }
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(depthWrites);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
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
