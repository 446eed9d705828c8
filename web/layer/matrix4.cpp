#include "web/layer/matrix4.h"

#include <cmath>

namespace tessivo::gllayer {

Matrix4 Matrix4::fromColumns(const double* values) {
    Matrix4 r;
    for (int i = 0; i < 16; ++i) {
        r.m[i] = values[i];
    }
    return r;
}

Matrix4 Matrix4::translation(double x, double y, double z) {
    Matrix4 r;
    r.m[12] = x;
    r.m[13] = y;
    r.m[14] = z;
    return r;
}

Matrix4 Matrix4::rotation(double degrees, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0) {
        return Matrix4();
    }
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), t = 1.0 - c;
    const double values[16] = {x * x * t + c,
                               y * x * t + z * s,
                               z * x * t - y * s,
                               0,
                               x * y * t - z * s,
                               y * y * t + c,
                               z * y * t + x * s,
                               0,
                               x * z * t + y * s,
                               y * z * t - x * s,
                               z * z * t + c,
                               0,
                               0,
                               0,
                               0,
                               1};
    return fromColumns(values);
}

Matrix4 Matrix4::scaling(double x, double y, double z) {
    Matrix4 r;
    r.m[0] = x;
    r.m[5] = y;
    r.m[10] = z;
    return r;
}

Matrix4 Matrix4::ortho(double left, double right, double bottom, double top, double zNear,
                       double zFar) {
    Matrix4 r;
    r.m[0] = 2.0 / (right - left);
    r.m[5] = 2.0 / (top - bottom);
    r.m[10] = -2.0 / (zFar - zNear);
    r.m[12] = -(right + left) / (right - left);
    r.m[13] = -(top + bottom) / (top - bottom);
    r.m[14] = -(zFar + zNear) / (zFar - zNear);
    return r;
}

Matrix4 Matrix4::frustum(double left, double right, double bottom, double top, double zNear,
                         double zFar) {
    Matrix4 r;
    r.m[0] = 2.0 * zNear / (right - left);
    r.m[5] = 2.0 * zNear / (top - bottom);
    r.m[8] = (right + left) / (right - left);
    r.m[9] = (top + bottom) / (top - bottom);
    r.m[10] = -(zFar + zNear) / (zFar - zNear);
    r.m[11] = -1.0;
    r.m[14] = -2.0 * zFar * zNear / (zFar - zNear);
    r.m[15] = 0.0;
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& other) const {
    Matrix4 r;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += at(row, k) * other.at(k, column);
            }
            r.m[column * 4 + row] = sum;
        }
    }
    return r;
}

std::array<double, 4> Matrix4::transform(const std::array<double, 4>& v) const {
    std::array<double, 4> r{};
    for (int row = 0; row < 4; ++row) {
        r[row] = at(row, 0) * v[0] + at(row, 1) * v[1] + at(row, 2) * v[2] + at(row, 3) * v[3];
    }
    return r;
}

std::array<double, 9> Matrix4::normalMatrix() const {
    const double a = at(0, 0), b = at(0, 1), c = at(0, 2);
    const double d = at(1, 0), e = at(1, 1), f = at(1, 2);
    const double g = at(2, 0), h = at(2, 1), i = at(2, 2);
    const double cofactors[9] = {e * i - f * h, f * g - d * i, d * h - e * g,
                                 c * h - b * i, a * i - c * g, b * g - a * h,
                                 b * f - c * e, c * d - a * f, a * e - b * d};
    const double determinant = a * cofactors[0] + b * cofactors[1] + c * cofactors[2];
    std::array<double, 9> r{};
    if (determinant == 0.0) {
        return r;
    }
    // The inverse is the transposed cofactor matrix over the determinant, so its transpose is
    // the cofactor matrix itself over the determinant (row-major here).
    for (int k = 0; k < 9; ++k) {
        r[k] = cofactors[k] / determinant;
    }
    return r;
}

} // namespace tessivo::gllayer
