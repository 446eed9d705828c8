#pragma once

#include <array>

namespace tessivo::gllayer {

// The layer's one pi, for degrees into radians and the quadrics' circles.
inline constexpr double pi = 3.14159265358979323846;

// A 4 x 4 matrix stored column by column, as GL keeps its matrices, in double precision.
class Matrix4 {
public:
    std::array<double, 16> m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Matrix4 fromColumns(const double* values);
    static Matrix4 translation(double x, double y, double z);
    static Matrix4 rotation(double degrees, double x, double y, double z);
    static Matrix4 scaling(double x, double y, double z);
    static Matrix4 ortho(double left, double right, double bottom, double top, double zNear,
                         double zFar);
    static Matrix4 frustum(double left, double right, double bottom, double top, double zNear,
                           double zFar);

    double at(int row, int column) const { return m[column * 4 + row]; }
    bool isIdentity() const { return m == Matrix4().m; }
    Matrix4 operator*(const Matrix4& other) const;
    std::array<double, 4> transform(const std::array<double, 4>& v) const;
    // The transpose of the inverse of the upper 3 x 3 part: what carries normals into the
    // frame the matrix carries points into. A singular matrix gives the zero matrix.
    std::array<double, 9> normalMatrix() const;
};

} // namespace tessivo::gllayer
