#pragma once

#include <cstdint>
#include <vector>

namespace tessivo::gllayer {

// GL's selection mode: the name stack and the hit records written into the program's buffer.
// A hit is recorded for every primitive that survives clipping while the same names are on the
// stack; a change of the stack (or leaving selection mode) closes the record: name count,
// minimum and maximum window depth scaled to 0..2^32-1, then the names, bottom first.
class SelectionRecorder {
public:
    void begin(std::uint32_t* buffer, int size);
    // Closes the last record and returns the number of records, or -1 when the buffer was too
    // small for them.
    int end();

    void initNames();
    void pushName(std::uint32_t name);
    bool popName();
    bool loadName(std::uint32_t name);
    // One primitive that reached the window at depths minDepth..maxDepth (0..1).
    void hit(double minDepth, double maxDepth);

private:
    void closeRecord();
    void write(std::uint32_t value);

    std::uint32_t* buffer = nullptr;
    int size = 0;
    int written = 0;
    int records = 0;
    bool overflow = false;
    std::vector<std::uint32_t> names;
    bool hitOpen = false;
    double minHit = 1.0;
    double maxHit = 0.0;
};

} // namespace tessivo::gllayer
