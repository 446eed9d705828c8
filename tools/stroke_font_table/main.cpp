// Records the toolkit's GLUT_STROKE_ROMAN font through GL's feedback mode and writes it as the
// data table of the web build's GL layer: per character the line strips glutStrokeCharacter
// draws and the distance it moves the pen. The web build has no toolkit font of its own.
//
//   tessivo-stroke-font-table OUTPUT.cpp
//
// Needs an X display; opens a window that is never shown.

#include <GL/freeglut.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

// Font units reach about 120; drawn at 1/scale into a viewport of 2 scale pixels whose centre
// is the window origin, a point comes back from feedback at its own font coordinates, exactly,
// since scale is a power of two.
constexpr float scale = 1024.0f;

struct Glyph {
    std::vector<std::vector<std::array<float, 2>>> strips;
    float advance = 0.0f;
    int width = 0;
};

const char* licence =
    R"(// The font data below is the GLUT_STROKE_ROMAN font of freeglut, recorded from the toolkit
// installed on the development machine by tools/stroke_font_table through GL's feedback mode.
// Do not edit; to make it again run, under an X display:
//   build/tools/stroke_font_table/tessivo-stroke-font-table web/layer/stroke_font_data.cpp
//   clang-format -i web/layer/stroke_font_data.cpp
//
// freeglut: Copyright (C) 1999-2000 Pawel W. Olszta. All Rights Reserved.
//
// Permission is hereby granted, free of charge, to any person obtaining a
// copy of this software and associated documentation files (the "Software"),
// to deal in the Software without restriction, including without limitation
// the rights to use, copy, modify, merge, publish, distribute, sublicense,
// and/or sell copies or substantial portions of the Software.
//
// The above copyright notice and this permission notice shall be included in
// all copies or substantial portions of the Software.
//
// THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
// IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
// FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT.  IN NO EVENT SHALL
// PAWEL W. OLSZTA BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY,
// WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF
// OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
// SOFTWARE.
//
// Except as contained in this notice, the name of Pawel W. Olszta shall not
// be used in advertising or otherwise to promote the sale, use or other
// dealings in this Software without prior written authorization from Pawel
// W. Olszta.
)";

bool sawStripStart = false;

// Feedback of line strips in GL_2D, with a pass-through token where each glBegin was: a strip
// is its first segment's start, then every segment's end.
Glyph parseFeedback(const std::vector<GLfloat>& buffer, int used) {
    Glyph glyph;
    bool newStrip = false;
    for (int i = 0; i < used;) {
        const int token = static_cast<int>(buffer[i]);
        if (token == GL_PASS_THROUGH_TOKEN) {
            newStrip = sawStripStart = true;
            i += 2;
            continue;
        }
        if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN) {
            std::fprintf(stderr, "tessivo-stroke-font-table: unexpected feedback token %d\n",
                         token);
            std::exit(1);
        }
        if (newStrip || glyph.strips.empty()) {
            glyph.strips.push_back({{buffer[i + 1], buffer[i + 2]}});
            newStrip = false;
        }
        glyph.strips.back().push_back({buffer[i + 3], buffer[i + 4]});
        i += 5;
    }
    return glyph;
}

Glyph recordGlyph(int character) {
    std::vector<GLfloat> buffer(1 << 16);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(1.0f / scale, 1.0f / scale, 1.0f);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glutStrokeCharacter(GLUT_STROKE_ROMAN, character);
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    const int used = glRenderMode(GL_RENDER);
    Glyph glyph = parseFeedback(buffer, used);
    glyph.advance = matrix[12] * scale;
    glyph.width = glutStrokeWidth(GLUT_STROKE_ROMAN, character);
    return glyph;
}

// A float literal that reads back as the same float.
std::string literal(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", v);
    std::string s = text;
    if (s.find_first_of(".e") == std::string::npos) {
        s += ".0";
    }
    return s + "f";
}

void writeTable(std::FILE* out, const std::vector<Glyph>& glyphs) {
    std::fprintf(out, "%s\n#include \"web/layer/stroke_font.h\"\n\nnamespace tessivo::gllayer {\n",
                 licence);
    std::fprintf(out, "\nconst float strokeRomanPoints[] = {\n");
    for (const Glyph& g : glyphs) {
        for (const auto& strip : g.strips) {
            for (const auto& p : strip) {
                std::fprintf(out, "    %s, %s,\n", literal(p[0]).c_str(), literal(p[1]).c_str());
            }
        }
    }
    std::fprintf(out, "    0.0f};\n\nconst StrokeStrip strokeRomanStrips[] = {\n");
    int point = 0;
    for (const Glyph& g : glyphs) {
        for (const auto& strip : g.strips) {
            std::fprintf(out, "    {%d, %d},\n", point, static_cast<int>(strip.size()));
            point += static_cast<int>(strip.size());
        }
    }
    std::fprintf(out,
                 "    {0, 0}};\n\nconst StrokeGlyph strokeRomanGlyphs[strokeGlyphCount] = {\n");
    int strip = 0;
    for (const Glyph& g : glyphs) {
        std::fprintf(out, "    {%d, %d, %s, %d},\n", strip, static_cast<int>(g.strips.size()),
                     literal(g.advance).c_str(), g.width);
        strip += static_cast<int>(g.strips.size());
    }
    std::fprintf(out, "};\n\n} // namespace tessivo::gllayer\n");
}

} // namespace

// Stands in for GL's glBegin in the toolkit's calls (this program exports its symbols, which
// the toolkit's library then finds first), to mark in the feedback where each line strip
// begins: GL's feedback joins consecutive strips into one run of line tokens.
extern "C" void glBegin(GLenum mode) {
    using Begin = void (*)(GLenum);
    static const Begin realBegin = reinterpret_cast<Begin>(dlsym(RTLD_NEXT, "glBegin"));
    glPassThrough(static_cast<GLfloat>(mode));
    realBegin(mode);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessivo-stroke-font-table OUTPUT.cpp\n");
        return 2;
    }
    int toolkitCount = 1;
    glutInit(&toolkitCount, argv);
    glutInitDisplayMode(GLUT_RGB);
    glutInitWindowSize(64, 64);
    glutCreateWindow("stroke font table");
    glutHideWindow();
    glViewport(static_cast<GLint>(-scale), static_cast<GLint>(-scale),
               static_cast<GLsizei>(2 * scale), static_cast<GLsizei>(2 * scale));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    std::vector<Glyph> glyphs;
    for (int c = 0; c < 256; ++c) {
        glyphs.push_back(recordGlyph(c));
    }
    if (!sawStripStart) {
        std::fprintf(stderr,
                     "tessivo-stroke-font-table: the toolkit's glBegin calls were not seen\n");
        return 1;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "tessivo-stroke-font-table: cannot write %s\n", argv[1]);
        return 1;
    }
    writeTable(out, glyphs);
    return std::fclose(out) == 0 ? 0 : 1;
}
