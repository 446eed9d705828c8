#pragma once

#include <GL/gl.h>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tessivo::gllayer {

// Display lists as recorded calls. While a list is being compiled, every call that GL would
// compile into it is kept (with copies of its arguments) instead of, or as well as, being run;
// calling the list runs the recorded calls again in order.
class DisplayLists {
public:
    using Call = std::function<void()>;

    // Keeps call when a list is being compiled; true when it must not also run now.
    bool record(Call call);
    bool compiling() const { return compilingList != 0; }

    GLuint generate(GLsizei range);
    void remove(GLuint first, GLsizei range);
    bool exists(GLuint list) const { return lists.count(list) != 0; }
    // False when a list is already being compiled, or the name is 0.
    bool beginList(GLuint list, GLenum mode);
    bool endList();
    void call(GLuint list);
    void clear();

private:
    std::map<GLuint, std::shared_ptr<const std::vector<Call>>> lists;
    GLuint compilingList = 0;
    GLenum compileMode = GL_COMPILE;
    std::vector<Call> compiled;
    int callDepth = 0;
};

} // namespace tessivo::gllayer
