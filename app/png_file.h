#pragma once

#include "app/rgb_image.h"

#include <string>

namespace tessivo {

// Writes image as an 8-bit RGB PNG at path. The file appears only complete: the picture is
// written to a temporary file beside it and renamed, and nothing is left behind on failure.
// Returns an empty string on success, else a one-line reason.
std::string writePngFile(const std::string& path, const RgbImage& image);

// Reads a PNG of any colour type and bit depth as 8-bit RGB (alpha dropped, grey expanded).
// Returns an empty string on success, else a one-line reason (image is then left empty).
std::string readPngFile(const std::string& path, RgbImage& image);

} // namespace tessivo
