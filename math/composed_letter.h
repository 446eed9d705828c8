#pragma once

#include "math/vec2.h"

#include <vector>

namespace tessivo {

// A letter that the toolkit's stroke font lacks (the accented letters of Latin-1, and the
// sharp s), drawn from the font: its base letter as the font draws it, and marks drawn in the
// font's own manner, monoline strokes in font units, measured from the pen on the baseline.
// Accents sit clear above the base letter's strokes within the font's line, so they stay
// apart from it at any size.
struct ComposedLetter {
    // The font's character drawn after the marks, or '\0' for a letter the marks draw whole
    // (the dotless i under an accent, the sharp s).
    char base = '\0';
    // The font's character whose advance the letter takes.
    char advanceOf = '\0';
    // Line strips, in font units from the pen.
    std::vector<std::vector<Vec2>> marks;
};

// How the Latin-1 character is drawn from the font, or nullptr when the font has it itself or
// it is not one of these letters.
const ComposedLetter* composedLetter(char32_t character);

// Whether the stroke text draws the character: printable ASCII, the no-break space (as a
// space), and the composed letters (every accented letter of Latin-1, the sharp s and the
// slashed o).
bool strokeFontDraws(char32_t character);

} // namespace tessivo
