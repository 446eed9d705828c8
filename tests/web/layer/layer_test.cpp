// The layer's pipeline through its GL entry points, with a backend that keeps what it is given.

#include "web/layer/default_raster_backend.h"
#include "web/layer/gl_layer_functions.h"
#include "web/layer/layer.h"

#include <gtest/gtest.h>

namespace tessivo::gllayer {

namespace {

struct Draw {
    unsigned mode;
    std::vector<RasterVertex> vertices;
    FragmentState state;
};

class RecordingBackend : public RasterBackend {
public:
    std::vector<Draw> draws;
    std::vector<TextureImage> textures;
    void clear(bool, const float*, bool, const FragmentState&) override {}
    void setTexture(const TextureImage& image) override { textures.push_back(image); }
    // The vertices in the order the indices name them.
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>& indices, const FragmentState& state) override {
        Draw d{mode, {}, state};
        for (std::uint16_t i : indices) {
            d.vertices.push_back(vertices[i]);
        }
        draws.push_back(d);
    }
    void readPixels(int, int, int, int, std::uint8_t*) override {}
};

} // namespace

// This test program draws nowhere.
std::unique_ptr<RasterBackend> createDefaultRasterBackend() {
    return std::make_unique<RecordingBackend>();
}

namespace {

class LayerTest : public ::testing::Test {
protected:
    RecordingBackend backend;
    void SetUp() override {
        Layer::instance().reset();
        Layer::instance().setBackend(&backend);
        tlViewport(0, 0, 100, 100);
    }
    void TearDown() override { Layer::instance().setBackend(nullptr); }

    // A triangle in the z = 0 plane, counterclockwise (front) or clockwise on screen.
    static void triangle(bool counterClockwise, double z = 0.0) {
        tlBegin(GL_TRIANGLES);
        tlVertex3d(-0.5, -0.5, z);
        tlVertex3d(counterClockwise ? 0.5 : 0.0, counterClockwise ? 0.0 : 0.5, z);
        tlVertex3d(counterClockwise ? 0.0 : 0.5, counterClockwise ? 0.5 : 0.0, z);
        tlEnd();
    }

    std::vector<RasterVertex> drawn() {
        tlFlush();
        std::vector<RasterVertex> all;
        for (const Draw& d : backend.draws) {
            all.insert(all.end(), d.vertices.begin(), d.vertices.end());
        }
        return all;
    }
};

TEST_F(LayerTest, TwoSidedLightingLightsBackFacesWithTheBackMaterial) {
    tlEnable(GL_LIGHTING);
    tlEnable(GL_LIGHT0);
    tlLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    const GLfloat black[4] = {0, 0, 0, 1};
    tlLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    const GLfloat red[4] = {1, 0, 0, 1}, blue[4] = {0, 0, 1, 1};
    tlMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, red);
    tlMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, blue);
    // Light 0 shines along -z by default; the normal +z faces it on the front.
    tlNormal3d(0, 0, 1);
    triangle(true);
    triangle(false);
    const auto v = drawn();
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[0].colour[0], 255);
    EXPECT_EQ(v[0].colour[2], 0);
    // The clockwise triangle is seen from behind: back material, reversed normal, unlit.
    EXPECT_EQ(v[3].colour[0], 0);
    EXPECT_EQ(v[3].colour[2], 0);
    // Colour material: the current colour becomes the front and back ambient and diffuse.
    tlColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    tlEnable(GL_COLOR_MATERIAL);
    tlColor3d(0, 1, 0);
    triangle(true);
    EXPECT_EQ(drawn().back().colour[1], 255);
}

TEST_F(LayerTest, SelectionRecordsNamesAndWindowDepthsOfWhatFallsInside) {
    GLuint buffer[32] = {};
    tlSelectBuffer(32, buffer);
    tlRenderMode(GL_SELECT);
    tlInitNames();
    tlPushName(7);
    // Identity matrices: window depth is (z + 1) / 2, so z from -0.5 to 0.5 spans 0.25..0.75.
    tlBegin(GL_TRIANGLES);
    tlVertex3d(-0.5, -0.5, -0.5);
    tlVertex3d(0.5, -0.5, 0.5);
    tlVertex3d(0, 0.5, 0);
    tlEnd();
    tlLoadName(8);
    triangle(true, 5.0); // beyond the far plane: no hit, no record
    tlLoadName(9);
    // Crosses the near plane: only the part from z = -1 (depth 0) to -0.5 (0.25) is inside.
    tlBegin(GL_LINES);
    tlVertex3d(0, 0, -3);
    tlVertex3d(0, 0, -0.5);
    tlEnd();
    EXPECT_EQ(tlRenderMode(GL_RENDER), 2);
    const GLuint expected[] = {1,
                               static_cast<GLuint>(0.25f * 4294967295.0f),
                               static_cast<GLuint>(0.75f * 4294967295.0f),
                               7,
                               1,
                               0,
                               static_cast<GLuint>(0.25f * 4294967295.0f),
                               9};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(buffer[i], expected[i]) << "word " << i;
    }
    EXPECT_TRUE(drawn().empty()); // selection draws nothing
}

TEST_F(LayerTest, DisplayListReplaysTheValuesOfItsCompilation) {
    double corners[9] = {-0.5, -0.5, 0, 0.5, 0, 0, 0, 0.5, 0};
    GLubyte texel[3] = {10, 20, 30};
    tlNewList(3, GL_COMPILE);
    tlTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    tlColor3d(1, 0, 0);
    tlEnableClientState(GL_VERTEX_ARRAY);
    tlVertexPointer(3, GL_DOUBLE, 0, corners);
    tlDrawArrays(GL_TRIANGLES, 0, 3);
    tlEndList();
    tlEnable(GL_TEXTURE_2D);
    triangle(true);
    tlFlush();
    EXPECT_FALSE(backend.draws.back().state.textured); // compiled, not run: still no texture
    corners[0] = 0.9; // the list keeps what the array and the texel held when it was compiled
    texel[0] = 99;
    tlColor3d(0, 0, 1);
    tlCallList(3);
    tlCallList(3);
    const auto v = drawn();
    ASSERT_EQ(v.size(), 9u);
    EXPECT_FLOAT_EQ(v[3].position[0], -0.5f);
    EXPECT_EQ(v[3].colour[0], 255);
    EXPECT_TRUE(backend.draws.back().state.textured);
    ASSERT_FALSE(backend.textures.empty());
    EXPECT_EQ(backend.textures.back().pixels, (std::vector<std::uint8_t>{10, 20, 30}));
    EXPECT_TRUE(tlIsList(3));
}

TEST_F(LayerTest, EachBackendIsHandedATextureOnceAndAgainOnlyWhenItChanges) {
    GLubyte texel[3] = {10, 20, 30};
    tlTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    tlEnable(GL_TEXTURE_2D);
    RecordingBackend other; // as the page's second canvas
    for (int frame = 0; frame < 3; ++frame) {
        Layer::instance().setBackend(&backend);
        triangle(true);
        Layer::instance().setBackend(&other);
        triangle(true);
        tlTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    }
    tlTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    triangle(true);
    Layer::instance().setBackend(&backend);
    EXPECT_EQ(backend.textures.size(), 1u);
    EXPECT_EQ(other.textures.size(), 2u);
}

TEST_F(LayerTest, AttributeStackRestoresOnlyTheSavedGroups) {
    tlEnable(GL_LIGHTING);
    tlColor3d(0.5, 0.5, 0.5);
    tlPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    tlDisable(GL_LIGHTING);
    tlEnable(GL_BLEND);
    tlColor3d(1, 0, 0);
    tlBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); // colour buffer group: not saved
    tlPopAttrib();
    EXPECT_TRUE(tlIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(tlIsEnabled(GL_BLEND));
    GLfloat colour[4];
    tlGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    EXPECT_EQ(Layer::instance().state.colourBuffer.blendSource, static_cast<GLenum>(GL_SRC_ALPHA));
    tlPopAttrib();
    EXPECT_EQ(tlGetError(), static_cast<GLenum>(GL_STACK_UNDERFLOW));
}

TEST_F(LayerTest, WhatTheLayerLeavesOutIsReportedAndIgnored) {
    const auto rejected = [](auto call) {
        call();
        return tlGetError() == GL_INVALID_ENUM;
    };
    EXPECT_TRUE(rejected([] { tlEnable(GL_CULL_FACE); }));
    EXPECT_TRUE(rejected([] { tlLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 45.0f); }));
    EXPECT_TRUE(rejected([] { tlLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 1.0f); }));
    EXPECT_TRUE(rejected([] { tlTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL); }));
    EXPECT_TRUE(rejected([] {
        tlBegin(GL_QUADS);
        tlVertex2d(0, 0);
        tlVertex2d(1, 0);
        tlVertex2d(1, 1);
        tlVertex2d(0, 1);
    }));
    tlEnd(); // not inside glBegin after all
    EXPECT_EQ(tlGetError(), static_cast<GLenum>(GL_INVALID_OPERATION));
    EXPECT_TRUE(drawn().empty());
}

TEST_F(LayerTest, BatchesBreakWhereTheFragmentStateChanges) {
    triangle(true);
    triangle(false);
    tlEnable(GL_BLEND);
    triangle(true);
    tlFlush();
    ASSERT_EQ(backend.draws.size(), 2u);
    EXPECT_EQ(backend.draws[0].vertices.size(), 6u);
    EXPECT_TRUE(backend.draws[1].state.blend);
}

TEST_F(LayerTest, LinesWiderThanAPixelReachTheBackendAsTriangles) {
    const auto strip = [] {
        tlBegin(GL_LINE_STRIP);
        tlVertex2d(-0.5, 0);
        tlVertex2d(0.5, 0.1);
        tlVertex2d(0.5, 0.9);
        tlEnd();
    };
    tlLineWidth(1.4f);
    strip();
    tlLineWidth(3.0f);
    strip();
    tlFlush();
    ASSERT_EQ(backend.draws.size(), 2u);
    EXPECT_EQ(backend.draws[0].mode, static_cast<unsigned>(GL_LINES));
    EXPECT_EQ(backend.draws[0].vertices.size(), 4u);
    EXPECT_EQ(backend.draws[1].mode, static_cast<unsigned>(GL_TRIANGLES));
    EXPECT_EQ(backend.draws[1].vertices.size(), 12u);
}

} // namespace
} // namespace tessivo::gllayer
