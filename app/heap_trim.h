#pragma once

#include <cstddef>

namespace tessivo {

// Free space the C library's heap keeps at its top rather than handing back to the system.
constexpr std::size_t heapHeadroomBytes = std::size_t{4} << 20;

// Keeps heapHeadroomBytes at the top of the heap whenever glibc trims it. Every frame the driver
// allocates some megabytes (the scene's binned geometry, the immediate-mode vertex buffers) and
// frees them when the frame is done; with glibc's own trim threshold the heap's top then went
// back to the system after each frame and the next frame faulted the same pages in afresh,
// hundreds of page faults a frame. returnFreeHeapPages still hands back everything free. Call
// it once, before the toolkit starts. Does nothing with other C libraries.
void keepHeapHeadroom();

// Hands every whole free page inside the C library's heap back to the system.
//
// The driver keeps a window's colour and depth buffers, and the scene its geometry, in blocks
// whose sizes follow the window and the scene. When those change, the old blocks are freed, but
// glibc returns heap memory to the system only from the top of the heap: small blocks allocated
// later pin the holes below them, and each new size can leave some megabytes resident for good.
// The shell calls this once after the first frame at a new window size or with a new scene, so a
// program resized all day keeps the memory of its current window only. Costs a walk of the
// heap's free blocks; does nothing with other C libraries.
void returnFreeHeapPages();

} // namespace tessivo
