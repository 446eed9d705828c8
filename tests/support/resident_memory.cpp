#include "tests/support/resident_memory.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace tessivo::testing {

long residentKib(pid_t pid) {
    const std::string process = pid == 0 ? "self" : std::to_string(pid);
    std::ifstream status("/proc/" + process + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

} // namespace tessivo::testing
