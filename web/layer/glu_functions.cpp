// The GLU functions the program uses, on top of the layer's GL: matrices that multiply the
// current one, and the quadrics drawn as GLU draws them (the same slices, stacks, normals and
// vertex order), so that they light and pick alike.

#include "web/layer/gl_layer_functions.h"
#include "web/layer/matrix4.h"

#include <cmath>
#include <vector>

class GLUquadric {
public:
    GLenum normals = GLU_SMOOTH;
    GLenum orientation = GLU_OUTSIDE;
};

namespace {

using tessivo::gllayer::pi;

struct SliceAngles {
    std::vector<double> sine, cosine;
};

// The angles of slices + 1 points round the circle, the last one the first again so that the
// surface closes exactly.
SliceAngles sliceAngles(int slices) {
    SliceAngles a;
    for (int i = 0; i < slices; ++i) {
        const double angle = 2.0 * pi * i / slices;
        a.sine.push_back(std::sin(angle));
        a.cosine.push_back(std::cos(angle));
    }
    a.sine.push_back(a.sine[0]);
    a.cosine.push_back(a.cosine[0]);
    return a;
}

} // namespace

extern "C" {

void tluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double radians = fovy / 2.0 * pi / 180.0;
    const double depth = zFar - zNear;
    const double sine = std::sin(radians);
    if (depth == 0.0 || sine == 0.0 || aspect == 0.0) {
        return;
    }
    const double cotangent = std::cos(radians) / sine;
    const GLdouble m[16] = {cotangent / aspect,
                            0,
                            0,
                            0,
                            0,
                            cotangent,
                            0,
                            0,
                            0,
                            0,
                            -(zFar + zNear) / depth,
                            -1,
                            0,
                            0,
                            -2.0 * zNear * zFar / depth,
                            0};
    tlMultMatrixd(m);
}

void tluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top) {
    tlOrtho(left, right, bottom, top, -1.0, 1.0);
}

void tluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    double f[3] = {centreX - eyeX, centreY - eyeY, centreZ - eyeZ};
    const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    for (double& c : f) {
        c /= fl;
    }
    double s[3] = {f[1] * upZ - f[2] * upY, f[2] * upX - f[0] * upZ, f[0] * upY - f[1] * upX};
    const double sl = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    for (double& c : s) {
        c /= sl;
    }
    const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2],
                         s[0] * f[1] - s[1] * f[0]};
    const GLdouble m[16] = {s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0,
                            s[2], u[2], -f[2], 0, 0,    0,    0,     1};
    tlMultMatrixd(m);
    tlTranslated(-eyeX, -eyeY, -eyeZ);
}

// Maps the width x height pixels round (x, y) onto the whole clip volume, so that only what
// falls there survives clipping in selection mode.
void tluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height,
                   const GLint viewport[4]) {
    if (width <= 0 || height <= 0) {
        return;
    }
    tlTranslated((viewport[2] - 2 * (x - viewport[0])) / width,
                 (viewport[3] - 2 * (y - viewport[1])) / height, 0);
    tlScaled(viewport[2] / width, viewport[3] / height, 1.0);
}

GLUquadric* tluNewQuadric(void) {
    return new GLUquadric;
}

void tluDeleteQuadric(GLUquadric* quadric) {
    delete quadric;
}

void tluQuadricNormals(GLUquadric* quadric, GLenum normals) {
    quadric->normals = normals;
}

void tluQuadricOrientation(GLUquadric* quadric, GLenum orientation) {
    quadric->orientation = orientation;
}

// A tube along z from the base radius at 0 to the top radius at height, as quad strips, one
// per stack, the normals of a smooth cone.
void tluCylinder(GLUquadric* quadric, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks) {
    if (slices < 2 || stacks < 1 || base < 0 || top < 0 || height < 0) {
        return;
    }
    const double radiusStep = base - top;
    const double length = std::sqrt(radiusStep * radiusStep + height * height);
    if (length == 0.0) {
        return;
    }
    const bool outside = quadric->orientation == GLU_OUTSIDE;
    const double sign = outside ? 1.0 : -1.0;
    const double zNormal = sign * radiusStep / length;
    const double xyNormal = sign * height / length;
    const SliceAngles a = sliceAngles(slices);
    for (int j = 0; j < stacks; ++j) {
        const double zLow = j * height / stacks, zHigh = (j + 1) * height / stacks;
        const double low = base - radiusStep * (static_cast<float>(j) / stacks);
        const double high = base - radiusStep * (static_cast<float>(j + 1) / stacks);
        tlBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= slices; ++i) {
            if (quadric->normals != GLU_NONE) {
                tlNormal3f(static_cast<float>(xyNormal * a.sine[i]),
                           static_cast<float>(xyNormal * a.cosine[i]), static_cast<float>(zNormal));
            }
            const double first = outside ? low : high, second = outside ? high : low;
            tlVertex3f(first * a.sine[i], first * a.cosine[i], outside ? zLow : zHigh);
            tlVertex3f(second * a.sine[i], second * a.cosine[i], outside ? zHigh : zLow);
        }
        tlEnd();
    }
}

// A flat ring in the z = 0 plane, facing +z, as one quad strip per loop (a fan in the middle
// when the hole has no radius).
void tluDisk(GLUquadric* quadric, GLdouble inner, GLdouble outer, GLint slices, GLint loops) {
    if (slices < 2 || loops < 1 || outer <= 0 || inner < 0 || inner > outer) {
        return;
    }
    const bool outside = quadric->orientation == GLU_OUTSIDE;
    if (quadric->normals != GLU_NONE) {
        tlNormal3f(0, 0, outside ? 1.0f : -1.0f);
    }
    const SliceAngles a = sliceAngles(slices);
    const double radiusStep = outer - inner;
    int rings = loops;
    if (inner == 0.0) {
        rings = loops - 1;
        const double radius = outer - radiusStep * (static_cast<float>(loops - 1) / loops);
        tlBegin(GL_TRIANGLE_FAN);
        tlVertex3f(0, 0, 0);
        for (int k = 0; k <= slices; ++k) {
            const int i = outside ? slices - k : k;
            tlVertex3f(radius * a.sine[i], radius * a.cosine[i], 0);
        }
        tlEnd();
    }
    for (int j = 0; j < rings; ++j) {
        const double low = outer - radiusStep * (static_cast<float>(j) / loops);
        const double high = outer - radiusStep * (static_cast<float>(j + 1) / loops);
        tlBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= slices; ++i) {
            const double first = outside ? low : high, second = outside ? high : low;
            tlVertex3f(first * a.sine[i], first * a.cosine[i], 0);
            tlVertex3f(second * a.sine[i], second * a.cosine[i], 0);
        }
        tlEnd();
    }
}

const GLubyte* tluErrorString(GLenum error) {
    const char* text = "unknown error";
    switch (error) {
    case GL_NO_ERROR:
        text = "no error";
        break;
    case GL_INVALID_ENUM:
        text = "invalid enumerant";
        break;
    case GL_INVALID_VALUE:
        text = "invalid value";
        break;
    case GL_INVALID_OPERATION:
        text = "invalid operation";
        break;
    case GL_STACK_OVERFLOW:
        text = "stack overflow";
        break;
    case GL_STACK_UNDERFLOW:
        text = "stack underflow";
        break;
    case GL_OUT_OF_MEMORY:
        text = "out of memory";
        break;
    default:
        break;
    }
    return reinterpret_cast<const GLubyte*>(text);
}

} // extern "C"
