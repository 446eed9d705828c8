#pragma once

namespace tessivo {

// One sample of a drag: the pointer in overlay coordinates truncated toward zero, and the
// clock's time in milliseconds.
struct TrailSample {
    int x = 0;
    int y = 0;
    int t = 0;
};

} // namespace tessivo
