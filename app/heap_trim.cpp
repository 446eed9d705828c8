#include "app/heap_trim.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tessivo {

void keepHeapHeadroom() {
#ifdef __GLIBC__
    mallopt(M_TOP_PAD, static_cast<int>(heapHeadroomBytes));
#endif
}

void returnFreeHeapPages() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace tessivo
