#pragma once

namespace tessivo {

// How the 3D view of every scene is projected, process-wide like the overlay settings. The
// defaults are the plain program's.
struct ViewSettings {
    // On a window narrower than 4:3 the field of view widens, so that the object keeps the
    // width it has at 800 x 600; the view also keeps clear of the controls below it.
    bool keepsObjectWhole = false;
    // The object's size on screen, 1 as drawn; the view narrows about its centre.
    double zoom = 1.0;
};

ViewSettings& viewSettings();

// The smallest and the largest zoom a visitor can reach.
constexpr double smallestZoom = 0.5;
constexpr double largestZoom = 3.0;

// The view's frustum at the near plane, as glFrustum takes it.
struct ViewFrustum {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
    double nearPlane = 0.0;
    double farPlane = 0.0;
};

// The frustum of a width x height window whose lowest floorPixels rows belong to the controls:
// a field of view of 45 degrees upright, centred on the window, unless the view settings say
// otherwise. With keepsObjectWhole the object is centred in the window above the floor and
// fits that part as it fits a whole 800 x 600 window.
ViewFrustum viewFrustum(int width, int height, double floorPixels);

// Multiplies the current (projection) matrix by the view's projection for the window: the
// same call for the view and for picking, so that a pick finds what is drawn under the
// pointer. Without keepsObjectWhole and zoom it is gluPerspective(45, aspect, 1, 20).
void multiplyViewProjection(int width, int height, double floorPixels);

} // namespace tessivo
