#include "web/layer/selection_recorder.h"

#include <algorithm>

namespace tessivo::gllayer {

namespace {

// GL keeps hit depths as floats and scales them in float, so depths closer than a float's
// precision come out equal and the earlier record wins a tie, as it does in GL.
std::uint32_t depthValue(double depth) {
    const float scaled = static_cast<float>(std::clamp(depth, 0.0, 1.0)) * 4294967295.0f;
    return scaled >= 4294967040.0f ? 4294967040u : static_cast<std::uint32_t>(scaled);
}

} // namespace

void SelectionRecorder::begin(std::uint32_t* target, int targetSize) {
    buffer = target;
    size = targetSize;
    written = 0;
    records = 0;
    overflow = false;
    names.clear();
    hitOpen = false;
}

int SelectionRecorder::end() {
    closeRecord();
    const int result = overflow ? -1 : records;
    buffer = nullptr;
    size = 0;
    return result;
}

void SelectionRecorder::initNames() {
    closeRecord();
    names.clear();
}

void SelectionRecorder::pushName(std::uint32_t name) {
    closeRecord();
    names.push_back(name);
}

bool SelectionRecorder::popName() {
    closeRecord();
    if (names.empty()) {
        return false;
    }
    names.pop_back();
    return true;
}

bool SelectionRecorder::loadName(std::uint32_t name) {
    closeRecord();
    if (names.empty()) {
        return false;
    }
    names.back() = name;
    return true;
}

void SelectionRecorder::hit(double minDepth, double maxDepth) {
    if (!hitOpen) {
        hitOpen = true;
        minHit = minDepth;
        maxHit = maxDepth;
        return;
    }
    minHit = std::min(minHit, minDepth);
    maxHit = std::max(maxHit, maxDepth);
}

void SelectionRecorder::closeRecord() {
    if (!hitOpen) {
        return;
    }
    hitOpen = false;
    const int before = written;
    write(static_cast<std::uint32_t>(names.size()));
    write(depthValue(minHit));
    write(depthValue(maxHit));
    for (std::uint32_t name : names) {
        write(name);
    }
    if (!overflow) {
        ++records;
    } else {
        written = before;
    }
}

void SelectionRecorder::write(std::uint32_t value) {
    if (written >= size) {
        overflow = true;
        return;
    }
    buffer[written++] = value;
}

} // namespace tessivo::gllayer
