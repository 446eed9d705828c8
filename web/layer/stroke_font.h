#pragma once

namespace tessivo::gllayer {

// The toolkit's GLUT_STROKE_ROMAN font as data: per character its line strips in font units
// and how far it moves the pen. stroke_font_data.cpp is generated from the desktop toolkit by
// tools/stroke_font_table (see there); it is not edited by hand.
struct StrokeStrip {
    int firstPoint; // index of its first x in strokeRomanPoints, which holds x, y pairs
    int pointCount;
};

struct StrokeGlyph {
    int firstStrip;
    int stripCount;
    float advance; // what glutStrokeCharacter translates by afterwards
    int width;     // what glutStrokeWidth answers
};

constexpr int strokeGlyphCount = 256;
extern const float strokeRomanPoints[];
extern const StrokeStrip strokeRomanStrips[];
extern const StrokeGlyph strokeRomanGlyphs[strokeGlyphCount];

} // namespace tessivo::gllayer
