#include "math/stroke_text.h"

#include <GL/glut.h>
#include <algorithm>

namespace tessivo {

void strokeText(void* font, const std::string& text) {
    for (unsigned char c : text) {
        glutStrokeCharacter(font, c);
    }
}

double strokeTextWidth(void* font, const std::string& text) {
    double width = 0.0;
    for (unsigned char c : text) {
        width += glutStrokeWidth(font, c);
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
