#include "tests/support/gl_context.h"

#include "scene/clock.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <cstdlib>

namespace tessivo::testing {

void ensureGlContext() {
    static bool ready = false;
    if (ready) {
        return;
    }
    const char* display = std::getenv("DISPLAY");
    ASSERT_TRUE(display && *display) << "GL tests need an X display; run them with scripts/test.sh";
    int argc = 1;
    char name[] = "tessivo_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("tessivo-tests");
    glutDisplayFunc([] {});
    glutHideWindow();
    glutMainLoopEvent();
    ready = true;
}

void GlTest::SetUp() {
    ensureGlContext();
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

FixedClock::FixedClock(int ms) : time(ms) {
    setClockForTesting(ms);
}

FixedClock::~FixedClock() {
    releaseClockForTesting();
}

void FixedClock::set(int ms) {
    time = ms;
    setClockForTesting(ms);
}

void FixedClock::advance(int ms) {
    // The toolkit's clock wraps like an unsigned counter; so does this one.
    set(static_cast<int>(static_cast<std::uint32_t>(time) + static_cast<std::uint32_t>(ms)));
}

} // namespace tessivo::testing
