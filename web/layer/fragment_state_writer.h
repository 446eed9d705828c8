#pragma once

#include "web/layer/raster_backend.h"

#include <optional>

namespace tessivo::gllayer {

// Writes the layer's fragment state into the current GL context, desktop GL or WebGL, whose
// calls for it are the same, calling GL only for what differs from what it wrote last.
class FragmentStateWriter {
public:
    // Returns whether texturing is to be switched (to state.textured), which each backend does
    // its own way: GL 1.1 has a capability for it, the WebGL backend's shader a uniform.
    bool write(const FragmentState& state);

private:
    std::optional<FragmentState> written;
};

} // namespace tessivo::gllayer
