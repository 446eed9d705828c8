#include "math/stroke_text.h"

#include "math/composed_letter.h"
#include "math/utf8_text.h"

#include <GL/glut.h>
#include <algorithm>

namespace tessivo {

namespace {

constexpr char32_t noBreakSpace = 0xA0;

// The marks at the pen, then the base letter, which moves the pen on as the font does; a
// letter without a base moves it by its advance.
void strokeComposed(void* font, const ComposedLetter& letter) {
    for (const auto& strip : letter.marks) {
        glBegin(GL_LINE_STRIP);
        for (const Vec2& point : strip) {
            glVertex2d(point.x, point.y);
        }
        glEnd();
    }
    if (letter.base != '\0') {
        glutStrokeCharacter(font, letter.base);
    } else {
        glTranslated(glutStrokeWidth(font, letter.advanceOf), 0.0, 0.0);
    }
}

} // namespace

void strokeText(void* font, const std::string& text) {
    for (const char32_t c : decodeUtf8(text)) {
        if (c < 0x80) {
            glutStrokeCharacter(font, static_cast<int>(c));
        } else if (c == noBreakSpace) {
            glutStrokeCharacter(font, ' ');
        } else if (const ComposedLetter* letter = composedLetter(c)) {
            strokeComposed(font, *letter);
        }
    }
}

double strokeTextWidth(void* font, const std::string& text) {
    double width = 0.0;
    for (const char32_t c : decodeUtf8(text)) {
        if (c < 0x80) {
            width += glutStrokeWidth(font, static_cast<int>(c));
        } else if (c == noBreakSpace) {
            width += glutStrokeWidth(font, ' ');
        } else if (const ComposedLetter* letter = composedLetter(c)) {
            width += glutStrokeWidth(font, letter->advanceOf);
        }
    }
    return width;
}

void drawLabel(double x, double y, double size, const std::string& text) {
    const double s = 0.2 * size;
    glPushMatrix();
    glTranslated(x, y, 0);
    glScaled(s, s, s);
    strokeText(GLUT_STROKE_ROMAN, text);
    glPopMatrix();
}

std::string decimalText(int n) {
    if (n < 0) {
        return "";
    }
    if (n == 0) {
        return "0";
    }
    std::string digits;
    for (; n > 0; n /= 10) {
        digits.push_back(static_cast<char>('0' + n % 10));
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace tessivo
