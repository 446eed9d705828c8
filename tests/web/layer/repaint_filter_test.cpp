#include "web/layer/repaint_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace tessivo::gllayer {
namespace {

// Writes down what reaches it, one word per call.
class CallLog : public RasterBackend {
public:
    void clear(bool, const float[4], bool, const FragmentState&) override { calls += "clear "; }
    void clearTransparent(int, int) override { calls += "transparent "; }
    void setTexture(const TextureImage&) override { calls += "texture "; }
    void draw(unsigned, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>&, const FragmentState&) override {
        calls += "draw" + std::to_string(vertices.front().colour[0]) + " ";
    }
    void readPixels(int, int, int, int, std::uint8_t*) override { calls += "read "; }

    std::string calls;
};

// An overlay: a transparent clear, a texture and two triangles whose first vertex has the
// given red.
void drawOverlay(RasterBackend& backend, std::uint8_t red, std::uint8_t secondRed = 2) {
    backend.clearTransparent(390, 844);
    TextureImage image;
    image.width = image.height = 1;
    image.pixels = {1, 2, 3};
    backend.setTexture(image);
    std::vector<RasterVertex> vertices(3);
    vertices[0].colour[0] = red;
    const std::vector<std::uint16_t> indices = {0, 1, 2};
    backend.draw(0x0004, vertices, indices, FragmentState());
    vertices[0].colour[0] = secondRed;
    backend.draw(0x0004, vertices, indices, FragmentState());
}

TEST(RepaintFilter, HandsOverAPictureWholeOnlyWhenItDiffersFromTheOneShown) {
    CallLog canvas;
    RepaintFilter filter(canvas);
    drawOverlay(filter, 1);
    EXPECT_EQ(canvas.calls, "");
    EXPECT_TRUE(filter.endPicture());
    EXPECT_EQ(canvas.calls, "transparent texture draw1 draw2 ");

    canvas.calls.clear();
    drawOverlay(filter, 1);
    EXPECT_FALSE(filter.endPicture());
    drawOverlay(filter, 1, 7); // one byte of the last draw differs
    EXPECT_TRUE(filter.endPicture());
    EXPECT_EQ(canvas.calls, "transparent texture draw1 draw7 ");

    canvas.calls.clear();
    filter.forget(); // say, the canvas was drawn to directly
    drawOverlay(filter, 1, 7);
    EXPECT_TRUE(filter.endPicture());
    EXPECT_EQ(canvas.calls, "transparent texture draw1 draw7 ");
}

TEST(RepaintFilter, ReadingPixelsHandsOverThePictureSoFarAndTheRestGoesStraightThrough) {
    CallLog canvas;
    RepaintFilter filter(canvas);
    drawOverlay(filter, 1);
    filter.endPicture();
    canvas.calls.clear();

    filter.clearTransparent(390, 844);
    std::uint8_t pixel[4];
    filter.readPixels(0, 0, 1, 1, pixel);
    filter.setTexture(TextureImage());
    EXPECT_EQ(canvas.calls, "transparent read texture ");
    EXPECT_TRUE(filter.endPicture());

    // What the canvas shows is no longer known: the earlier picture is drawn again.
    canvas.calls.clear();
    drawOverlay(filter, 1);
    EXPECT_TRUE(filter.endPicture());
    EXPECT_EQ(canvas.calls, "transparent texture draw1 draw2 ");
}

} // namespace
} // namespace tessivo::gllayer
