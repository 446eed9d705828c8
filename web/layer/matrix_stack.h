#pragma once

#include "web/layer/matrix4.h"

#include <vector>

namespace tessivo::gllayer {

// One of GL's matrix stacks; the top is the current matrix. Pushing past the depth GL promises
// or popping the last matrix is refused and reported, as GL reports stack errors.
class MatrixStack {
public:
    explicit MatrixStack(int depth) : depth(depth), matrices(1) {}

    const Matrix4& top() const { return matrices.back(); }
    void load(const Matrix4& m) { matrices.back() = m; }
    void multiply(const Matrix4& m) { matrices.back() = matrices.back() * m; }
    bool push();
    bool pop();

private:
    int depth;
    std::vector<Matrix4> matrices;
};

} // namespace tessivo::gllayer
