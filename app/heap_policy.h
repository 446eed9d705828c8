#pragma once

#include <cstddef>

namespace tessivo {

// Blocks of at least this many bytes get a mapping of their own, returned to the system as soon
// as they are freed. A window's colour and depth buffers are well above it (1.9 MB each at
// 800 x 600); the geometry a scene makes in a frame stays below it.
constexpr std::size_t largeBlockBytes = std::size_t{1} << 20;

// Fixes the C library's mapping threshold at largeBlockBytes. Left alone, glibc raises that
// threshold to the largest block freed so far, so that after one large window the driver's
// buffers for every smaller size come from the heap; small blocks allocated after them pin the
// holes they leave, and a program whose window is resized keeps some ten megabytes more for
// good. Call it once, before the toolkit starts. Does nothing with other C libraries.
void keepLargeBlocksOutOfTheHeap();

} // namespace tessivo
