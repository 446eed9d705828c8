#pragma once

#include <GL/gl.h>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace tessivo::gllayer {

// The unit of a display list: a kept call is the number of its row in the layer's call table
// followed by its arguments, copied into as many words as they take.
using Word = std::uint32_t;

// Rows of pixels as glTexImage2D reads them: where the first row starts and how far apart rows
// are.
struct PixelRows {
    const std::uint8_t* first;
    std::size_t stride;
};

// Display lists as kept calls. While a list is being compiled, every call that GL would compile
// into it is appended to it (and may run as well); calling the list plays its calls again in
// order. What plays them is the call table's, handed to call().
class DisplayLists {
public:
    struct List {
        std::vector<Word> words;
        // Copies of the pixels that the list's texture uploads point at.
        std::vector<std::vector<std::uint8_t>> pixels;
    };

    bool compiling() const { return compilingList != 0; }
    // While compiling: whether the calls kept also run now (GL_COMPILE_AND_EXECUTE).
    bool executing() const { return compileMode == GL_COMPILE_AND_EXECUTE; }
    // Room for one kept call at the end of the list being compiled: its row, then `words` words
    // for its arguments, which the caller fills.
    Word* append(Word row, std::size_t words);
    // Copies rowCount rows of rowBytes bytes into the list being compiled, for a kept call to
    // point at.
    PixelRows keep(PixelRows rows, std::size_t rowBytes, int rowCount);

    GLuint generate(GLsizei range);
    void remove(GLuint first, GLsizei range);
    bool exists(GLuint list) const { return lists.count(list) != 0; }
    // False when a list is already being compiled, the name is 0 or the mode is not GL's.
    bool beginList(GLuint list, GLenum mode);
    bool endList();
    // Runs play(list) on a defined list. The list is held meanwhile, so that it plays as
    // compiled even if it is redefined on the way; nesting stops at GL's guaranteed depth.
    template <typename Play> void call(GLuint list, Play play);
    void clear();

private:
    static constexpr int maximumCallDepth = 64;

    std::map<GLuint, std::shared_ptr<const List>> lists;
    GLuint compilingList = 0;
    GLenum compileMode = GL_COMPILE;
    List compiled;
    int callDepth = 0;
};

template <typename Play> void DisplayLists::call(GLuint list, Play play) {
    const auto found = lists.find(list);
    if (found == lists.end() || callDepth >= maximumCallDepth) {
        return;
    }
    const std::shared_ptr<const List> held = found->second;
    ++callDepth;
    play(*held);
    --callDepth;
}

} // namespace tessivo::gllayer
