#include "app/scene_texts.h"

#include "app/scene_text_layout.h"
#include "app/shell.h"
#include "math/stroke_text.h"
#include "scene/overlay_settings.h"
#include "scene/scene.h"

#include <GL/glut.h>
#include <algorithm>
#include <utility>

namespace tessivo {

namespace {

// The roman font's space is as wide as its widest letters; over a line of words that spreads
// them apart. The exhibit's texts set their words closer, about a third of the font's line.
constexpr double wordSpace = 42.0;
// The veil under a line: how much of the object it hides, how far it reaches beyond the
// text (overlay units), and the font's line above and below the baseline (font units), so
// that the veils of the help's lines meet.
constexpr double veilOpacity = 0.6;
constexpr double veilMargin = 4.0;
constexpr double lineAscent = 119.0;
constexpr double lineDescent = 34.0;

// Each word of text (the pieces between single spaces), with wordSpace between two.
template <class Word, class Space>
void eachWord(const std::string& text, const Word& word, const Space& space) {
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(' ', start);
        word(text.substr(start, end - start));
        if (end == std::string::npos) {
            return;
        }
        space();
        start = end + 1;
    }
}

double textWidth(const std::string& text) {
    double width = 0.0;
    eachWord(
        text, [&](const std::string& w) { width += strokeTextWidth(GLUT_STROKE_ROMAN, w); },
        [&] { width += wordSpace; });
    return width;
}

void drawText(const std::string& text) {
    eachWord(
        text, [](const std::string& w) { strokeText(GLUT_STROKE_ROMAN, w); },
        [] { glTranslated(wordSpace, 0.0, 0.0); });
}

// The areas of the panel's controls on screen, which the texts keep clear of.
std::vector<Rect> controlAreas(const Scene& scene) {
    std::vector<Rect> areas;
    for (const auto& widget : scene.panel->widgets) {
        if (!widget->hidden && !widget->bounds().empty()) {
            areas.push_back(widget->bounds());
        }
    }
    return areas;
}

bool sameAreas(const std::vector<Rect>& a, const std::vector<Rect>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Rect& p, const Rect& q) {
        return p.left == q.left && p.bottom == q.bottom && p.right == q.right && p.top == q.top;
    });
}

// The lines of the texts as last laid out, with the display lists that draw their strokes.
// The layout measures the help's words over and over, and a line's strokes are hundreds of
// small strips; both stay the same from frame to frame until the texts, the window or the
// controls' areas change.
struct LaidOut {
    std::string title, help;
    int width = -1, height = -1;
    std::vector<Rect> areas;
    std::vector<TextLine> lines;
    // The first of one list a line; 0 for none.
    GLuint firstList = 0;
};

void compileStrokes(LaidOut& laidOut) {
    if (laidOut.lines.empty()) {
        return;
    }
    laidOut.firstList = glGenLists(static_cast<GLsizei>(laidOut.lines.size()));
    for (std::size_t i = 0; i < laidOut.lines.size() && laidOut.firstList != 0; ++i) {
        const TextLine& line = laidOut.lines[i];
        glNewList(laidOut.firstList + static_cast<GLuint>(i), GL_COMPILE);
        glPushMatrix();
        glTranslated(line.left, line.baseline, 0.0);
        glScaled(line.size, line.size, line.size);
        drawText(line.text);
        glPopMatrix();
        glEndList();
    }
}

const LaidOut& laidOutFor(const Scene& scene) {
    static LaidOut last;
    const ShellState& shell = shellState();
    const std::string title = scene.menuTitle(), help = scene.helpLine();
    const int width = overlayUnits(shell.windowWidth), height = overlayUnits(shell.windowHeight);
    std::vector<Rect> areas = controlAreas(scene);
    if (title != last.title || help != last.help || width != last.width || height != last.height ||
        !sameAreas(areas, last.areas)) {
        std::vector<TextLine> lines = sceneTextLines(title, help, width, height, areas, textWidth);
        if (last.firstList != 0) {
            glDeleteLists(last.firstList, static_cast<GLsizei>(last.lines.size()));
        }
        last = {title, help, width, height, std::move(areas), std::move(lines), 0};
        compileStrokes(last);
    }
    return last;
}

} // namespace

void drawSceneTexts(const Scene& scene, double helpOpacity) {
    const LaidOut& laidOut = laidOutFor(scene);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (std::size_t i = 0; i < laidOut.lines.size(); ++i) {
        const TextLine& line = laidOut.lines[i];
        const double opacity = line.help ? helpOpacity : 1.0;
        if (opacity <= 0.0) {
            continue;
        }
        // A veil of the background under the line keeps it legible where the object passes
        // behind; over the bare background it does not show.
        glColor4d(backgroundColour[0] / 255.0, backgroundColour[1] / 255.0,
                  backgroundColour[2] / 255.0, veilOpacity * opacity);
        glRectd(line.left - veilMargin, line.baseline - lineDescent * line.size,
                line.left + line.width + veilMargin, line.baseline + lineAscent * line.size);
        if (line.help) {
            glColor4d(0.75, 0.87, 0.95, opacity);
        } else {
            glColor4d(1.0, 1.0, 1.0, 1.0);
        }
        if (laidOut.firstList != 0) {
            glCallList(laidOut.firstList + static_cast<GLuint>(i));
        }
    }
    glPopAttrib();
}

} // namespace tessivo
