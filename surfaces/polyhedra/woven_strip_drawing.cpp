#include "surfaces/polyhedra/woven_strip_drawing.h"

#include "math/draw_helpers.h"
#include "surfaces/polyhedra/woven_strip.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

void vertex(const Vec3& p) {
    glVertex3d(p.x, p.y, p.z);
}

void normal(const Vec3& n) {
    glNormal3d(n.x, n.y, n.z);
}

} // namespace

void setWovenMaterial(const WovenMaterial& material) {
    const auto& c = material.colour;
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c[0], c[1], c[2], c[3]);
    if (material.setsSpecular) {
        const auto& s = material.specular;
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, s[0], s[1], s[2], s[3]);
        if (material.shininess >= 0.0) {
            glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, static_cast<GLfloat>(material.shininess));
        }
    }
}

void prepareWovenStripLighting() {
    glEnable(GL_LIGHT0);
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
}

void drawStripPart(int part, double phi, double cut) {
    const std::vector<StripVertexPair> pairs = stripPartVertices(part, phi, cut);
    const bool marking = !stripPart(part).wall && cut > 0.0;
    bool red = marking;
    if (marking) {
        setWovenMaterial(markingMaterial);
    }
    glBegin(GL_QUAD_STRIP);
    for (const StripVertexPair& pair : pairs) {
        if (marking && pair.marked != red) {
            red = pair.marked;
            setWovenMaterial(red ? markingMaterial : bandFaceMaterial);
        }
        normal(pair.normal);
        vertex(pair.first);
        vertex(pair.second);
    }
    glEnd();
}

void drawStripCaps(double phi, double cut) {
    for (const CapPolygon& cap : stripCapPolygons(phi, cut)) {
        glBegin(GL_POLYGON);
        normal(cap.normal);
        for (const Vec3& corner : cap.corners) {
            vertex(corner);
        }
        glEnd();
    }
}

void drawEdgeTube(double phi, double trim) {
    const std::vector<EdgeTubeSegment> segments = edgeTubeSegments(phi, trim);
    const bool marking = trim > 0.0;
    bool red = marking;
    if (marking) {
        setWovenMaterial(markingMaterial);
    }
    for (const EdgeTubeSegment& segment : segments) {
        if (marking && segment.marked != red) {
            red = segment.marked;
            setWovenMaterial(red ? markingMaterial : edgeTubeMaterial);
        }
        glBegin(GL_TRIANGLE_STRIP);
        for (const TubeVertex& v : segment.vertices) {
            normal(v.normal);
            vertex(v.position);
        }
        glEnd();
    }
}

void drawWovenStrip(double cut, double phi, double trim) {
    setWovenMaterial(slotWallMaterial);
    drawStripPart(6, phi, cut);
    drawStripPart(4, phi, cut);
    setWovenMaterial(bandFaceMaterial);
    for (int part : {3, 1, 2, 0}) {
        drawStripPart(part, phi, cut);
    }
    setWovenMaterial(edgeTubeMaterial);
    drawEdgeTube(phi, trim);
    setWovenMaterial(endCapMaterial);
    if (cut > 0.0) {
        drawStripCaps(phi, cut);
    }
}

} // namespace tessivo
