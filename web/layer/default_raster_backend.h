#pragma once

#include "web/layer/raster_backend.h"

#include <memory>

namespace tessivo::gllayer {

// The backend the layer draws through unless told otherwise: each build links exactly one
// definition (desktop GL natively, WebGL in the browser). Called once, with the window's
// context current.
std::unique_ptr<RasterBackend> createDefaultRasterBackend();

} // namespace tessivo::gllayer
