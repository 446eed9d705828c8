#pragma once

namespace tessivo {

class RotationController;

// The rotation shared by the four Klein bottle scenes, so that the bottle keeps its attitude
// when the user steps between them. It starts turned a quarter turn about the screen's z axis.
extern RotationController kleinRotation;

// The rotation shared by the six Moebius strip scenes, first tilted by 20 degrees about the
// screen's x axis so that the ring is seen from above its plane.
extern RotationController stripRotation;

// The rotation shared by the three polyhedra pairs, so that a solid keeps the attitude the user
// gave it on the way to the next pair. It starts turned by 10 degrees about the vertical and 20
// about the horizontal, so that the solids show some depth at once.
extern RotationController polyhedraRotation;

// Every scene and shared rotation controller is an object of app/static_objects.cpp. Calling
// this makes sure that file is linked into a program, which builds them all before main.
void ensureStaticObjects();

} // namespace tessivo
