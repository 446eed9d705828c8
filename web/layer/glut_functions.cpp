// The GLUT functions the layer stands in for: the stroke font, drawn from its data table with
// the layer's GL exactly as the toolkit draws it, and the buffer swap, which first hands over
// what is still batched.

#include "web/layer/gl_layer_functions.h"
#include "web/layer/layer.h"
#include "web/layer/stroke_font.h"

#include <GL/glut.h>

using namespace tessivo::gllayer;

extern "C" {

void tlutStrokeCharacter(void*, int character) {
    if (character < 0 || character >= strokeGlyphCount) {
        return;
    }
    const StrokeGlyph& glyph = strokeRomanGlyphs[character];
    for (int s = glyph.firstStrip; s < glyph.firstStrip + glyph.stripCount; ++s) {
        const StrokeStrip& strip = strokeRomanStrips[s];
        tlBegin(GL_LINE_STRIP);
        for (int p = 0; p < strip.pointCount; ++p) {
            const float* xy = &strokeRomanPoints[2 * (strip.firstPoint + p)];
            tlVertex2f(xy[0], xy[1]);
        }
        tlEnd();
    }
    tlTranslatef(glyph.advance, 0.0f, 0.0f);
}

int tlutStrokeWidth(void*, int character) {
    return character >= 0 && character < strokeGlyphCount ? strokeRomanGlyphs[character].width : 0;
}

// The width of the longest line of the string, as the toolkit measures it.
int tlutStrokeLength(void* font, const unsigned char* string) {
    int longest = 0, line = 0;
    for (; string && *string; ++string) {
        if (*string == '\n') {
            line = 0;
            continue;
        }
        line += tlutStrokeWidth(font, *string);
        longest = line > longest ? line : longest;
    }
    return longest;
}

void tlutSwapBuffers(void) {
    Layer::instance().flush();
    glutSwapBuffers();
}

} // extern "C"
