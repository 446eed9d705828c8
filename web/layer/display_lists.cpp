#include "web/layer/display_lists.h"

#include <algorithm>

namespace tessivo::gllayer {

Word* DisplayLists::append(Word row, std::size_t words) {
    std::vector<Word>& kept = compiled.words;
    kept.push_back(row);
    const std::size_t start = kept.size();
    kept.resize(start + words);
    return kept.data() + start;
}

PixelRows DisplayLists::keep(PixelRows rows, std::size_t rowBytes, int rowCount) {
    if (!rows.first) {
        return {nullptr, rowBytes};
    }
    std::vector<std::uint8_t>& copy = compiled.pixels.emplace_back(rowBytes * rowCount);
    for (int y = 0; y < rowCount; ++y) {
        std::copy_n(rows.first + y * rows.stride, rowBytes, copy.begin() + y * rowBytes);
    }
    return {copy.data(), rowBytes};
}

GLuint DisplayLists::generate(GLsizei range) {
    if (range <= 0) {
        return 0;
    }
    GLuint first = 1;
    for (const auto& entry : lists) {
        if (entry.first >= first + static_cast<GLuint>(range)) {
            break;
        }
        if (entry.first >= first) {
            first = entry.first + 1;
        }
    }
    for (GLsizei i = 0; i < range; ++i) {
        lists[first + static_cast<GLuint>(i)] = std::make_shared<List>();
    }
    return first;
}

void DisplayLists::remove(GLuint first, GLsizei range) {
    for (GLsizei i = 0; i < range; ++i) {
        lists.erase(first + static_cast<GLuint>(i));
    }
}

bool DisplayLists::beginList(GLuint list, GLenum mode) {
    if (compiling() || list == 0 || (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE)) {
        return false;
    }
    compilingList = list;
    compileMode = mode;
    compiled = List();
    return true;
}

bool DisplayLists::endList() {
    if (!compiling()) {
        return false;
    }
    // Moving the list keeps the pixel copies where the kept calls point.
    lists[compilingList] = std::make_shared<const List>(std::move(compiled));
    compiled = List();
    compilingList = 0;
    return true;
}

void DisplayLists::clear() {
    lists.clear();
    compilingList = 0;
    compiled = List();
    callDepth = 0;
}

} // namespace tessivo::gllayer
