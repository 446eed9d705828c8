#pragma once

#include "math/vec3.h"

#include <array>
#include <vector>

namespace tessivo {

// Highest degree the basis recurrence has room for.
constexpr int maxBSplineDegree = 9;

// The non-zero basis functions N[0..degree] of one knot span; entries above the degree are 0.
using BSplineBasis = std::array<double, maxBSplineDegree + 1>;

// The knot vector of a clamped, uniform B-spline on [0, 1] with controlPointCount points of the
// given degree: degree + 1 zeros, the interior knots i / (k + 1) for i = 1..k, degree + 1 ones,
// controlPointCount + degree + 1 knots in all. Domain: 0 <= degree < controlPointCount.
std::vector<double> clampedUniformKnots(int controlPointCount, int degree);

// The span i of a non-decreasing knot vector U (knotCount knots, clamped at both ends) with
// U[i] <= u < U[i + 1], found by halving between i = degree and the last span. Any u at or
// beyond the last knot gives the last span (knotCount - degree - 2), any u before the first
// interior span the first one (degree), so that the basis there evaluates the curve's end
// points. A NaN u gives some span in between (its basis is NaN), without looping.
int findSpan(double u, const double* knots, int knotCount, int degree);

// The degree + 1 basis functions that do not vanish on span i at u, by the Cox-de Boor
// recurrence in its triangular form (each level j builds from level j - 1, sharing the
// left[j] = u - U[i + 1 - j] and right[j] = U[i + j] - u differences). For u inside the span the
// values are non-negative and sum to 1. Domain: 0 <= degree <= maxBSplineDegree, and span a
// result of findSpan for the same knots.
BSplineBasis basisFunctions(int span, double u, int degree, const double* knots);

// A 3D B-spline curve with a clamped, uniform knot vector on [0, 1]: it starts at its first
// control point and ends at its last. The control points are free to change; the knots never
// do. Evaluation allocates nothing.
class BSplineCurve {
public:
    // controlPointCount points, all at the origin, of the given degree. A degree outside
    // 0..min(maxBSplineDegree, controlPointCount - 1) has no clamped knot vector of this
    // length; it is brought into that range (and at least one control point is kept), so that
    // evaluation never reads outside the arrays.
    BSplineCurve(int controlPointCount, int degree);

    void setControlPoint(int index, const Vec3& point);
    void setControlPoint(int index, double x, double y, double z);

    // The curve point at u; u below 0 counts as 0 and above 1 as 1, so the ends are the first
    // and last control points.
    Vec3 evaluate(double u) const;

    // The curve point at u and the unit tangent, as the central difference
    // C(u + 0.001) - C(u - 0.001) normalised. Because evaluate clamps, the difference becomes
    // one-sided within 0.001 of either end (at u = 0 it is C(0.001) - C(0)). A u outside
    // [0, 1] gives the point and tangent of the nearer end. A curve whose samples coincide
    // there (all control points equal) has no tangent: it is then NaN.
    void pointAndTangent(double u, Vec3& point, Vec3& tangent) const;

    int controlPointCount() const { return static_cast<int>(controlPoints.size()); }
    int knotCount() const { return static_cast<int>(knots.size()); }
    int degree() const { return degree_; }

    std::vector<Vec3> controlPoints;
    std::vector<double> knots;

private:
    int degree_;
};

} // namespace tessivo
