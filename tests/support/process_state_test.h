#pragma once

#include "tests/support/saved_process_state.h"

#include <gtest/gtest.h>

namespace tessivo::testing {

// Base fixture of tests that change what the program keeps for the whole process (the show
// list, the shell's pointer state, the background colour, the program's own scenes) without
// needing GL: all of it is put back when the test ends.
class ProcessStateTest : public ::testing::Test {
protected:
    SavedProcessState saved;
};

} // namespace tessivo::testing
