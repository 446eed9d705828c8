#include "math/draw_helpers.h"

#include "math/angles.h"

#include <GL/glu.h>
#include <cmath>

namespace tessivo {

void setLight(GLenum light, GLenum pname, double x, double y, double z) {
    const GLfloat values[4] = {static_cast<GLfloat>(x), static_cast<GLfloat>(y),
                               static_cast<GLfloat>(z), 1.0f};
    glLightfv(light, pname, values);
}

void setMaterial(GLenum face, GLenum pname, double a, double b, double c, double d) {
    const GLfloat values[4] = {static_cast<GLfloat>(a), static_cast<GLfloat>(b),
                               static_cast<GLfloat>(c), static_cast<GLfloat>(d)};
    glMaterialfv(face, pname, values);
}

void resetMaterial() {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT, 0.2, 0.2, 0.2, 1.0);
    setMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE, 0.8, 0.8, 0.8, 1.0);
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.0, 0.0, 0.0, 1.0);
    setMaterial(GL_FRONT_AND_BACK, GL_EMISSION, 0.0, 0.0, 0.0, 1.0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
}

Vec3 hueRamp(double t, double brightness) {
    // Fractional part in [0, 1), also for negative t.
    const double f = t >= 0.0 ? t - std::floor(t) : t + std::ceil(-t);
    const double s = 6.0 * f;
    const int k = static_cast<int>(s) % 6;
    const double g = s - k;
    static const Vec3 primaries[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const Vec3& a = primaries[k % 3];
    const Vec3& b = primaries[((k + 1) % 6) % 3];
    return brightness * ((1.0 - g) * a + g * b);
}

void hueColour(double t, double brightness) {
    const Vec3 c = hueRamp(t, brightness);
    glColor3d(c.x, c.y, c.z);
}

std::array<double, 16> frameMatrix(const Vec3& origin, const Vec3& xAxis, const Vec3& yAxis) {
    const Vec3 zAxis = cross(xAxis, yAxis);
    return {xAxis.x, xAxis.y, xAxis.z, 0.0, yAxis.x,  yAxis.y,  yAxis.z,  0.0,
            zAxis.x, zAxis.y, zAxis.z, 0.0, origin.x, origin.y, origin.z, 1.0};
}

void multFrame(const Vec3& origin, const Vec3& xAxis, const Vec3& yAxis) {
    glMultMatrixd(frameMatrix(origin, xAxis, yAxis).data());
}

TubePlacement tubePlacement(const Vec3& p0, const Vec3& p1) {
    const Vec3 d = p1 - p0;
    TubePlacement placement;
    placement.length = length(d);
    if (!(placement.length >= 1e-5)) {
        return placement;
    }
    placement.degenerate = false;
    const double azimuth = d.x * d.x + d.y * d.y > 1e-9 ? std::atan2(d.y, d.x) : 0.0;
    placement.azimuthDegrees = azimuth * degreesPerRadian;
    placement.polarDegrees = std::acos(d.z / placement.length) * degreesPerRadian;
    return placement;
}

void drawTube(const Vec3& p0, double r0, const Vec3& p1, double r1) {
    const TubePlacement placement = tubePlacement(p0, p1);
    if (placement.degenerate) {
        return;
    }
    GLUquadric* quadric = gluNewQuadric();
    glPushMatrix();
    glTranslated(p0.x, p0.y, p0.z);
    glRotated(placement.azimuthDegrees, 0, 0, 1);
    glRotated(placement.polarDegrees, 0, 1, 0);
    gluCylinder(quadric, r0, r1, placement.length, 10, 10);
    glPopMatrix();
    gluDeleteQuadric(quadric);
}

void drawRod(const Vec3& p0, const Vec3& p1, double r) {
    drawTube(p0, r, p1, r);
}

} // namespace tessivo
