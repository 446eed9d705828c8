#pragma once

#include "math/vec2.h"

namespace tessivo {

// How the 2D overlay is shown and answers the pointer, process-wide because every scene's panel
// and the shell's callbacks must agree on it. The defaults are the plain program's; the
// exhibition program changes them once, before its main loop.
struct OverlaySettings {
    // Window pixels per overlay unit. Controls are laid out, drawn, hit and dragged in overlay
    // units, so at 2 every control is twice as large and stands twice as far from its corner.
    double scale = 1.0;
    // The scene menu lists the scenes' English titles instead of their Italian captions.
    bool englishTitles = false;
    // A hidden control (the background-colour picker) still takes the pointer in its zone.
    bool hiddenControlsTakePointer = true;
    // A press on the closed scene menu or on the credits emblem opens it and keeps it open
    // until the next press: a finger does not rest on a control before it presses.
    bool tapOpens = false;
    // The controls keep clear of one another and inside the window at any size, and the
    // menu's titles shrink to the window's width where they would not fit.
    bool fitsWindow = false;
    // Every control takes the pointer in an area of at least touchTarget() on each side, and
    // the controls are laid out for fingers.
    bool touch = false;
    // Window pixels per CSS pixel when the program runs in a web page; 0 otherwise.
    double devicePixelRatio = 0.0;
};

OverlaySettings& overlaySettings();

// The least side of a target for a finger, in overlay units: 44 CSS pixels in a page, 44 units
// otherwise; 0 without touch.
double touchTarget();

// Whole overlay units across a window side of the given pixels: a last partial unit is left
// out, so controls anchored at the far side stay inside the window.
int overlayUnits(int pixels);

// The window position, in pixels from the bottom-left corner, of the pointer that the shell
// reported as the overlay point p: the middle of the pixels that p's unit covers, which is p
// itself at scale 1. Whatever works in window pixels around the pointer (the pick) starts here.
Vec2 windowPointOf(const Vec2& p);

// The scale that follows a window of the given height, so that the controls look the same
// from a step back on any screen: height / 600, rounded down to a quarter, from 1 to 8. In a
// page a unit is never less than a CSS pixel, so that the controls of a short landscape phone
// stay as large on it as on a tall one.
double overlayScaleForHeight(int height);

// The scale that follows a window of the given size: as overlayScaleForHeight, but no larger
// than keeps the window 320 units wide (rounded down to a quarter, unless a unit is a CSS
// pixel already), so that a tall narrow screen still holds a row of finger-sized controls.
double overlayScaleForWindow(int width, int height);

} // namespace tessivo
