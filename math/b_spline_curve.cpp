#include "math/b_spline_curve.h"

#include <algorithm>

namespace tessivo {

std::vector<double> clampedUniformKnots(int controlPointCount, int degree) {
    const int knotCount = controlPointCount + degree + 1;
    std::vector<double> knots(static_cast<std::size_t>(knotCount), 0.0);
    // The ends repeat degree + 1 times, so the curve touches its first and last control
    // points; what is left over is spread evenly in between.
    const int interior = knotCount - 2 * (degree + 1);
    for (int i = 1; i <= interior; ++i) {
        knots[static_cast<std::size_t>(degree + i)] =
            static_cast<double>(i) / static_cast<double>(interior + 1);
    }
    for (int i = knotCount - 1 - degree; i < knotCount; ++i) {
        knots[static_cast<std::size_t>(i)] = 1.0;
    }
    return knots;
}

int findSpan(double u, const double* knots, int knotCount, int degree) {
    const int lastSpan = knotCount - degree - 2;
    if (u >= knots[knotCount - 1]) {
        return lastSpan;
    }
    // The halving below keeps U[low] <= u < U[high]; a u before the first span would leave
    // that invariant false from the start and the search would never end.
    if (u < knots[degree + 1]) {
        return degree;
    }
    int low = degree;
    int high = knotCount - degree - 1;
    int mid = (low + high) / 2;
    while (u < knots[mid] || u >= knots[mid + 1]) {
        if (u < knots[mid]) {
            high = mid;
        } else {
            low = mid;
        }
        mid = (low + high) / 2;
    }
    return mid;
}

BSplineBasis basisFunctions(int span, double u, int degree, const double* knots) {
    BSplineBasis n{};
    std::array<double, maxBSplineDegree + 1> left{};
    std::array<double, maxBSplineDegree + 1> right{};
    n[0] = 1.0;
    for (int j = 1; j <= degree; ++j) {
        left[j] = u - knots[span + 1 - j];
        right[j] = knots[span + j] - u;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            // N[r] of degree j - 1 splits between N[r] and N[r + 1] of degree j, in the
            // proportions of how far u lies into the two knot intervals they span.
            const double temp = n[r] / (right[r + 1] + left[j - r]);
            n[r] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        n[j] = saved;
    }
    return n;
}

namespace {

int usableDegree(int controlPointCount, int degree) {
    return std::clamp(degree, 0, std::min(maxBSplineDegree, controlPointCount - 1));
}

} // namespace

BSplineCurve::BSplineCurve(int controlPointCount, int degree)
    : controlPoints(static_cast<std::size_t>(std::max(controlPointCount, 1))),
      degree_(usableDegree(std::max(controlPointCount, 1), degree)) {
    knots = clampedUniformKnots(this->controlPointCount(), degree_);
}

void BSplineCurve::setControlPoint(int index, const Vec3& point) {
    controlPoints[static_cast<std::size_t>(index)] = point;
}

void BSplineCurve::setControlPoint(int index, double x, double y, double z) {
    setControlPoint(index, Vec3{x, y, z});
}

Vec3 BSplineCurve::evaluate(double u) const {
    if (u < 0.0) {
        u = 0.0;
    } else if (u > 1.0) {
        u = 1.0;
    }
    const int span = findSpan(u, knots.data(), knotCount(), degree_);
    const BSplineBasis n = basisFunctions(span, u, degree_, knots.data());
    Vec3 point;
    for (int i = 0; i <= degree_; ++i) {
        point = point + n[i] * controlPoints[static_cast<std::size_t>(span - degree_ + i)];
    }
    return point;
}

void BSplineCurve::pointAndTangent(double u, Vec3& point, Vec3& tangent) const {
    constexpr double step = 0.001;
    // Outside [0, 1] both samples would clamp to the same end point and leave no direction;
    // the tangent there is the one at the nearer end.
    u = std::clamp(u, 0.0, 1.0);
    point = evaluate(u);
    tangent = normalised(evaluate(u + step) - evaluate(u - step));
}

} // namespace tessivo
