#pragma once

#include "web/layer/raster_backend.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tessivo::gllayer {

// Draws a picture through a target backend only when it differs from the picture the target
// already shows. The page's overlay over a view drawn beneath it repeats itself frame after
// frame while the object turns; a canvas that is not drawn to keeps its picture, so the browser
// then clears and redraws nothing at the overlay's full resolution.
//
// The calls of a picture are kept until endPicture, which hands them over whole, in order, or
// not at all. Equal means the same calls with the same bytes: a picture that only looks the
// same is drawn again, never the other way round.
class RepaintFilter : public RasterBackend {
public:
    explicit RepaintFilter(RasterBackend& target) : target_(target) {}

    void clear(bool colour, const float rgba[4], bool depth, const FragmentState& state) override;
    void clearTransparent(int width, int height) override;
    void setTexture(const TextureImage& image) override;
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>& indices, const FragmentState& state) override;
    // Hands over what the picture has so far, which the pixels must show; the rest of the
    // picture then goes straight to the target.
    void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) override;

    // The picture is complete: the target draws it unless it shows it already. Returns whether
    // the target was drawn to.
    bool endPicture();
    // The target's picture changed past the filter (drawn to directly, resized): the next
    // picture is drawn whatever it is.
    void forget() { shownKnown_ = false; }

private:
    struct Call {
        enum class Kind { clear, clearTransparent, texture, draw };
        Kind kind = Kind::clear;
        FragmentState state;
        bool colour = false;
        bool depth = false;
        std::array<float, 4> rgba = {};
        int width = 0;
        int height = 0;
        unsigned mode = 0;
        std::vector<RasterVertex> vertices;
        std::vector<std::uint16_t> indices;
        TextureImage image;

        bool operator==(const Call& other) const;
    };

    // The next call of the picture, reusing the storage of an earlier picture's.
    Call& record(Call::Kind kind);
    void play(const Call& call);
    bool sameAsShown() const;

    RasterBackend& target_;
    std::vector<Call> picture_;
    std::size_t pictureCalls_ = 0;
    std::vector<Call> shown_;
    std::size_t shownCalls_ = 0;
    bool shownKnown_ = false;
    bool passingThrough_ = false; // since a readPixels in the middle of this picture
};

} // namespace tessivo::gllayer
