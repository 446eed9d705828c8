#include "web/layer/lighting.h"

namespace tessivo::gllayer {

Lighting::Lighting() {
    // Light 0 alone is white by default; the other lights are black until given colours.
    lights[0].diffuse = {1, 1, 1, 1};
    lights[0].specular = {1, 1, 1, 1};
}

} // namespace tessivo::gllayer
