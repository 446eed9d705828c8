#pragma once

#include <sys/types.h>

namespace tessivo::testing {

// The resident memory (VmRSS) of process pid in KiB, or -1 when it cannot be read (the process
// has ended). pid 0 means this process.
long residentKib(pid_t pid = 0);

} // namespace tessivo::testing
