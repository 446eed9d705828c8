// The immediate-mode side of KleinBottleSurface: everything here emits geometry that the pure
// side has computed.

#include "math/draw_helpers.h"
#include "surfaces/klein/klein_bottle_surface.h"
#include "surfaces/klein/klein_materials.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

constexpr double pi = 3.141592653589793;

void emit(const Vec3& normal, const Vec3& vertex) {
    glNormal3d(normal.x, normal.y, normal.z);
    glVertex3d(vertex.x, vertex.y, vertex.z);
}

} // namespace

void KleinBottleSurface::drawStrips(int rowStart, int rowEnd, int rowStep, int columnStart,
                                    int columnEnd) {
    for (int r = rowStart; r < rowEnd; r += rowStep) {
        glBegin(GL_QUAD_STRIP);
        for (int j = columnStart; j <= columnEnd; ++j) {
            emit(normal(r, j), vertex(r, j));
            emit(normal(r + 1, j), vertex(r + 1, j));
        }
        glEnd();
    }
}

void KleinBottleSurface::drawBands() {
    for (int r : surfaceBands(drawMode, rows)) {
        drawStrips(r, r + 1, 1, 0, columns - 1);
    }
}

void KleinBottleSurface::drawSurface() {
    setBottleMaterial();
    if (drawMode != GlassMode) {
        drawBands();
        return;
    }
    // Glass: a light straight above the eye, without highlights of its own, lights the
    // translucent surface drawn without depth test, so every layer shows through; the same
    // bands, from the mesh of this frame, are then laid over it once more in a black material
    // with additive blending, which adds only the highlights. (Both passes are drawn directly:
    // recording them in a display list every frame made the GL driver's memory grow for as
    // long as the glass was shown.)
    switchToGlassLight(0.0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    drawBands();
    switchToSceneLight();
    setHighlightMaterial();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    drawBands();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void KleinBottleSurface::draw() {
    glPushMatrix();
    if (stage == Label) {
        glRotated(180.0, 0, 0, 1);
    } else {
        glRotated(180.0, 1, 0, 0);
    }
    switch (stage) {
    case Rolling:
    case Closing:
        drawSurface();
        drawGlueMarks();
        break;
    case Bottle:
        buildSpine();
        buildMesh();
        drawSurface();
        break;
    case Label:
        drawWithLabel();
        break;
    case Halves:
        drawHalves();
        break;
    default:
        drawSurface();
        break;
    }
    glPopMatrix();
}

void KleinBottleSurface::drawHalves() {
    constexpr double apart = 2.65;
    double swing = 2.0 * progress;
    double opening = progress == 0.0 ? 0.0 : 0.00001;
    if (swing > 1.0) {
        opening = swing - 1.0;
        swing = 1.0;
    }
    glPushMatrix();
    glTranslated(0, -apart * swing, 0);
    cutOpening = opening;
    buildMesh();
    drawSurface();
    glPopMatrix();
    if (swing > 0.0) {
        // The mirror image swings open about the line y = apart, z = 0 of the moving frame.
        glPushMatrix();
        glTranslated(0, -apart * swing, 0);
        glTranslated(0, apart, 0);
        glRotated(180.0 * swing, 1, 0, 0);
        glTranslated(0, -apart, 0);
        mirrorMesh();
        drawSurface();
        glPopMatrix();
    }
    cutOpening = 0.0;
    buildMesh();
}

void KleinBottleSurface::drawEdgeTube(const std::vector<EdgeSample>& samples, double hueStart,
                                      double hueEnd) {
    constexpr double radius = 0.04;
    constexpr double brightness = 4.0;
    const int count = static_cast<int>(samples.size());
    // Six flat sides, each a strip between the angles k pi / 3 and the previous one: a
    // smooth-shaded hexagonal tube.
    double previous = 5.0 * pi / 3.0;
    for (int k = 0; k < 6; ++k) {
        const double theta = k * pi / 3.0;
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i < count; ++i) {
            const double f = static_cast<double>(i) / (count - 1);
            hueColour(hueStart * (1.0 - f) + hueEnd * f, brightness);
            const EdgeSample& s = samples[static_cast<std::size_t>(i)];
            const Vec3 here = edgeTubeOffset(s, theta);
            const Vec3 before = edgeTubeOffset(s, previous);
            emit(here, s.centre + radius * here);
            emit(before, s.centre + radius * before);
        }
        glEnd();
        previous = theta;
    }
}

void KleinBottleSurface::drawRingEdge(double position, double hueStart, double hueEnd) {
    drawEdgeTube(ringEdgeSamples(position), hueStart, hueEnd);
}

void KleinBottleSurface::drawColumnEdge(double position, double hueStart, double hueEnd) {
    drawEdgeTube(columnEdgeSamples(position), hueStart, hueEnd);
}

void KleinBottleSurface::drawGlueMarks() {
    setHighlightMaterial();
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    // The hue runs the same way along both long edges, which are glued as they lie, and
    // opposite ways round the two end rings, which are glued with a flip.
    drawColumnEdge(0.0, 0.0, 0.25);
    drawColumnEdge(1.0, 0.0, 0.25);
    drawRingEdge(0.0, 0.5, 0.25);
    drawRingEdge(1.0, 0.25, 0.5);
    glDisable(GL_COLOR_MATERIAL);
}

} // namespace tessivo
