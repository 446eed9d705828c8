// The GL entry points of the layer and the table of calls that drives them. An entry point only
// turns its arguments into the values its handler takes and issues the call; the call's row in
// the table decides whether it runs now, is kept in the display list being compiled, or both,
// and plays it again when the list is called.

#include "web/layer/call_table.h"
#include "web/layer/gl_layer_functions.h"
#include "web/layer/layer.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>

using namespace tessivo::gllayer;

namespace {

using Matrix = std::array<double, 16>;

// ---- Handlers -------------------------------------------------------------------------------

void normal(Layer& l, const Point3& n) {
    l.state.current.normal = n;
}

void texCoord(Layer& l, double s, double t) {
    l.state.current.texCoord = {s, t, 0.0, 1.0};
}

void loadIdentity(Layer& l) {
    l.currentStack().load(Matrix4());
}

void loadMatrix(Layer& l, const Matrix& m) {
    l.currentStack().load(Matrix4::fromColumns(m.data()));
}

void multiplyMatrix(Layer& l, const Matrix& m) {
    l.currentStack().multiply(Matrix4::fromColumns(m.data()));
}

void translate(Layer& l, double x, double y, double z) {
    l.currentStack().multiply(Matrix4::translation(x, y, z));
}

void rotate(Layer& l, double angle, double x, double y, double z) {
    l.currentStack().multiply(Matrix4::rotation(angle, x, y, z));
}

void scale(Layer& l, double x, double y, double z) {
    l.currentStack().multiply(Matrix4::scaling(x, y, z));
}

void ortho(Layer& l, double left, double right, double bottom, double top, double zNear,
           double zFar) {
    l.currentStack().multiply(Matrix4::ortho(left, right, bottom, top, zNear, zFar));
}

void frustum(Layer& l, double left, double right, double bottom, double top, double zNear,
             double zFar) {
    l.currentStack().multiply(Matrix4::frustum(left, right, bottom, top, zNear, zFar));
}

void setClientState(Layer& l, GLenum array, bool enabled) {
    if (ArrayPointer* a = l.arrays.byKind(array)) {
        a->enabled = enabled;
    } else {
        l.setError(GL_INVALID_ENUM);
    }
}

void enableClientState(Layer& l, GLenum array) {
    setClientState(l, array, true);
}

void disableClientState(Layer& l, GLenum array) {
    setClientState(l, array, false);
}

void setPointer(Layer& l, GLenum array, GLint size, GLenum type, GLsizei stride,
                const GLvoid* pointer) {
    ArrayPointer& a = *l.arrays.byKind(array);
    a = {a.enabled, size, type, stride, pointer};
}

void vertexPointer(Layer& l, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    setPointer(l, GL_VERTEX_ARRAY, size, type, stride, pointer);
}

void normalPointer(Layer& l, GLenum type, GLsizei stride, const GLvoid* pointer) {
    setPointer(l, GL_NORMAL_ARRAY, 3, type, stride, pointer);
}

void colourPointer(Layer& l, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    setPointer(l, GL_COLOR_ARRAY, size, type, stride, pointer);
}

void texCoordPointer(Layer& l, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    setPointer(l, GL_TEXTURE_COORD_ARRAY, size, type, stride, pointer);
}

// They issue the calls they stand for, so they come after the table.
void arrayElement(Layer& l, GLint i);
void drawArrays(Layer& l, GLenum mode, GLint first, GLsizei count);

void enable(Layer& l, GLenum cap) {
    l.setEnabled(cap, true);
}

void disable(Layer& l, GLenum cap) {
    l.setEnabled(cap, false);
}

GLboolean isEnabled(Layer& l, GLenum cap) {
    return l.isEnabled(cap) ? GL_TRUE : GL_FALSE;
}

bool isBlendFactor(GLenum f, bool source) {
    switch (f) {
    case GL_ZERO:
    case GL_ONE:
    case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA:
    case GL_DST_ALPHA:
    case GL_ONE_MINUS_DST_ALPHA:
        return true;
    case GL_SRC_COLOR:
    case GL_ONE_MINUS_SRC_COLOR:
        return !source;
    case GL_DST_COLOR:
    case GL_ONE_MINUS_DST_COLOR:
    case GL_SRC_ALPHA_SATURATE:
        return source;
    default:
        return false;
    }
}

void blendFunction(Layer& l, GLenum source, GLenum destination) {
    if (!isBlendFactor(source, true) || !isBlendFactor(destination, false)) {
        l.setError(GL_INVALID_ENUM);
        return;
    }
    l.state.colourBuffer.blendSource = source;
    l.state.colourBuffer.blendDestination = destination;
}

void depthMask(Layer& l, GLboolean flag) {
    l.state.depthBuffer.write = flag != GL_FALSE;
}

void lineWidth(Layer& l, GLfloat width) {
    if (!(width > 0.0f)) {
        l.setError(GL_INVALID_VALUE);
        return;
    }
    l.state.line.width = width;
}

void scissor(Layer& l, GLint x, GLint y, GLsizei width, GLsizei height) {
    if (width < 0 || height < 0) {
        l.setError(GL_INVALID_VALUE);
        return;
    }
    l.state.scissor.box = {x, y, width, height};
}

void viewport(Layer& l, GLint x, GLint y, GLsizei width, GLsizei height) {
    if (width < 0 || height < 0) {
        l.setError(GL_INVALID_VALUE);
        return;
    }
    l.state.viewport = {{x, y, width, height}, true};
}

void clearColour(Layer& l, const Rgba& c) {
    l.state.colourBuffer.clearColour = c;
}

void textureParameter(Layer& l, GLenum target, GLenum pname, GLint value) {
    if (target != GL_TEXTURE_2D) {
        l.setError(GL_INVALID_ENUM);
        return;
    }
    l.textureParameter(pname, value);
}

// The one texture environment: the texture modulates the colour.
void textureEnvironment(Layer& l, GLenum target, GLenum pname, GLint value) {
    if (target != GL_TEXTURE_ENV || pname != GL_TEXTURE_ENV_MODE ||
        static_cast<GLenum>(value) != GL_MODULATE) {
        l.setError(GL_INVALID_ENUM);
    }
}

GLuint generateLists(Layer& l, GLsizei range) {
    return l.lists.generate(range);
}

void deleteLists(Layer& l, GLuint list, GLsizei range) {
    l.lists.remove(list, range);
}

GLboolean isList(Layer& l, GLuint list) {
    return l.lists.exists(list) ? GL_TRUE : GL_FALSE;
}

void newList(Layer& l, GLuint list, GLenum mode) {
    if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) {
        l.setError(GL_INVALID_ENUM);
    } else if (!l.lists.beginList(list, mode)) {
        l.setError(list == 0 ? GL_INVALID_VALUE : GL_INVALID_OPERATION);
    }
}

void endList(Layer& l) {
    if (!l.lists.endList()) {
        l.setError(GL_INVALID_OPERATION);
    }
}

// Plays the list's calls through the table, so it comes after it.
void callList(Layer& l, GLuint list);

void initNames(Layer& l) {
    if (l.selecting()) {
        l.selection().initNames();
    }
}

void pushName(Layer& l, GLuint name) {
    if (l.selecting()) {
        l.selection().pushName(name);
    }
}

void popName(Layer& l) {
    if (l.selecting() && !l.selection().popName()) {
        l.setError(GL_STACK_UNDERFLOW);
    }
}

void loadName(Layer& l, GLuint name) {
    if (l.selecting() && !l.selection().loadName(name)) {
        l.setError(GL_INVALID_OPERATION);
    }
}

void getIntegers(Layer& l, GLenum pname, GLint* params) {
    if (pname == GL_VIEWPORT) {
        const auto& v = l.viewport();
        std::copy(v.begin(), v.end(), params);
    } else if (pname == GL_MATRIX_MODE) {
        params[0] = static_cast<GLint>(l.state.transform.matrixMode);
    } else {
        l.setError(GL_INVALID_ENUM);
    }
}

void getDoubles(Layer& l, GLenum pname, GLdouble* params) {
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
        std::copy(l.state.current.colour.begin(), l.state.current.colour.end(), params);
        return;
    case GL_LINE_WIDTH:
        params[0] = l.state.line.width;
        return;
    case GL_MATRIX_MODE:
        params[0] = l.state.transform.matrixMode;
        return;
    default:
        l.setError(GL_INVALID_ENUM);
    }
}

// One buffer is readable: the one being drawn into.
void readBuffer(Layer&, GLenum) {}

void finish(Layer& l) {
    l.flush();
}

// ---- The table ------------------------------------------------------------------------------

constexpr Recording compiled = Recording::Compiled;
constexpr Recording immediate = Recording::Immediate;
constexpr Recording expanded = Recording::Expanded;

constexpr CallRow callTable[] = {
    // Immediate mode and current attributes.
    row<&Layer::begin>("glBegin", compiled),
    row<&Layer::end>("glEnd", compiled),
    row<&Layer::vertex>("glVertex", compiled),
    row<normal>("glNormal", compiled),
    row<&Layer::setColour>("glColor", compiled),
    row<texCoord>("glTexCoord", compiled),
    row<&Layer::rectangle>("glRect", compiled),
    // Matrices.
    row<&Layer::matrixMode>("glMatrixMode", compiled),
    row<loadIdentity>("glLoadIdentity", compiled),
    row<&Layer::pushMatrix>("glPushMatrix", compiled),
    row<&Layer::popMatrix>("glPopMatrix", compiled),
    row<loadMatrix>("glLoadMatrix", compiled),
    row<multiplyMatrix>("glMultMatrix", compiled),
    row<translate>("glTranslate", compiled),
    row<rotate>("glRotate", compiled),
    row<scale>("glScale", compiled),
    row<ortho>("glOrtho", compiled),
    row<frustum>("glFrustum", compiled),
    // Client-side arrays.
    row<enableClientState>("glEnableClientState", immediate),
    row<disableClientState>("glDisableClientState", immediate),
    row<vertexPointer>("glVertexPointer", immediate),
    row<normalPointer>("glNormalPointer", immediate),
    row<colourPointer>("glColorPointer", immediate),
    row<texCoordPointer>("glTexCoordPointer", immediate),
    row<arrayElement>("glArrayElement", expanded),
    row<drawArrays>("glDrawArrays", expanded),
    // Lighting.
    row<&Layer::light>("glLight", compiled),
    row<&Layer::lightModel>("glLightModel", compiled),
    row<&Layer::material>("glMaterial", compiled),
    row<&Layer::colourMaterial>("glColorMaterial", compiled),
    // Capabilities, fragments and the framebuffer.
    row<enable>("glEnable", compiled),
    row<disable>("glDisable", compiled),
    row<isEnabled>("glIsEnabled", immediate),
    row<blendFunction>("glBlendFunc", compiled),
    row<depthMask>("glDepthMask", compiled),
    row<lineWidth>("glLineWidth", compiled),
    row<scissor>("glScissor", compiled),
    row<viewport>("glViewport", compiled),
    row<clearColour>("glClearColor", compiled),
    row<&Layer::clear>("glClear", compiled),
    // Attribute stacks.
    row<&Layer::pushAttributes>("glPushAttrib", compiled),
    row<&Layer::popAttributes>("glPopAttrib", compiled),
    row<&Layer::pushClientAttributes>("glPushClientAttrib", immediate),
    row<&Layer::popClientAttributes>("glPopClientAttrib", immediate),
    // The one texture.
    row<&Layer::textureImage>("glTexImage2D", compiled),
    row<textureParameter>("glTexParameter", compiled),
    row<textureEnvironment>("glTexEnv", compiled),
    row<&Layer::pixelStore>("glPixelStore", immediate),
    // Display lists.
    row<generateLists>("glGenLists", immediate),
    row<deleteLists>("glDeleteLists", immediate),
    row<isList>("glIsList", immediate),
    row<newList>("glNewList", immediate),
    row<endList>("glEndList", immediate),
    row<callList>("glCallList", compiled),
    // Selection.
    row<&Layer::selectBuffer>("glSelectBuffer", immediate),
    row<&Layer::renderMode>("glRenderMode", immediate),
    row<initNames>("glInitNames", compiled),
    row<pushName>("glPushName", compiled),
    row<popName>("glPopName", compiled),
    row<loadName>("glLoadName", compiled),
    // Queries, reading back, synchronisation.
    row<getIntegers>("glGetIntegerv", immediate),
    row<getDoubles>("glGetDoublev", immediate),
    row<&Layer::takeError>("glGetError", immediate),
    row<readBuffer>("glReadBuffer", compiled),
    row<&Layer::readPixels>("glReadPixels", immediate),
    row<&Layer::flush>("glFlush", immediate),
    row<finish>("glFinish", immediate),
};

template <auto handler> constexpr Word rowOf() {
    for (std::size_t i = 0; i < std::size(callTable); ++i) {
        if (callTable[i].play == &calls::Handler<handler>::play) {
            return static_cast<Word>(i);
        }
    }
    return static_cast<Word>(std::size(callTable));
}

// Runs the call, or keeps it in the list being compiled, or both, as its row says.
template <auto handler, typename... Given> auto issue(Layer& l, const Given&... given) {
    constexpr Word number = rowOf<handler>();
    static_assert(number < std::size(callTable), "every call has its row in the table");
    using Call = calls::Handler<handler>;
    if constexpr (callTable[number].recording == Recording::Compiled) {
        if (l.lists.compiling()) {
            Call::keep(l.lists.append(number, Call::words), given...);
            if (!l.lists.executing()) {
                return;
            }
        }
    }
    return std::invoke(handler, l, given...);
}

void playList(Layer& l, const DisplayLists::List& list) {
    const Word* at = list.words.data();
    const Word* const end = at + list.words.size();
    while (at < end) {
        const CallRow& call = callTable[*at];
        at = call.play(l, at + 1);
    }
}

void callList(Layer& l, GLuint list) {
    l.lists.call(list, [&l](const DisplayLists::List& kept) { playList(l, kept); });
}

// One element of the enabled arrays, issued as the calls it stands for, so that a display list
// compiled meanwhile keeps the values rather than the program's pointers.
void arrayElement(Layer& l, GLint i) {
    const ClientArrays& a = l.arrays;
    if (a.colour.enabled) {
        const auto c = [&](int k) { return static_cast<float>(a.colour.component(i, k, true)); };
        issue<&Layer::setColour>(l, Rgba{c(0), c(1), c(2), a.colour.size > 3 ? c(3) : 1.0f});
    }
    if (a.texCoord.enabled) {
        issue<texCoord>(l, a.texCoord.component(i, 0),
                        a.texCoord.size > 1 ? a.texCoord.component(i, 1) : 0.0);
    }
    if (a.normal.enabled) {
        issue<normal>(l, Point3{a.normal.component(i, 0), a.normal.component(i, 1),
                                a.normal.component(i, 2)});
    }
    if (a.vertex.enabled) {
        const auto v = [&](int k, double otherwise) {
            return a.vertex.size > k ? a.vertex.component(i, k) : otherwise;
        };
        issue<&Layer::vertex>(l, v(0, 0.0), v(1, 0.0), v(2, 0.0), v(3, 1.0));
    }
}

void drawArrays(Layer& l, GLenum mode, GLint first, GLsizei count) {
    issue<&Layer::begin>(l, mode);
    for (GLint i = first; i < first + count; ++i) {
        arrayElement(l, i);
    }
    issue<&Layer::end>(l);
}

Layer& gl() {
    return Layer::instance();
}

template <typename T> Matrix sixteen(const T* m) {
    Matrix a;
    std::copy(m, m + 16, a.begin());
    return a;
}

// The four values of a vector parameter; GL reads only one value of a scalar parameter and three
// of a direction.
Rgba four(GLenum pname, const GLfloat* p) {
    const bool single = pname == GL_SHININESS || pname == GL_SPOT_EXPONENT ||
                        pname == GL_SPOT_CUTOFF || pname == GL_CONSTANT_ATTENUATION ||
                        pname == GL_LINEAR_ATTENUATION || pname == GL_QUADRATIC_ATTENUATION ||
                        pname == GL_LIGHT_MODEL_TWO_SIDE || pname == GL_LIGHT_MODEL_LOCAL_VIEWER;
    const bool three = pname == GL_SPOT_DIRECTION;
    return {p[0], single ? 0.0f : p[1], single ? 0.0f : p[2], single || three ? 0.0f : p[3]};
}

Rgba rgba(double r, double g, double b, double a) {
    return {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
            static_cast<float>(a)};
}

} // namespace

// ---- Entry points ---------------------------------------------------------------------------

extern "C" {

void tlBegin(GLenum mode) {
    issue<&Layer::begin>(gl(), mode);
}

void tlEnd(void) {
    issue<&Layer::end>(gl());
}

void tlVertex4d(GLdouble x, GLdouble y, GLdouble z, GLdouble w) {
    issue<&Layer::vertex>(gl(), x, y, z, w);
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
    issue<normal>(gl(), Point3{x, y, z});
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
    issue<&Layer::setColour>(gl(), rgba(r, g, b, a));
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
    issue<texCoord>(gl(), s, t);
}

void tlTexCoord2f(GLfloat s, GLfloat t) {
    tlTexCoord2d(s, t);
}

void tlRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2) {
    issue<&Layer::rectangle>(gl(), x1, y1, x2, y2);
}

void tlRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    tlRectd(x1, y1, x2, y2);
}

void tlRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    tlRectd(x1, y1, x2, y2);
}

void tlMatrixMode(GLenum mode) {
    issue<&Layer::matrixMode>(gl(), mode);
}

void tlLoadIdentity(void) {
    issue<loadIdentity>(gl());
}

void tlPushMatrix(void) {
    issue<&Layer::pushMatrix>(gl());
}

void tlPopMatrix(void) {
    issue<&Layer::popMatrix>(gl());
}

void tlLoadMatrixd(const GLdouble* m) {
    issue<loadMatrix>(gl(), sixteen(m));
}

void tlLoadMatrixf(const GLfloat* m) {
    issue<loadMatrix>(gl(), sixteen(m));
}

void tlMultMatrixd(const GLdouble* m) {
    issue<multiplyMatrix>(gl(), sixteen(m));
}

void tlMultMatrixf(const GLfloat* m) {
    issue<multiplyMatrix>(gl(), sixteen(m));
}

void tlTranslated(GLdouble x, GLdouble y, GLdouble z) {
    issue<translate>(gl(), x, y, z);
}

void tlTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    tlTranslated(x, y, z);
}

void tlRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    issue<rotate>(gl(), angle, x, y, z);
}

void tlRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    tlRotated(angle, x, y, z);
}

void tlScaled(GLdouble x, GLdouble y, GLdouble z) {
    issue<scale>(gl(), x, y, z);
}

void tlScalef(GLfloat x, GLfloat y, GLfloat z) {
    tlScaled(x, y, z);
}

void tlOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    issue<ortho>(gl(), left, right, bottom, top, zNear, zFar);
}

void tlFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
               GLdouble zFar) {
    issue<frustum>(gl(), left, right, bottom, top, zNear, zFar);
}

void tlEnableClientState(GLenum array) {
    issue<enableClientState>(gl(), array);
}

void tlDisableClientState(GLenum array) {
    issue<disableClientState>(gl(), array);
}

void tlVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    issue<vertexPointer>(gl(), size, type, stride, pointer);
}

void tlNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    issue<normalPointer>(gl(), type, stride, pointer);
}

void tlColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    issue<colourPointer>(gl(), size, type, stride, pointer);
}

void tlTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    issue<texCoordPointer>(gl(), size, type, stride, pointer);
}

void tlArrayElement(GLint i) {
    issue<arrayElement>(gl(), i);
}

void tlDrawArrays(GLenum mode, GLint first, GLsizei count) {
    issue<drawArrays>(gl(), mode, first, count);
}

void tlLightfv(GLenum which, GLenum pname, const GLfloat* params) {
    issue<&Layer::light>(gl(), which, pname, four(pname, params));
}

void tlLightf(GLenum which, GLenum pname, GLfloat param) {
    issue<&Layer::light>(gl(), which, pname, Rgba{param, 0.0f, 0.0f, 0.0f});
}

void tlLightModelfv(GLenum pname, const GLfloat* params) {
    issue<&Layer::lightModel>(gl(), pname, four(pname, params));
}

void tlLightModelf(GLenum pname, GLfloat param) {
    issue<&Layer::lightModel>(gl(), pname, Rgba{param, 0.0f, 0.0f, 0.0f});
}

void tlLightModeli(GLenum pname, GLint param) {
    tlLightModelf(pname, static_cast<GLfloat>(param));
}

void tlMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    issue<&Layer::material>(gl(), face, pname, four(pname, params));
}

void tlMaterialf(GLenum face, GLenum pname, GLfloat param) {
    issue<&Layer::material>(gl(), face, pname, Rgba{param, 0.0f, 0.0f, 0.0f});
}

void tlColorMaterial(GLenum face, GLenum mode) {
    issue<&Layer::colourMaterial>(gl(), face, mode);
}

void tlEnable(GLenum cap) {
    issue<enable>(gl(), cap);
}

void tlDisable(GLenum cap) {
    issue<disable>(gl(), cap);
}

GLboolean tlIsEnabled(GLenum cap) {
    return issue<isEnabled>(gl(), cap);
}

void tlBlendFunc(GLenum sfactor, GLenum dfactor) {
    issue<blendFunction>(gl(), sfactor, dfactor);
}

void tlDepthMask(GLboolean flag) {
    issue<depthMask>(gl(), flag);
}

void tlLineWidth(GLfloat width) {
    issue<lineWidth>(gl(), width);
}

void tlScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    issue<scissor>(gl(), x, y, width, height);
}

void tlViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    issue<viewport>(gl(), x, y, width, height);
}

void tlClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    issue<clearColour>(gl(), Rgba{r, g, b, a});
}

void tlClear(GLbitfield mask) {
    issue<&Layer::clear>(gl(), mask);
}

void tlPushAttrib(GLbitfield mask) {
    issue<&Layer::pushAttributes>(gl(), mask);
}

void tlPopAttrib(void) {
    issue<&Layer::popAttributes>(gl());
}

void tlPushClientAttrib(GLbitfield mask) {
    issue<&Layer::pushClientAttributes>(gl(), mask);
}

void tlPopClientAttrib(void) {
    issue<&Layer::popClientAttributes>(gl());
}

void tlTexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint,
                  GLenum format, GLenum type, const GLvoid* pixels) {
    Layer& l = gl();
    const int channels = format == GL_RGB ? 3 : format == GL_RGBA ? 4 : 0;
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE || channels == 0) {
        l.setError(GL_INVALID_ENUM);
        return;
    }
    if (width < 0 || height < 0) {
        l.setError(GL_INVALID_VALUE);
        return;
    }
    // Only the base level of the one texture is kept; the program defines no others.
    if (level != 0) {
        return;
    }
    // GL reads the pixels when the call is issued: a list being compiled keeps a copy.
    PixelRows rows = l.unpackedRows(width, channels, pixels);
    if (l.lists.compiling()) {
        rows = l.lists.keep(rows, static_cast<std::size_t>(width) * channels, height);
    }
    issue<&Layer::textureImage>(l, width, height, channels, rows);
}

void tlTexParameteri(GLenum target, GLenum pname, GLint param) {
    issue<textureParameter>(gl(), target, pname, param);
}

void tlTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    tlTexParameteri(target, pname, static_cast<GLint>(param));
}

void tlTexEnvi(GLenum target, GLenum pname, GLint param) {
    issue<textureEnvironment>(gl(), target, pname, param);
}

void tlTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    tlTexEnvi(target, pname, static_cast<GLint>(param));
}

void tlPixelStorei(GLenum pname, GLint param) {
    issue<&Layer::pixelStore>(gl(), pname, param);
}

GLuint tlGenLists(GLsizei range) {
    return issue<generateLists>(gl(), range);
}

void tlDeleteLists(GLuint list, GLsizei range) {
    issue<deleteLists>(gl(), list, range);
}

GLboolean tlIsList(GLuint list) {
    return issue<isList>(gl(), list);
}

void tlNewList(GLuint list, GLenum mode) {
    issue<newList>(gl(), list, mode);
}

void tlEndList(void) {
    issue<endList>(gl());
}

void tlCallList(GLuint list) {
    issue<callList>(gl(), list);
}

void tlSelectBuffer(GLsizei size, GLuint* buffer) {
    issue<&Layer::selectBuffer>(gl(), size, buffer);
}

GLint tlRenderMode(GLenum mode) {
    return issue<&Layer::renderMode>(gl(), mode);
}

void tlInitNames(void) {
    issue<initNames>(gl());
}

void tlPushName(GLuint name) {
    issue<pushName>(gl(), name);
}

void tlPopName(void) {
    issue<popName>(gl());
}

void tlLoadName(GLuint name) {
    issue<loadName>(gl(), name);
}

void tlGetIntegerv(GLenum pname, GLint* params) {
    issue<getIntegers>(gl(), pname, params);
}

void tlGetDoublev(GLenum pname, GLdouble* params) {
    issue<getDoubles>(gl(), pname, params);
}

void tlGetFloatv(GLenum pname, GLfloat* params) {
    std::array<GLdouble, 16> values{};
    tlGetDoublev(pname, values.data());
    const int count = pname == GL_VIEWPORT || pname == GL_CURRENT_COLOR   ? 4
                      : pname == GL_LINE_WIDTH || pname == GL_MATRIX_MODE ? 1
                                                                          : 16;
    std::copy_n(values.begin(), count, params);
}

GLenum tlGetError(void) {
    return issue<&Layer::takeError>(gl());
}

void tlReadBuffer(GLenum mode) {
    issue<readBuffer>(gl(), mode);
}

void tlReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels) {
    issue<&Layer::readPixels>(gl(), x, y, width, height, format, type, pixels);
}

void tlFinish(void) {
    issue<finish>(gl());
}

void tlFlush(void) {
    issue<&Layer::flush>(gl());
}

} // extern "C"
