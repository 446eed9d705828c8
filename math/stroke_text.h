#pragma once

#include <string>

namespace tessivo {

// Text in the toolkit's stroke fonts. Every caller passes GLUT_STROKE_ROMAN. The toolkit must
// have been initialised (glutInit) before any of the drawing or measuring functions is called.

// text, UTF-8, at the current matrix: glutStrokeCharacter for each character of the font, the
// letters it lacks composed from it (math/composed_letter.h). Characters that neither draws,
// and whatever follows a byte that is not UTF-8, are left out.
void strokeText(void* font, const std::string& text);

// Sum of the advances of the characters that strokeText draws, in font units (0 for an empty
// string).
double strokeTextWidth(void* font, const std::string& text);

// text in the roman stroke font at (x, y), scaled by 0.2 * size.
void drawLabel(double x, double y, double size, const std::string& text);

// Decimal digits of n, most significant first, without sign or leading zeros; 0 gives "0".
// Only non-negative values have digits: a negative n gives an empty string.
std::string decimalText(int n);

} // namespace tessivo
