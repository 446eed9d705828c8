#include "surfaces/drawing/surface_drawing.h"

#include "math/draw_helpers.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

GLenum colourMaterialMode(ColourMaterial follows) {
    return follows == ColourMaterial::Ambient ? GL_AMBIENT : GL_AMBIENT_AND_DIFFUSE;
}

void setEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void switchToGlassLight() {
    glDisable(GL_LIGHT0);
    glEnable(GL_LIGHT4);
    // A positional light is fixed in the frame of the modelview matrix current when it is
    // placed; with the identity that is the eye's frame.
    glPushMatrix();
    glLoadIdentity();
    setLight(GL_LIGHT4, GL_POSITION, 0, 0, 10);
    glPopMatrix();
    setLight(GL_LIGHT4, GL_AMBIENT, 0.3, 0.3, 0.3);
    setLight(GL_LIGHT4, GL_DIFFUSE, 0.8, 0.8, 0.8);
    setLight(GL_LIGHT4, GL_SPECULAR, 0.0, 0.0, 0.0);
}

void switchToSceneLight() {
    glDisable(GL_LIGHT4);
    glEnable(GL_LIGHT0);
}

void useTexture(const TextureStep& step) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, step.width, step.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 step.rgb);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
}

struct StepPlayer {
    void operator()(const MaterialStep& step) const {
        if (step.specular) {
            const double level = step.specular->level;
            setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, level, level, level, 1.0);
            glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS,
                        static_cast<GLfloat>(step.specular->shininess));
        }
        const RgbaColour& c = step.colour;
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c.r, c.g, c.b, c.a);
    }
    void operator()(const DrawPrimitive& primitive) const { emitPrimitive(primitive); }
    void operator()(const NameStep& step) const { glLoadName(static_cast<GLuint>(step.name)); }
    void operator()(const BlendStep& step) const {
        if (step.blending == Blending::Off) {
            glDisable(GL_BLEND);
            return;
        }
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA,
                    step.blending == Blending::Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    }
    void operator()(const DepthTestStep& step) const { setEnabled(GL_DEPTH_TEST, step.on); }
    void operator()(const DepthWritesStep& step) const {
        glDepthMask(step.on ? GL_TRUE : GL_FALSE);
    }
    void operator()(const GlassLightStep& step) const {
        if (step.on) {
            switchToGlassLight();
        } else {
            switchToSceneLight();
        }
    }
    void operator()(const ColourMaterialStep& step) const {
        if (step.follows != ColourMaterial::None) {
            glColorMaterial(GL_FRONT_AND_BACK, colourMaterialMode(step.follows));
        }
        setEnabled(GL_COLOR_MATERIAL, step.follows != ColourMaterial::None);
    }
    void operator()(const TextureStep& step) const {
        if (step.rgb) {
            useTexture(step);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
    }
    void operator()(const PushMatrixStep&) const { glPushMatrix(); }
    void operator()(const PopMatrixStep&) const { glPopMatrix(); }
    void operator()(const TranslateStep& step) const {
        glTranslated(step.offset.x, step.offset.y, step.offset.z);
    }
    void operator()(const RotateStep& step) const {
        glRotated(step.degrees, step.axis.x, step.axis.y, step.axis.z);
    }
};

} // namespace

void playDrawing(const SurfaceDrawing& drawing) {
    for (const DrawStep& step : drawing) {
        std::visit(StepPlayer{}, step);
    }
}

} // namespace tessivo
