#pragma once

#include "app/rgb_image.h"

#include <string>

namespace tessivo {

class Scene;
struct ControlSetting;

// The snapshot program: renders one registered scene in a real window and writes a PNG.
//   tessivo-snapshot --list
//   tessivo-snapshot --scene ID --out FILE.png [--size WxH] [--set K=V]... [--turn YAW,PITCH]
//                    [--time MS]
// Errors are reported in one line on standard error with a non-zero exit status, and no file
// is left behind.
int runSnapshot(int argc, char** argv);

// Sets one of the scene's own controls (counted from 0 after the standard controls of every
// panel): a slider's value (within its range), a dial's angle in radians, a choice row's
// selected item (a whole number among its items). Returns an empty string, or why it cannot.
std::string applyControlSetting(Scene& scene, const ControlSetting& setting);

// Renders one frame of scene into a width x height picture, with its controls over it unless
// told otherwise. Needs a current GL context whose window is at least that large; the scene
// becomes the only entry of the show list.
RgbImage renderScene(Scene& scene, int width, int height, bool withControls = true);

} // namespace tessivo
