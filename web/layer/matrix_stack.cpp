#include "web/layer/matrix_stack.h"

namespace tessivo::gllayer {

bool MatrixStack::push() {
    if (static_cast<int>(matrices.size()) >= depth) {
        return false;
    }
    matrices.push_back(matrices.back());
    return true;
}

bool MatrixStack::pop() {
    if (matrices.size() <= 1) {
        return false;
    }
    matrices.pop_back();
    return true;
}

} // namespace tessivo::gllayer
