#pragma once

// Force-included into the program's sources in the web build, beside the GL layer's header.
// The program's pointer callbacks are handed to the page instead of the toolkit: Emscripten's
// GLUT gives motion callbacks the pointer's previous position, so the page calls them itself
// from the browser's mouse events, with the current one. The display callback goes through the
// page too, which times it when asked to profile the frames (?profile=1) and ends the frame by
// handing over its overlay (web_main.cpp).

#include <GL/glut.h>

#ifdef __cplusplus
extern "C" {
#endif

void pageMouseFunc(void (*callback)(int button, int state, int x, int y));
void pageMotionFunc(void (*callback)(int x, int y));
void pagePassiveMotionFunc(void (*callback)(int x, int y));
void pageDisplayFunc(void (*callback)(void));

#ifdef __cplusplus
}
#endif

#define glutMouseFunc pageMouseFunc
#define glutMotionFunc pageMotionFunc
#define glutPassiveMotionFunc pagePassiveMotionFunc
#define glutDisplayFunc pageDisplayFunc
