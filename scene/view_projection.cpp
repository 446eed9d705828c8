#include "scene/view_projection.h"

#include "math/angles.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

namespace tessivo {

namespace {

constexpr double fieldOfViewDegrees = 45.0;
constexpr double nearPlane = 1.0;
constexpr double farPlane = 20.0;
// The window the scenes were made for: the object fits its width at 45 degrees upright.
constexpr double designAspect = 4.0 / 3.0;

// A minimised window reports a height of 0; its projection is replaced by the next reshape
// with a real size, but meanwhile it must not fill the matrix with infinities.
double aspectRatio(double width, double height) {
    return width > 0 && height > 0 ? width / height : 1.0;
}

// Half the view's height at the near plane for a view of the given aspect: 45 degrees
// upright, wider where the view is narrower than the design's, so that its width stays the
// design's.
double halfViewHeight(double aspect) {
    const double upright = std::tan(fieldOfViewDegrees / 2.0 * radiansPerDegree) * nearPlane;
    return viewSettings().keepsObjectWhole && aspect < designAspect
               ? upright * designAspect / aspect
               : upright;
}

double usedFloor(int height, double floorPixels) {
    return viewSettings().keepsObjectWhole && floorPixels > 0.0 && floorPixels < height
               ? floorPixels
               : 0.0;
}

} // namespace

ViewSettings& viewSettings() {
    static ViewSettings settings;
    return settings;
}

ViewFrustum viewFrustum(int width, int height, double floorPixels) {
    const double floor = usedFloor(height, floorPixels);
    const double viewHeight = height - floor;
    const double aspect = aspectRatio(width, viewHeight);
    const double halfHeight = halfViewHeight(aspect) / viewSettings().zoom;
    // The view's centre lies in the middle of the window above the floor: the whole window
    // spans from the floor's bottom, floor pixels lower, to the top.
    const double perPixel = viewHeight > 0.0 ? 2.0 * halfHeight / viewHeight : 0.0;
    ViewFrustum frustum;
    frustum.top = halfHeight;
    frustum.bottom = -halfHeight - floor * perPixel;
    frustum.right = halfHeight * aspect;
    frustum.left = -frustum.right;
    frustum.nearPlane = nearPlane;
    frustum.farPlane = farPlane;
    return frustum;
}

void multiplyViewProjection(int width, int height, double floorPixels) {
    // A view centred on the window at zoom 1 is GLU's perspective, to the last bit of the
    // plain program's.
    if (viewSettings().zoom == 1.0 && usedFloor(height, floorPixels) == 0.0) {
        const double aspect = aspectRatio(width, height);
        const double fieldOfView =
            std::atan(halfViewHeight(aspect) / nearPlane) * 2.0 / radiansPerDegree;
        const bool upright = !viewSettings().keepsObjectWhole || aspect >= designAspect;
        gluPerspective(upright ? fieldOfViewDegrees : fieldOfView, aspect, nearPlane, farPlane);
        return;
    }
    const ViewFrustum f = viewFrustum(width, height, floorPixels);
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
}

} // namespace tessivo
