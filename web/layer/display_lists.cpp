#include "web/layer/display_lists.h"

namespace tessivo::gllayer {

namespace {
// GL's minimum guaranteed nesting of glCallList.
constexpr int maximumCallDepth = 64;
} // namespace

bool DisplayLists::record(Call call) {
    if (!compiling()) {
        return false;
    }
    compiled.push_back(std::move(call));
    return compileMode == GL_COMPILE;
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
        lists[first + static_cast<GLuint>(i)] = std::make_shared<std::vector<Call>>();
    }
    return first;
}

void DisplayLists::remove(GLuint first, GLsizei range) {
    for (GLsizei i = 0; i < range; ++i) {
        lists.erase(first + static_cast<GLuint>(i));
    }
}

bool DisplayLists::beginList(GLuint list, GLenum mode) {
    if (compiling() || list == 0) {
        return false;
    }
    compilingList = list;
    compileMode = mode;
    compiled.clear();
    return true;
}

bool DisplayLists::endList() {
    if (!compiling()) {
        return false;
    }
    lists[compilingList] = std::make_shared<const std::vector<Call>>(std::move(compiled));
    compiled.clear();
    compilingList = 0;
    return true;
}

void DisplayLists::call(GLuint list) {
    const auto found = lists.find(list);
    if (found == lists.end() || callDepth >= maximumCallDepth) {
        return;
    }
    ++callDepth;
    // Held while it runs, so that a list redefined meanwhile still runs as recorded.
    const auto calls = found->second;
    for (const Call& c : *calls) {
        c();
    }
    --callDepth;
}

void DisplayLists::clear() {
    lists.clear();
    compilingList = 0;
    compiled.clear();
    callDepth = 0;
}

} // namespace tessivo::gllayer
