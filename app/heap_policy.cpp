#include "app/heap_policy.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tessivo {

void keepLargeBlocksOutOfTheHeap() {
#ifdef __GLIBC__
    // Setting the threshold also stops glibc from adjusting it (and the trim threshold) later.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(largeBlockBytes));
#endif
}

} // namespace tessivo
