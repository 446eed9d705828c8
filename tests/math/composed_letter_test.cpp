#include "math/composed_letter.h"
#include "math/stroke_text.h"
#include "math/utf8_text.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"

#include <GL/glut.h>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tessivo {
namespace {

// The roman font's line: its lowest descender and its highest strokes, in font units.
constexpr double lineBottom = -33.34;
constexpr double lineTop = 119.05;

using Segment = std::array<double, 4>;

// The segments that strokeText draws for text, in font units from the pen: the window is
// one pixel per unit, with the pen far enough in that no stroke of the line is clipped.
std::vector<Segment> strokesOf(const std::string& text) {
    constexpr double penX = 100.0, penY = 200.0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(penX, penY, 0);
    const auto feedback = testing::captureFeedback([&] { strokeText(GLUT_STROKE_ROMAN, text); });
    std::vector<Segment> segments;
    for (const auto& line : feedback.lines) {
        segments.push_back(
            {std::round((line[0].x - penX) * 10) / 10, std::round((line[0].y - penY) * 10) / 10,
             std::round((line[1].x - penX) * 10) / 10, std::round((line[1].y - penY) * 10) / 10});
    }
    std::sort(segments.begin(), segments.end());
    return segments;
}

double highest(const std::vector<Segment>& segments) {
    double top = lineBottom;
    for (const Segment& s : segments) {
        top = std::max({top, s[1], s[3]});
    }
    return top;
}

using ComposedLetters = testing::GlTest;

// Every composed letter keeps to its cell (its advance across, the font's line up and down),
// draws something else than its base letter and than every other composed letter, and an
// accent above stands clear of the letter under it.
TEST_F(ComposedLetters, StayInTheirCellsAndDifferFromTheirBasesAndEachOther) {
    std::set<std::vector<Segment>> seen;
    int letters = 0;
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        const ComposedLetter* letter = composedLetter(c);
        EXPECT_EQ(letter != nullptr || c == 0xA0, strokeFontDraws(c)) << c;
        if (!letter) {
            continue;
        }
        ++letters;
        const std::string text = encodeUtf8(c);
        const std::vector<Segment> strokes = strokesOf(text);
        const double advance = strokeTextWidth(GLUT_STROKE_ROMAN, text);
        EXPECT_EQ(advance, glutStrokeWidth(GLUT_STROKE_ROMAN, letter->advanceOf)) << text;
        for (const Segment& s : strokes) {
            for (int end = 0; end < 4; end += 2) {
                EXPECT_GE(s[end], 0.0) << text;
                EXPECT_LE(s[end], advance) << text;
                EXPECT_GE(s[end + 1], lineBottom) << text;
                EXPECT_LE(s[end + 1], lineTop) << text;
            }
        }
        const std::vector<Segment> base = strokesOf(std::string(1, letter->advanceOf));
        EXPECT_NE(strokes, base) << text;
        EXPECT_TRUE(seen.insert(strokes).second) << text << " draws like another letter";

        bool allAbove = !letter->marks.empty();
        for (const auto& strip : letter->marks) {
            for (const Vec2& p : strip) {
                allAbove = allAbove && p.y > 70.0;
            }
        }
        if (allAbove && letter->base != '\0') {
            double lowestMark = lineTop;
            for (const Segment& s : strokes) {
                if (!std::binary_search(base.begin(), base.end(), s)) {
                    lowestMark = std::min({lowestMark, s[1], s[3]});
                }
            }
            EXPECT_GE(lowestMark - highest(base), 4.0) << text;
        }
    }
    // À to ÿ less Æ, æ, ð, Þ, þ and the signs × and ÷.
    EXPECT_EQ(letters, 57);
    EXPECT_FALSE(strokeFontDraws(0xD7));
    EXPECT_FALSE(strokeFontDraws(0x142)); // ł, beyond Latin-1
    EXPECT_FALSE(strokeFontDraws('\t'));
}

TEST_F(ComposedLetters, TextDrawsTheBaseWithItsAccentAndStopsAtABadByte) {
    const std::vector<Segment> e = strokesOf("e"), grave = strokesOf("\xC3\xA8"); // è
    EXPECT_TRUE(std::includes(grave.begin(), grave.end(), e.begin(), e.end()));
    EXPECT_GT(grave.size(), e.size());
    EXPECT_GT(highest(grave), highest(e) + 20);
    EXPECT_EQ(strokesOf("e\xC3"), e); // a truncated character draws nothing
    EXPECT_EQ(strokesOf("e\x80x"), e);
}

TEST(Utf8Text, DecodesWellFormedTextAndPointsAtTheFirstBadByte) {
    std::size_t bad = 0;
    EXPECT_EQ(decodeUtf8("Città è\xC2\xA0più \xE2\x82\xAC \xF0\x9F\x98\x80", &bad),
              U"Città è\u00A0più € 😀");
    EXPECT_EQ(bad, std::string::npos);
    const std::vector<std::pair<std::string, std::size_t>> broken = {
        {"ab\xC3", 2},           // truncated
        {"a\x80", 1},            // a continuation byte alone
        {"\xC0\xAF", 0},         // an overlong slash
        {"x\xED\xA0\x80", 1},    // a surrogate
        {"\xF4\x90\x80\x80", 0}, // beyond U+10FFFF
        {"\xC3\xA8\xE2\x82", 2}, // è, then a cut euro sign
        {"\xFF", 0},
    };
    for (const auto& [text, at] : broken) {
        EXPECT_EQ(decodeUtf8(text, &bad).size(), decodeUtf8(text.substr(0, at)).size());
        EXPECT_EQ(bad, at) << text;
    }
    for (const char32_t c : {U'a', U'è', U'€', U'😀'}) {
        EXPECT_EQ(decodeUtf8(encodeUtf8(c)), std::u32string(1, c));
    }
    EXPECT_EQ(encodeUtf8(0xD800), "");
}

} // namespace
} // namespace tessivo
