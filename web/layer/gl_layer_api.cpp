// The GL entry points of the layer. Each is thin: it records itself when a display list is
// being compiled (GL compiles these calls), converts its arguments and hands over to the Layer.

#include "web/layer/gl_layer_functions.h"
#include "web/layer/layer.h"

#include <array>

using tessivo::gllayer::Layer;
using tessivo::gllayer::Matrix4;
using tessivo::gllayer::Rgba;

namespace {

Layer& gl() {
    return Layer::instance();
}

// Asks first, so that the call is wrapped for keeping only while a list is being compiled.
template <typename Call> bool recorded(const Call& call) {
    return gl().lists.compiling() && gl().lists.record(call);
}

// Runs the rest of the function only when it is not just being compiled into a display list.
#define COMPILED_AS(...)                                                                           \
    if (recorded([=] { __VA_ARGS__; })) {                                                          \
        return;                                                                                    \
    }

template <typename T> std::array<T, 16> sixteen(const T* m) {
    std::array<T, 16> a;
    std::copy(m, m + 16, a.begin());
    return a;
}

template <typename T> std::array<double, 16> widened(const std::array<T, 16>& m) {
    std::array<double, 16> a;
    std::copy(m.begin(), m.end(), a.begin());
    return a;
}

std::array<float, 4> four(GLenum pname, const GLfloat* p) {
    const bool single = pname == GL_SHININESS || pname == GL_SPOT_EXPONENT ||
                        pname == GL_SPOT_CUTOFF || pname == GL_CONSTANT_ATTENUATION ||
                        pname == GL_LINEAR_ATTENUATION || pname == GL_QUADRATIC_ATTENUATION ||
                        pname == GL_LIGHT_MODEL_TWO_SIDE || pname == GL_LIGHT_MODEL_LOCAL_VIEWER;
    const bool three = pname == GL_SPOT_DIRECTION;
    return {p[0], single ? 0.0f : p[1], single ? 0.0f : p[2], single || three ? 0.0f : p[3]};
}

void colour(double r, double g, double b, double a) {
    gl().setColour({static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
                    static_cast<float>(a)});
}

} // namespace

extern "C" {

void tlBegin(GLenum mode) {
    COMPILED_AS(tlBegin(mode));
    gl().begin(mode);
}

void tlEnd(void) {
    COMPILED_AS(tlEnd());
    gl().end();
}

void tlVertex4d(GLdouble x, GLdouble y, GLdouble z, GLdouble w) {
    COMPILED_AS(tlVertex4d(x, y, z, w));
    gl().vertex(x, y, z, w);
}

void tlVertex2d(GLdouble x, GLdouble y) {
    tlVertex4d(x, y, 0.0, 1.0);
}

void tlVertex2f(GLfloat x, GLfloat y) {
    tlVertex4d(x, y, 0.0, 1.0);
}

void tlVertex2i(GLint x, GLint y) {
    tlVertex4d(x, y, 0.0, 1.0);
}

void tlVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    tlVertex4d(x, y, z, 1.0);
}

void tlVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    tlVertex4d(x, y, z, 1.0);
}

void tlVertex2dv(const GLdouble* v) {
    tlVertex4d(v[0], v[1], 0.0, 1.0);
}

void tlVertex3dv(const GLdouble* v) {
    tlVertex4d(v[0], v[1], v[2], 1.0);
}

void tlVertex3fv(const GLfloat* v) {
    tlVertex4d(v[0], v[1], v[2], 1.0);
}

void tlNormal3d(GLdouble x, GLdouble y, GLdouble z) {
    COMPILED_AS(tlNormal3d(x, y, z));
    gl().state.normal = {x, y, z};
}

void tlNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    tlNormal3d(x, y, z);
}

void tlNormal3dv(const GLdouble* v) {
    tlNormal3d(v[0], v[1], v[2]);
}

void tlNormal3fv(const GLfloat* v) {
    tlNormal3d(v[0], v[1], v[2]);
}

void tlColor4d(GLdouble r, GLdouble g, GLdouble b, GLdouble a) {
    COMPILED_AS(tlColor4d(r, g, b, a));
    colour(r, g, b, a);
}

void tlColor3d(GLdouble r, GLdouble g, GLdouble b) {
    tlColor4d(r, g, b, 1.0);
}

void tlColor3f(GLfloat r, GLfloat g, GLfloat b) {
    tlColor4d(r, g, b, 1.0);
}

void tlColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    tlColor4d(r, g, b, a);
}

void tlColor3ub(GLubyte r, GLubyte g, GLubyte b) {
    tlColor4d(r / 255.0, g / 255.0, b / 255.0, 1.0);
}

void tlColor3dv(const GLdouble* v) {
    tlColor4d(v[0], v[1], v[2], 1.0);
}

void tlColor3fv(const GLfloat* v) {
    tlColor4d(v[0], v[1], v[2], 1.0);
}

void tlColor4fv(const GLfloat* v) {
    tlColor4d(v[0], v[1], v[2], v[3]);
}

void tlTexCoord2d(GLdouble s, GLdouble t) {
    COMPILED_AS(tlTexCoord2d(s, t));
    gl().state.texCoord = {s, t, 0.0, 1.0};
}

void tlTexCoord2f(GLfloat s, GLfloat t) {
    tlTexCoord2d(s, t);
}

void tlRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2) {
    COMPILED_AS(tlRectd(x1, y1, x2, y2));
    gl().rectangle(x1, y1, x2, y2);
}

void tlRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    tlRectd(x1, y1, x2, y2);
}

void tlRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    tlRectd(x1, y1, x2, y2);
}

void tlMatrixMode(GLenum mode) {
    COMPILED_AS(tlMatrixMode(mode));
    gl().matrixMode(mode);
}

void tlLoadIdentity(void) {
    COMPILED_AS(tlLoadIdentity());
    gl().currentStack().load(Matrix4());
}

void tlPushMatrix(void) {
    COMPILED_AS(tlPushMatrix());
    gl().pushMatrix();
}

void tlPopMatrix(void) {
    COMPILED_AS(tlPopMatrix());
    gl().popMatrix();
}

void tlLoadMatrixd(const GLdouble* m) {
    const auto values = sixteen(m);
    COMPILED_AS(tlLoadMatrixd(values.data()));
    gl().currentStack().load(Matrix4::fromColumns(values.data()));
}

void tlLoadMatrixf(const GLfloat* m) {
    tlLoadMatrixd(widened(sixteen(m)).data());
}

void tlMultMatrixd(const GLdouble* m) {
    const auto values = sixteen(m);
    COMPILED_AS(tlMultMatrixd(values.data()));
    gl().currentStack().multiply(Matrix4::fromColumns(values.data()));
}

void tlMultMatrixf(const GLfloat* m) {
    tlMultMatrixd(widened(sixteen(m)).data());
}

void tlTranslated(GLdouble x, GLdouble y, GLdouble z) {
    COMPILED_AS(tlTranslated(x, y, z));
    gl().currentStack().multiply(Matrix4::translation(x, y, z));
}

void tlTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    tlTranslated(x, y, z);
}

void tlRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    COMPILED_AS(tlRotated(angle, x, y, z));
    gl().currentStack().multiply(Matrix4::rotation(angle, x, y, z));
}

void tlRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    tlRotated(angle, x, y, z);
}

void tlScaled(GLdouble x, GLdouble y, GLdouble z) {
    COMPILED_AS(tlScaled(x, y, z));
    gl().currentStack().multiply(Matrix4::scaling(x, y, z));
}

void tlScalef(GLfloat x, GLfloat y, GLfloat z) {
    tlScaled(x, y, z);
}

void tlOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    COMPILED_AS(tlOrtho(left, right, bottom, top, zNear, zFar));
    gl().currentStack().multiply(Matrix4::ortho(left, right, bottom, top, zNear, zFar));
}

void tlFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
               GLdouble zFar) {
    COMPILED_AS(tlFrustum(left, right, bottom, top, zNear, zFar));
    gl().currentStack().multiply(Matrix4::frustum(left, right, bottom, top, zNear, zFar));
}

// Client state is not compiled into display lists: it belongs to the program, not to GL.
void tlEnableClientState(GLenum array) {
    if (auto* a = gl().arrays.byKind(array)) {
        a->enabled = true;
    }
}

void tlDisableClientState(GLenum array) {
    if (auto* a = gl().arrays.byKind(array)) {
        a->enabled = false;
    }
}

void tlVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().arrays.vertex = {gl().arrays.vertex.enabled, size, type, stride, pointer};
}

void tlNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().arrays.normal = {gl().arrays.normal.enabled, 3, type, stride, pointer};
}

void tlColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().arrays.colour = {gl().arrays.colour.enabled, size, type, stride, pointer};
}

void tlTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().arrays.texCoord = {gl().arrays.texCoord.enabled, size, type, stride, pointer};
}

// One element of the enabled arrays, issued as the immediate-mode calls it stands for, so that
// a display list compiled meanwhile keeps the values rather than the program's pointers.
void tlArrayElement(GLint i) {
    const auto& a = gl().arrays;
    if (a.colour.enabled) {
        const auto c = [&](int k) { return a.colour.component(i, k, true); };
        tlColor4d(c(0), c(1), c(2), a.colour.size > 3 ? c(3) : 1.0);
    }
    if (a.texCoord.enabled) {
        tlTexCoord2d(a.texCoord.component(i, 0),
                     a.texCoord.size > 1 ? a.texCoord.component(i, 1) : 0.0);
    }
    if (a.normal.enabled) {
        tlNormal3d(a.normal.component(i, 0), a.normal.component(i, 1), a.normal.component(i, 2));
    }
    if (a.vertex.enabled) {
        const auto v = [&](int k, double otherwise) {
            return a.vertex.size > k ? a.vertex.component(i, k) : otherwise;
        };
        tlVertex4d(v(0, 0.0), v(1, 0.0), v(2, 0.0), v(3, 1.0));
    }
}

void tlDrawArrays(GLenum mode, GLint first, GLsizei count) {
    tlBegin(mode);
    for (GLint i = first; i < first + count; ++i) {
        tlArrayElement(i);
    }
    tlEnd();
}

void tlDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    tlBegin(mode);
    for (GLsizei i = 0; i < count; ++i) {
        GLint index = 0;
        if (type == GL_UNSIGNED_INT) {
            index = static_cast<GLint>(static_cast<const GLuint*>(indices)[i]);
        } else if (type == GL_UNSIGNED_SHORT) {
            index = static_cast<const GLushort*>(indices)[i];
        } else {
            index = static_cast<const GLubyte*>(indices)[i];
        }
        tlArrayElement(index);
    }
    tlEnd();
}

void tlLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    const auto values = four(pname, params);
    COMPILED_AS(tlLightfv(light, pname, values.data()));
    gl().light(light, pname, values.data());
}

void tlLightf(GLenum light, GLenum pname, GLfloat param) {
    tlLightfv(light, pname, &param);
}

void tlLightModelfv(GLenum pname, const GLfloat* params) {
    const auto values = four(pname, params);
    COMPILED_AS(tlLightModelfv(pname, values.data()));
    gl().lightModel(pname, values.data());
}

void tlLightModelf(GLenum pname, GLfloat param) {
    tlLightModelfv(pname, &param);
}

void tlLightModeli(GLenum pname, GLint param) {
    const GLfloat value = static_cast<GLfloat>(param);
    tlLightModelfv(pname, &value);
}

void tlMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    const auto values = four(pname, params);
    COMPILED_AS(tlMaterialfv(face, pname, values.data()));
    gl().material(face, pname, values.data());
}

void tlMaterialf(GLenum face, GLenum pname, GLfloat param) {
    tlMaterialfv(face, pname, &param);
}

void tlColorMaterial(GLenum face, GLenum mode) {
    COMPILED_AS(tlColorMaterial(face, mode));
    gl().colourMaterial(face, mode);
}

void tlShadeModel(GLenum mode) {
    COMPILED_AS(tlShadeModel(mode));
    gl().state.shadeModel = mode;
}

void tlEnable(GLenum cap) {
    COMPILED_AS(tlEnable(cap));
    gl().setEnabled(cap, true);
}

void tlDisable(GLenum cap) {
    COMPILED_AS(tlDisable(cap));
    gl().setEnabled(cap, false);
}

GLboolean tlIsEnabled(GLenum cap) {
    return gl().isEnabled(cap) ? GL_TRUE : GL_FALSE;
}

void tlBlendFunc(GLenum sfactor, GLenum dfactor) {
    COMPILED_AS(tlBlendFunc(sfactor, dfactor));
    gl().state.blendSource = sfactor;
    gl().state.blendDestination = dfactor;
}

void tlDepthMask(GLboolean flag) {
    COMPILED_AS(tlDepthMask(flag));
    gl().state.depthWrite = flag != GL_FALSE;
}

void tlDepthFunc(GLenum func) {
    COMPILED_AS(tlDepthFunc(func));
    gl().state.depthFunction = func;
}

void tlDepthRange(GLclampd zNear, GLclampd zFar) {
    COMPILED_AS(tlDepthRange(zNear, zFar));
    gl().state.depthRange = {zNear, zFar};
}

void tlColorMask(GLboolean r, GLboolean g, GLboolean b, GLboolean a) {
    COMPILED_AS(tlColorMask(r, g, b, a));
    gl().state.colourWrite = {r != GL_FALSE, g != GL_FALSE, b != GL_FALSE, a != GL_FALSE};
}

void tlLineWidth(GLfloat width) {
    COMPILED_AS(tlLineWidth(width));
    gl().state.lineWidth = width;
}

void tlPointSize(GLfloat size) {
    COMPILED_AS(tlPointSize(size));
    gl().state.pointSize = size;
}

void tlPolygonOffset(GLfloat factor, GLfloat units) {
    COMPILED_AS(tlPolygonOffset(factor, units));
    gl().state.polygonOffsetFactor = factor;
    gl().state.polygonOffsetUnits = units;
}

void tlCullFace(GLenum mode) {
    COMPILED_AS(tlCullFace(mode));
    gl().state.cullFaceMode = mode;
}

void tlFrontFace(GLenum mode) {
    COMPILED_AS(tlFrontFace(mode));
    gl().state.frontFace = mode;
}

void tlScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    COMPILED_AS(tlScissor(x, y, width, height));
    gl().state.scissor = {x, y, width, height};
}

void tlViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    COMPILED_AS(tlViewport(x, y, width, height));
    gl().state.viewport = {x, y, width, height};
    gl().state.viewportSet = true;
}

void tlClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    COMPILED_AS(tlClearColor(r, g, b, a));
    gl().state.clearColour = {r, g, b, a};
}

void tlClearDepth(GLclampd depth) {
    COMPILED_AS(tlClearDepth(depth));
    gl().state.clearDepth = depth;
}

void tlClear(GLbitfield mask) {
    COMPILED_AS(tlClear(mask));
    gl().clear(mask);
}

void tlPushAttrib(GLbitfield mask) {
    COMPILED_AS(tlPushAttrib(mask));
    gl().pushAttributes(mask);
}

void tlPopAttrib(void) {
    COMPILED_AS(tlPopAttrib());
    gl().popAttributes();
}

void tlPushClientAttrib(GLbitfield mask) {
    gl().pushClientAttributes(mask);
}

void tlPopClientAttrib(void) {
    gl().popClientAttributes();
}

void tlTexImage2D(GLenum, GLint level, GLint, GLsizei width, GLsizei height, GLint, GLenum format,
                  GLenum type, const GLvoid* pixels) {
    // Only the base level of the one texture is kept; the program defines no others.
    if (level == 0) {
        gl().textureImage(width, height, format, type, pixels);
    }
}

void tlTexParameteri(GLenum, GLenum pname, GLint param) {
    COMPILED_AS(tlTexParameteri(GL_TEXTURE_2D, pname, param));
    gl().textureParameter(pname, param);
}

void tlTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    tlTexParameteri(target, pname, static_cast<GLint>(param));
}

void tlTexEnvi(GLenum, GLenum pname, GLint param) {
    COMPILED_AS(tlTexEnvi(GL_TEXTURE_ENV, pname, param));
    if (pname == GL_TEXTURE_ENV_MODE) {
        gl().state.textureEnvironment = static_cast<GLenum>(param);
    }
}

void tlTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    tlTexEnvi(target, pname, static_cast<GLint>(param));
}

void tlPixelStorei(GLenum pname, GLint param) {
    gl().pixelStore(pname, param);
}

GLuint tlGenLists(GLsizei range) {
    return gl().lists.generate(range);
}

void tlDeleteLists(GLuint list, GLsizei range) {
    gl().lists.remove(list, range);
}

GLboolean tlIsList(GLuint list) {
    return gl().lists.exists(list) ? GL_TRUE : GL_FALSE;
}

void tlNewList(GLuint list, GLenum mode) {
    if (!gl().lists.beginList(list, mode)) {
        gl().setError(list == 0 ? GL_INVALID_VALUE : GL_INVALID_OPERATION);
    }
}

void tlEndList(void) {
    if (!gl().lists.endList()) {
        gl().setError(GL_INVALID_OPERATION);
    }
}

void tlCallList(GLuint list) {
    COMPILED_AS(tlCallList(list));
    gl().lists.call(list);
}

void tlSelectBuffer(GLsizei size, GLuint* buffer) {
    gl().selectBuffer(size, buffer);
}

GLint tlRenderMode(GLenum mode) {
    return gl().renderMode(mode);
}

void tlInitNames(void) {
    COMPILED_AS(tlInitNames());
    if (gl().selecting()) {
        gl().selection().initNames();
    }
}

void tlPushName(GLuint name) {
    COMPILED_AS(tlPushName(name));
    if (gl().selecting()) {
        gl().selection().pushName(name);
    }
}

void tlPopName(void) {
    COMPILED_AS(tlPopName());
    if (gl().selecting() && !gl().selection().popName()) {
        gl().setError(GL_STACK_UNDERFLOW);
    }
}

void tlLoadName(GLuint name) {
    COMPILED_AS(tlLoadName(name));
    if (gl().selecting() && !gl().selection().loadName(name)) {
        gl().setError(GL_INVALID_OPERATION);
    }
}

void tlGetDoublev(GLenum pname, GLdouble* params) {
    Layer& l = gl();
    switch (pname) {
    case GL_MODELVIEW_MATRIX:
    case GL_PROJECTION_MATRIX:
    case GL_TEXTURE_MATRIX: {
        const GLenum mode = pname == GL_MODELVIEW_MATRIX    ? GL_MODELVIEW
                            : pname == GL_PROJECTION_MATRIX ? GL_PROJECTION
                                                            : GL_TEXTURE;
        const auto& m = l.stack(mode).top().m;
        std::copy(m.begin(), m.end(), params);
        return;
    }
    case GL_VIEWPORT: {
        const auto& v = l.viewport();
        std::copy(v.begin(), v.end(), params);
        return;
    }
    case GL_CURRENT_COLOR:
        std::copy(l.state.colour.begin(), l.state.colour.end(), params);
        return;
    case GL_LINE_WIDTH:
        params[0] = l.state.lineWidth;
        return;
    case GL_MATRIX_MODE:
        params[0] = l.state.matrixMode;
        return;
    default:
        l.setError(GL_INVALID_ENUM);
    }
}

void tlGetFloatv(GLenum pname, GLfloat* params) {
    std::array<GLdouble, 16> values{};
    tlGetDoublev(pname, values.data());
    const int count = pname == GL_VIEWPORT || pname == GL_CURRENT_COLOR   ? 4
                      : pname == GL_LINE_WIDTH || pname == GL_MATRIX_MODE ? 1
                                                                          : 16;
    std::copy_n(values.begin(), count, params);
}

void tlGetIntegerv(GLenum pname, GLint* params) {
    if (pname == GL_VIEWPORT) {
        const auto& v = gl().viewport();
        std::copy(v.begin(), v.end(), params);
        return;
    }
    if (pname == GL_MATRIX_MODE) {
        params[0] = static_cast<GLint>(gl().state.matrixMode);
        return;
    }
    gl().setError(GL_INVALID_ENUM);
}

GLenum tlGetError(void) {
    return gl().takeError();
}

void tlReadBuffer(GLenum) {
    // One buffer is readable: the one being drawn into.
}

void tlReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels) {
    gl().readPixels(x, y, width, height, format, type, pixels);
}

void tlFinish(void) {
    gl().flush();
}

void tlFlush(void) {
    gl().flush();
}

} // extern "C"
