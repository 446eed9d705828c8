// The icons of the strip scenes' own controls, drawn in the pixel overlay (lighting and depth
// test off) centred on the origin of the current matrix, or on the button's position.

#include "surfaces/moebius/middle_piece_row.h"
#include "surfaces/moebius/wheel_button.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

// The band's colour.
constexpr double bandRed = 0.2, bandGreen = 0.9, bandBlue = 0.7;

} // namespace

void WheelButton::draw() {
    PushButton::draw();
    glPushMatrix();
    glTranslated(position.x, position.y, 0.0);
    glColor3d(0.5, 0.3, 0.1);
    switch (action) {
    case Action::Add:
        glRectd(-4, -1, 4, 1);
        glRectd(-1, -4, 1, 4);
        break;
    case Action::Remove:
        glRectd(-4, -1, 4, 1);
        break;
    case Action::Clear:
        glRotated(45.0, 0.0, 0.0, 1.0);
        glRectd(-5, -1, 5, 1);
        glRectd(-1, -5, 1, 5);
        break;
    }
    glPopMatrix();
}

void MiddlePieceRow::drawItem(int i) {
    glColor3d(bandRed, bandGreen, bandBlue);
    glRectd(-8, 3, 8, 7);
    glRectd(-8, -7, 8, -3);
    if (i == 0) {
        glRectd(-8, -2, 8, 2);
    } else if (i == 1) {
        glColor3d(0.9, 0.9, 0.2);
        glRectd(-8, -2, 8, 2);
    }
}

} // namespace tessivo
