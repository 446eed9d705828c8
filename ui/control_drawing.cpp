// The immediate-mode drawing of every control, in the pixel overlay that the panel sets up
// (lighting and depth test off). Shapes, sizes and colours come from the controls themselves;
// what is here only emits them.

#include "math/angles.h"
#include "math/stroke_text.h"
#include "scene/clock.h"
#include "scene/overlay_settings.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "ui/choice_row.h"
#include "ui/colour_picker.h"
#include "ui/control_colours.h"
#include "ui/credits_emblem.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/scene_menu.h"
#include "ui/scene_step_button.h"
#include "ui/slider.h"

#include <GL/glu.h>
#include <GL/glut.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tessivo {

namespace {

void setColour(const Vec3& c) {
    glColor3d(c.x, c.y, c.z);
}

void vertex(const Vec2& p) {
    glVertex2d(p.x, p.y);
}

template <size_t N> void polygon(GLenum mode, const std::array<Vec2, N>& corners) {
    glBegin(mode);
    for (const Vec2& corner : corners) {
        vertex(corner);
    }
    glEnd();
}

// A disk in the plane z = 0, as the dial draws its ring and knob.
void disk(GLUquadric* quadric, double inner, double outer) {
    gluDisk(quadric, inner, outer, 40, 20);
}

// A track knob: a triangle hanging from 8 pixels above the bar's top, pointing down at it.
void trackKnob(double pixel, double barTop, const Vec3& colour) {
    setColour(colour);
    glBegin(GL_TRIANGLES);
    glVertex2d(pixel, barTop);
    glVertex2d(pixel - 8, barTop + 8);
    glVertex2d(pixel + 8, barTop + 8);
    glEnd();
}

const Vec3 emblemRed{237 / 255.0, 65 / 255.0, 92 / 255.0};
const Vec3 emblemBlue{0.0, 142 / 255.0, 169 / 255.0};
const Vec3 menuRowColour{0.4, 0.6, 0.2};

} // namespace

void PushButton::draw() {
    setColour(stateColour());
    glRectd(position.x - 7, position.y - 7, position.x + 7, position.y + 7);
}

void SceneStepButton::draw() {
    if (!canStep()) {
        return; // nowhere to go: the arrow is invisible, though it still takes the pointer
    }
    setColour(stateColour());
    glPushMatrix();
    glTranslated(position.x, position.y, 0);
    polygon(GL_TRIANGLES, arrowCorners());
    glPopMatrix();
}

void Slider::draw() {
    const double y = position.y;
    setColour(controlIdleColour);
    glRectd(left(), y - 2, right(), y + 2);
    glRectd(left() - 4, y - 2, left() - 2, y + 2);
    glRectd(right() + 2, y - 2, right() + 4, y + 2);
    trackKnob(pixelOf(value), y + 2, knobColour(dragging, hover));
}

void ColourPicker::draw() {
    const Vec3 pure[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const Vec3 labelColour = lightLabels() ? Vec3{1, 1, 1} : Vec3{0, 0, 0};
    for (int r = 0; r < 3; ++r) {
        const double yb = barBottom(r);
        // The bar fades from black on the left to the channel's full colour on the right.
        glBegin(GL_QUAD_STRIP);
        glColor3d(0, 0, 0);
        glVertex2d(left(), yb);
        glVertex2d(left(), yb + 4);
        setColour(pure[r]);
        glVertex2d(right(), yb);
        glVertex2d(right(), yb + 4);
        glEnd();
        glColor3d(0, 0, 0);
        glRectd(left() - 4, yb, left() - 2, yb + 4);
        setColour(pure[r]);
        glRectd(right() + 2, yb, right() + 4, yb + 4);

        setColour(labelColour);
        drawLabel(right() + 6, yb, 0.5, decimalText(channels[r]));

        const Vec3 knob = r == channelRow ? knobColour(dragging, hover) : knobColour(false, false);
        trackKnob(pixelOf(channels[r]), yb + 4, knob);
    }
}

void Dial::draw() {
    GLUquadric* quadric = gluNewQuadric();
    glPushMatrix();
    glTranslated(position.x, position.y, 0);
    glColor3d(0.3, 0.4, 0.8);
    disk(quadric, 10, 20);
    glPushMatrix();
    glRotated(angle * 180.0 / pi, 0, 0, 1);
    glTranslated(15, 0, 0);
    setColour(knobColour());
    disk(quadric, 0, 5);
    glPopMatrix();
    glPopMatrix();
    gluDeleteQuadric(quadric);
    advanceSpin(nowMilliseconds());
}

void ChoiceRow::draw() {
    for (int i = 0; i < itemCount; ++i) {
        glPushMatrix();
        glTranslated(itemX(i), position.y, 0);
        drawItem(i);
        glPopMatrix();
    }
    glColor3d(0.3, 0.5, 0.55);
    glPushMatrix();
    glTranslated(itemX(selected), position.y - 9, 0);
    polygon(GL_TRIANGLES, markerCorners());
    glPopMatrix();
    if (hovered >= 0 && hovered != selected) {
        const auto corners = markerCorners();
        glPushMatrix();
        glTranslated(itemX(hovered), position.y - 9, 0);
        glBegin(GL_LINE_STRIP);
        for (const Vec2& corner : corners) {
            vertex(corner);
        }
        vertex(corners[0]);
        glEnd();
        glPopMatrix();
    }
}

void SceneMenu::draw() {
    hovered = -1;
    advance(nowMilliseconds());
    glPushMatrix();
    glTranslated(position.x, position.y, 0);
    if (openness == 0.0) {
        glColor3d(1, 1, 1);
        glBegin(GL_LINE_STRIP);
        glVertex2d(-7, -7);
        glVertex2d(-7, 7);
        glVertex2d(7, 7);
        glVertex2d(7, -7);
        glVertex2d(-7, -7);
        glEnd();
        glPopMatrix();
        return;
    }

    const SceneRegistry& registry = SceneRegistry::instance();
    std::vector<std::string> titles;
    double widest = 0.0;
    for (int i = 0; i < registry.count(); ++i) {
        titles.push_back(registry.sceneAt(i)->menuTitle());
        widest = std::max(widest, strokeTextWidth(GLUT_STROKE_ROMAN, titles.back()));
    }
    widestTitle = widest;
    const SceneMenuLayout layout = sceneMenuLayout(registry.count(), openness, widest, geometry);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4d(0.8, 0.7, 0.1, 0.8);
    glRectd(layout.backgroundLeft, layout.backgroundBottom, layout.backgroundRight,
            layout.backgroundTop);
    glDisable(GL_BLEND);
    listWidth = layout.backgroundRight;

    const double py = pointer.y - position.y;
    const int w = layout.rowWidth;
    hovered = layout.rowAt(py);
    // The titles keep their size while the rows grow, so a menu on its way open or closed
    // would spill them over one another and above its background: nothing of the rows is
    // drawn outside the background. The scissor box is in window pixels, the overlay in units
    // of overlaySettings().scale pixels.
    glPushAttrib(GL_SCISSOR_BIT);
    glEnable(GL_SCISSOR_TEST);
    const double scale = overlaySettings().scale;
    const long left = std::lround((position.x + layout.backgroundLeft) * scale);
    const long bottom = std::lround((position.y + layout.backgroundBottom) * scale);
    glScissor(
        static_cast<GLint>(left), static_cast<GLint>(bottom),
        static_cast<GLsizei>(std::lround((position.x + listWidth) * scale) - left),
        static_cast<GLsizei>(std::lround((position.y + layout.backgroundTop) * scale) - bottom));
    for (size_t i = 0; i < layout.rows.size(); ++i) {
        const int bottom = layout.rows[i].bottom, top = layout.rows[i].top;
        if (static_cast<int>(i) == hovered) {
            glEnable(GL_BLEND);
            glColor4d(menuRowColour.x, menuRowColour.y, menuRowColour.z, 0.5);
            glRecti(0, bottom, w, top);
            glDisable(GL_BLEND);
        }
        if (static_cast<int>(i) == registry.currentIndex()) {
            setColour(menuRowColour);
            glBegin(GL_LINE_STRIP);
            glVertex2i(0, bottom);
            glVertex2i(0, top);
            glVertex2i(w, top);
            glVertex2i(w, bottom);
            glVertex2i(0, bottom);
            glEnd();
        }
        glColor3d(1, 1, 1);
        glPushMatrix();
        glTranslated(10, bottom + layout.textLift, 0);
        glScaled(layout.textScale, layout.textScale, layout.textScale);
        strokeText(GLUT_STROKE_ROMAN, titles[i]);
        glPopMatrix();
    }
    glPopAttrib();
    glPopMatrix();
}

void CreditsEmblem::draw() {
    advance(nowMilliseconds());
    glPushMatrix();
    glTranslated(position.x, position.y, 0);
    if (showsCredits()) {
        glColor3d(0, 0, 0);
        glPushMatrix();
        // Below an emblem at the top of the window the lines start 32 pixels under the centre,
        // clear of the ring; above it, 40 pixels over it.
        glTranslated(-10, creditsBelow ? -32 : 50, 0);
        glPushMatrix();
        glScaled(0.08, 0.08, 0.08);
        strokeText(GLUT_STROKE_ROMAN, creditLines[0]);
        glPopMatrix();
        glTranslated(0, -10, 0);
        glScaled(0.08, 0.08, 0.08);
        strokeText(GLUT_STROKE_ROMAN, creditLines[1]);
        glPopMatrix();
    }

    const EmblemShape shape = emblemShape(progress);
    setColour(emblemRed);
    glBegin(GL_QUAD_STRIP);
    for (size_t i = 0; i < shape.ringInner.size(); ++i) {
        vertex(shape.ringInner[i]);
        vertex(shape.ringOuter[i]);
    }
    glEnd();

    glPushMatrix();
    glRotated(shape.flipDegrees, std::cos(shape.bisector), std::sin(shape.bisector), 0);
    setColour(emblemBlue);
    polygon(GL_POLYGON, shape.firstLeg);
    polygon(GL_POLYGON, shape.secondLeg);
    glTranslated(shape.hinge.x, shape.hinge.y, 0);
    setColour(emblemRed);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2d(0, 0);
    for (const Vec2& point : shape.sector) {
        vertex(point);
    }
    glEnd();
    glPopMatrix();
    glPopMatrix();
}

} // namespace tessivo
