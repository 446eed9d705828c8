#pragma once

// Force-included (-include web/layer/gl_layer.h) into the program's own sources in the web
// build and in the layered desktop build. It redirects every GL, GLU and GLUT stroke-font call
// the drawing code makes to the layer's functions of identical signature, which do GL 1.1's
// fixed-function work on the CPU and hand finished primitives to a RasterBackend. The toolkit's
// window, callback and timing functions stay the toolkit's; glutSwapBuffers is wrapped only to
// hand over what is still batched before the buffers swap.
//
// The toolkit's headers are included first so that their own declarations keep the real names;
// the macros below only rename the calls that follow.

#include "web/layer/gl_layer_functions.h"

// The layer draws its own stroke font whatever font is named; a toolkit without stroke fonts
// still needs the name to compile.
#ifndef GLUT_STROKE_ROMAN
#define GLUT_STROKE_ROMAN ((void*)0)
#endif
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#define glBegin tlBegin
#define glEnd tlEnd
#define glVertex2d tlVertex2d
#define glVertex2f tlVertex2f
#define glVertex2i tlVertex2i
#define glVertex3d tlVertex3d
#define glVertex3f tlVertex3f
#define glVertex4d tlVertex4d
#define glVertex2dv tlVertex2dv
#define glVertex3dv tlVertex3dv
#define glVertex3fv tlVertex3fv
#define glNormal3d tlNormal3d
#define glNormal3f tlNormal3f
#define glNormal3dv tlNormal3dv
#define glNormal3fv tlNormal3fv
#define glColor3d tlColor3d
#define glColor3f tlColor3f
#define glColor4d tlColor4d
#define glColor4f tlColor4f
#define glColor3ub tlColor3ub
#define glColor3dv tlColor3dv
#define glColor3fv tlColor3fv
#define glColor4fv tlColor4fv
#define glTexCoord2d tlTexCoord2d
#define glTexCoord2f tlTexCoord2f
#define glRectd tlRectd
#define glRectf tlRectf
#define glRecti tlRecti
#define glMatrixMode tlMatrixMode
#define glLoadIdentity tlLoadIdentity
#define glPushMatrix tlPushMatrix
#define glPopMatrix tlPopMatrix
#define glLoadMatrixd tlLoadMatrixd
#define glLoadMatrixf tlLoadMatrixf
#define glMultMatrixd tlMultMatrixd
#define glMultMatrixf tlMultMatrixf
#define glTranslated tlTranslated
#define glTranslatef tlTranslatef
#define glRotated tlRotated
#define glRotatef tlRotatef
#define glScaled tlScaled
#define glScalef tlScalef
#define glOrtho tlOrtho
#define glFrustum tlFrustum
#define glEnableClientState tlEnableClientState
#define glDisableClientState tlDisableClientState
#define glVertexPointer tlVertexPointer
#define glNormalPointer tlNormalPointer
#define glColorPointer tlColorPointer
#define glTexCoordPointer tlTexCoordPointer
#define glArrayElement tlArrayElement
#define glDrawArrays tlDrawArrays
#define glLightf tlLightf
#define glLightfv tlLightfv
#define glLightModelf tlLightModelf
#define glLightModeli tlLightModeli
#define glLightModelfv tlLightModelfv
#define glMaterialf tlMaterialf
#define glMaterialfv tlMaterialfv
#define glColorMaterial tlColorMaterial
#define glEnable tlEnable
#define glDisable tlDisable
#define glIsEnabled tlIsEnabled
#define glBlendFunc tlBlendFunc
#define glDepthMask tlDepthMask
#define glLineWidth tlLineWidth
#define glScissor tlScissor
#define glViewport tlViewport
#define glClearColor tlClearColor
#define glClear tlClear
#define glPushAttrib tlPushAttrib
#define glPopAttrib tlPopAttrib
#define glPushClientAttrib tlPushClientAttrib
#define glPopClientAttrib tlPopClientAttrib
#define glTexImage2D tlTexImage2D
#define glTexParameteri tlTexParameteri
#define glTexParameterf tlTexParameterf
#define glTexEnvi tlTexEnvi
#define glTexEnvf tlTexEnvf
#define glPixelStorei tlPixelStorei
#define glGenLists tlGenLists
#define glDeleteLists tlDeleteLists
#define glIsList tlIsList
#define glNewList tlNewList
#define glEndList tlEndList
#define glCallList tlCallList
#define glSelectBuffer tlSelectBuffer
#define glRenderMode tlRenderMode
#define glInitNames tlInitNames
#define glPushName tlPushName
#define glPopName tlPopName
#define glLoadName tlLoadName
#define glGetIntegerv tlGetIntegerv
#define glGetDoublev tlGetDoublev
#define glGetFloatv tlGetFloatv
#define glGetError tlGetError
#define glReadBuffer tlReadBuffer
#define glReadPixels tlReadPixels
#define glFinish tlFinish
#define glFlush tlFlush
#define gluPerspective tluPerspective
#define gluOrtho2D tluOrtho2D
#define gluLookAt tluLookAt
#define gluPickMatrix tluPickMatrix
#define gluNewQuadric tluNewQuadric
#define gluDeleteQuadric tluDeleteQuadric
#define gluQuadricNormals tluQuadricNormals
#define gluQuadricOrientation tluQuadricOrientation
#define gluCylinder tluCylinder
#define gluDisk tluDisk
#define gluErrorString tluErrorString
#define glutStrokeCharacter tlutStrokeCharacter
#define glutStrokeWidth tlutStrokeWidth
#define glutStrokeLength tlutStrokeLength
#define glutSwapBuffers tlutSwapBuffers

// GL calls the layer leaves out, since the program never makes them: a call to one fails to
// compile, rather than reaching the real GL behind the layer.
#define glDrawElements glDrawElements_is_left_out_of_the_gl_layer
#define glShadeModel glShadeModel_is_left_out_of_the_gl_layer
#define glDepthFunc glDepthFunc_is_left_out_of_the_gl_layer
#define glDepthRange glDepthRange_is_left_out_of_the_gl_layer
#define glColorMask glColorMask_is_left_out_of_the_gl_layer
#define glPointSize glPointSize_is_left_out_of_the_gl_layer
#define glPolygonOffset glPolygonOffset_is_left_out_of_the_gl_layer
#define glCullFace glCullFace_is_left_out_of_the_gl_layer
#define glFrontFace glFrontFace_is_left_out_of_the_gl_layer
#define glClearDepth glClearDepth_is_left_out_of_the_gl_layer
