#pragma once

// The layer's own GL, GLU and GLUT stroke-font functions, each with the signature of the
// function it stands in for. gl_layer.h maps the toolkit's names onto these.

#include <GL/gl.h>
#include <GL/glu.h>

// A toolkit whose GLU has no quadrics (the browser's) still needs their names; the values are
// GLU's own.
#ifndef GLU_SMOOTH
#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002
#define GLU_OUTSIDE 100020
#define GLU_INSIDE 100021
class GLUquadric;
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Immediate mode and current attributes.
void tlBegin(GLenum mode);
void tlEnd(void);
void tlVertex2d(GLdouble x, GLdouble y);
void tlVertex2f(GLfloat x, GLfloat y);
void tlVertex2i(GLint x, GLint y);
void tlVertex3d(GLdouble x, GLdouble y, GLdouble z);
void tlVertex3f(GLfloat x, GLfloat y, GLfloat z);
void tlVertex4d(GLdouble x, GLdouble y, GLdouble z, GLdouble w);
void tlVertex2dv(const GLdouble* v);
void tlVertex3dv(const GLdouble* v);
void tlVertex3fv(const GLfloat* v);
void tlNormal3d(GLdouble x, GLdouble y, GLdouble z);
void tlNormal3f(GLfloat x, GLfloat y, GLfloat z);
void tlNormal3dv(const GLdouble* v);
void tlNormal3fv(const GLfloat* v);
void tlColor3d(GLdouble r, GLdouble g, GLdouble b);
void tlColor3f(GLfloat r, GLfloat g, GLfloat b);
void tlColor4d(GLdouble r, GLdouble g, GLdouble b, GLdouble a);
void tlColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void tlColor3ub(GLubyte r, GLubyte g, GLubyte b);
void tlColor3dv(const GLdouble* v);
void tlColor3fv(const GLfloat* v);
void tlColor4fv(const GLfloat* v);
void tlTexCoord2d(GLdouble s, GLdouble t);
void tlTexCoord2f(GLfloat s, GLfloat t);
void tlRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2);
void tlRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2);
void tlRecti(GLint x1, GLint y1, GLint x2, GLint y2);

// Matrices.
void tlMatrixMode(GLenum mode);
void tlLoadIdentity(void);
void tlPushMatrix(void);
void tlPopMatrix(void);
void tlLoadMatrixd(const GLdouble* m);
void tlLoadMatrixf(const GLfloat* m);
void tlMultMatrixd(const GLdouble* m);
void tlMultMatrixf(const GLfloat* m);
void tlTranslated(GLdouble x, GLdouble y, GLdouble z);
void tlTranslatef(GLfloat x, GLfloat y, GLfloat z);
void tlRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z);
void tlRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void tlScaled(GLdouble x, GLdouble y, GLdouble z);
void tlScalef(GLfloat x, GLfloat y, GLfloat z);
void tlOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar);
void tlFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
               GLdouble zFar);

// Client-side arrays.
void tlEnableClientState(GLenum array);
void tlDisableClientState(GLenum array);
void tlVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void tlNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer);
void tlColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void tlTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void tlArrayElement(GLint i);
void tlDrawArrays(GLenum mode, GLint first, GLsizei count);

// Lighting and materials.
void tlLightf(GLenum light, GLenum pname, GLfloat param);
void tlLightfv(GLenum light, GLenum pname, const GLfloat* params);
void tlLightModelf(GLenum pname, GLfloat param);
void tlLightModeli(GLenum pname, GLint param);
void tlLightModelfv(GLenum pname, const GLfloat* params);
void tlMaterialf(GLenum face, GLenum pname, GLfloat param);
void tlMaterialfv(GLenum face, GLenum pname, const GLfloat* params);
void tlColorMaterial(GLenum face, GLenum mode);

// Capabilities and fragment state.
void tlEnable(GLenum cap);
void tlDisable(GLenum cap);
GLboolean tlIsEnabled(GLenum cap);
void tlBlendFunc(GLenum sfactor, GLenum dfactor);
void tlDepthMask(GLboolean flag);
void tlLineWidth(GLfloat width);
void tlScissor(GLint x, GLint y, GLsizei width, GLsizei height);
void tlViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void tlClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a);
void tlClear(GLbitfield mask);
void tlPushAttrib(GLbitfield mask);
void tlPopAttrib(void);
void tlPushClientAttrib(GLbitfield mask);
void tlPopClientAttrib(void);

// The one texture.
void tlTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels);
void tlTexParameteri(GLenum target, GLenum pname, GLint param);
void tlTexParameterf(GLenum target, GLenum pname, GLfloat param);
void tlTexEnvi(GLenum target, GLenum pname, GLint param);
void tlTexEnvf(GLenum target, GLenum pname, GLfloat param);
void tlPixelStorei(GLenum pname, GLint param);

// Display lists.
GLuint tlGenLists(GLsizei range);
void tlDeleteLists(GLuint list, GLsizei range);
GLboolean tlIsList(GLuint list);
void tlNewList(GLuint list, GLenum mode);
void tlEndList(void);
void tlCallList(GLuint list);

// Selection.
void tlSelectBuffer(GLsizei size, GLuint* buffer);
GLint tlRenderMode(GLenum mode);
void tlInitNames(void);
void tlPushName(GLuint name);
void tlPopName(void);
void tlLoadName(GLuint name);

// Queries, reading back, synchronisation.
void tlGetIntegerv(GLenum pname, GLint* params);
void tlGetDoublev(GLenum pname, GLdouble* params);
void tlGetFloatv(GLenum pname, GLfloat* params);
GLenum tlGetError(void);
void tlReadBuffer(GLenum mode);
void tlReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels);
void tlFinish(void);
void tlFlush(void);

// GLU.
void tluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
void tluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top);
void tluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ);
void tluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height,
                   const GLint viewport[4]);
GLUquadric* tluNewQuadric(void);
void tluDeleteQuadric(GLUquadric* quadric);
void tluQuadricNormals(GLUquadric* quadric, GLenum normal);
void tluQuadricOrientation(GLUquadric* quadric, GLenum orientation);
void tluCylinder(GLUquadric* quadric, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks);
void tluDisk(GLUquadric* quadric, GLdouble inner, GLdouble outer, GLint slices, GLint loops);
const GLubyte* tluErrorString(GLenum error);

// The GLUT stroke font, and the buffer swap that first hands over what is batched.
void tlutStrokeCharacter(void* font, int character);
int tlutStrokeWidth(void* font, int character);
int tlutStrokeLength(void* font, const unsigned char* string);
void tlutSwapBuffers(void);

#ifdef __cplusplus
}
#endif
