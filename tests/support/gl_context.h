#pragma once

#include "tests/support/saved_process_state.h"

#include <gtest/gtest.h>

namespace tessivo::testing {

// Opens, once per process, a hidden 800 x 600 GLUT window on $DISPLAY (a private Xvfb when run
// by scripts/test.sh) and makes its context current, so that tests can use the GL matrix
// stacks, selection-mode picking and the stroke font. Fails the calling test when no display
// can be opened.
void ensureGlContext();

// Base fixture of every test that needs GL. Resets the matrix stacks and the viewport to the
// window's 800 x 600, and puts back the process-wide state when the test ends.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;

    SavedProcessState saved;
};

// Fixes the program's clock for the lifetime of the object.
class FixedClock {
public:
    explicit FixedClock(int ms);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
    void set(int ms);
    void advance(int ms);
    int now() const { return time; }

private:
    int time;
};

} // namespace tessivo::testing
