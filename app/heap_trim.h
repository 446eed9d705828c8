#pragma once

namespace tessivo {

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
