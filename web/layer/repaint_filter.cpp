#include "web/layer/repaint_filter.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tessivo::gllayer {

namespace {

static_assert(sizeof(RasterVertex) == 28, "vertices are compared as bytes: no padding");

template <typename T> bool sameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool sameImage(const TextureImage& a, const TextureImage& b) {
    return a.width == b.width && a.height == b.height && a.channels == b.channels &&
           a.magnification == b.magnification && a.minification == b.minification &&
           a.wrapS == b.wrapS && a.wrapT == b.wrapT && a.pixels == b.pixels;
}

} // namespace

bool RepaintFilter::Call::operator==(const Call& other) const {
    if (kind != other.kind) {
        return false;
    }
    switch (kind) {
    case Kind::clear:
        return state == other.state && colour == other.colour && depth == other.depth &&
               rgba == other.rgba;
    case Kind::clearTransparent:
        return width == other.width && height == other.height;
    case Kind::texture:
        return sameImage(image, other.image);
    case Kind::draw:
        return state == other.state && mode == other.mode && sameBytes(indices, other.indices) &&
               sameBytes(vertices, other.vertices);
    }
    return false;
}

RepaintFilter::Call& RepaintFilter::record(Call::Kind kind) {
    if (pictureCalls_ == picture_.size()) {
        picture_.emplace_back();
    }
    Call& call = picture_[pictureCalls_++];
    call.kind = kind;
    return call;
}

void RepaintFilter::clear(bool colour, const float rgba[4], bool depth,
                          const FragmentState& state) {
    if (passingThrough_) {
        target_.clear(colour, rgba, depth, state);
        return;
    }
    Call& call = record(Call::Kind::clear);
    call.colour = colour;
    call.depth = depth;
    std::copy_n(rgba, 4, call.rgba.begin());
    call.state = state;
}

void RepaintFilter::clearTransparent(int width, int height) {
    if (passingThrough_) {
        target_.clearTransparent(width, height);
        return;
    }
    Call& call = record(Call::Kind::clearTransparent);
    call.width = width;
    call.height = height;
}

void RepaintFilter::setTexture(const TextureImage& image) {
    if (passingThrough_) {
        target_.setTexture(image);
        return;
    }
    record(Call::Kind::texture).image = image;
}

void RepaintFilter::draw(unsigned mode, const std::vector<RasterVertex>& vertices,
                         const std::vector<std::uint16_t>& indices, const FragmentState& state) {
    if (passingThrough_) {
        target_.draw(mode, vertices, indices, state);
        return;
    }
    Call& call = record(Call::Kind::draw);
    call.mode = mode;
    call.vertices.assign(vertices.begin(), vertices.end());
    call.indices.assign(indices.begin(), indices.end());
    call.state = state;
}

void RepaintFilter::readPixels(int x, int y, int width, int height, std::uint8_t* rgba) {
    if (!passingThrough_) {
        for (std::size_t i = 0; i < pictureCalls_; ++i) {
            play(picture_[i]);
        }
        pictureCalls_ = 0;
        passingThrough_ = true;
        shownKnown_ = false;
    }
    target_.readPixels(x, y, width, height, rgba);
}

bool RepaintFilter::sameAsShown() const {
    return shownKnown_ && pictureCalls_ == shownCalls_ &&
           std::equal(picture_.begin(), picture_.begin() + static_cast<long>(pictureCalls_),
                      shown_.begin());
}

bool RepaintFilter::endPicture() {
    if (passingThrough_) {
        passingThrough_ = false;
        return true;
    }
    const bool drawn = !sameAsShown();
    if (drawn) {
        for (std::size_t i = 0; i < pictureCalls_; ++i) {
            play(picture_[i]);
        }
        std::swap(picture_, shown_);
        shownCalls_ = pictureCalls_;
        shownKnown_ = true;
    }
    pictureCalls_ = 0;
    return drawn;
}

void RepaintFilter::play(const Call& call) {
    switch (call.kind) {
    case Call::Kind::clear:
        target_.clear(call.colour, call.rgba.data(), call.depth, call.state);
        break;
    case Call::Kind::clearTransparent:
        target_.clearTransparent(call.width, call.height);
        break;
    case Call::Kind::texture:
        target_.setTexture(call.image);
        break;
    case Call::Kind::draw:
        target_.draw(call.mode, call.vertices, call.indices, call.state);
        break;
    }
}

} // namespace tessivo::gllayer
