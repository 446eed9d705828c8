#pragma once

namespace tessivo {

class RotationController;

// The rotation shared by the four Klein bottle scenes, so that the bottle keeps its attitude
// when the user steps between them.
extern RotationController kleinRotation;

// Every scene and shared rotation controller is an object of app/static_objects.cpp. Calling
// this makes sure that file is linked into a program, which builds them all before main.
void ensureStaticObjects();

} // namespace tessivo
