#include "math/composed_letter.h"

#include "math/angles.h"

#include <cmath>
#include <map>

namespace tessivo {

namespace {

enum class Accent { Grave, Acute, Circumflex, Tilde, Diaeresis, Ring, Cedilla, Slash, Bar };

// Where a base letter's strokes lie, read off the font's glyphs: the middle of their width,
// over which an accent centres, and the middle of their foot, under which a cedilla hangs.
// The font's small letters reach 66.7 units up, its capitals 100; a narrow letter (i, I)
// leaves room only for narrower marks.
struct Base {
    char letter;
    double middle;
    double foot;
    bool capital;
    bool narrow;
};

constexpr Base bases[] = {
    {'a', 35.3, 35.3, false, false}, {'c', 34.1, 36.5, false, false},
    {'e', 34.3, 34.3, false, false}, {'i', 14.8, 14.8, false, true},
    {'n', 35.4, 35.4, false, false}, {'o', 35.9, 35.9, false, false},
    {'u', 35.7, 35.7, false, false}, {'y', 35.1, 35.1, false, false},
    {'A', 40.6, 40.6, true, false},  {'C', 42.4, 44.8, true, false},
    {'D', 45.3, 45.3, true, false},  {'E', 42.4, 42.4, true, false},
    {'I', 10.9, 10.9, true, true},   {'N', 44.5, 44.5, true, false},
    {'O', 44.3, 44.3, true, false},  {'U', 44.9, 44.9, true, false},
    {'Y', 39.6, 39.6, true, false},
};

const Base& baseOf(char letter) {
    for (const Base& base : bases) {
        if (base.letter == letter) {
            return base;
        }
    }
    return bases[0];
}

using Strip = std::vector<Vec2>;

// The font's dot (of i, the full stop): a diamond of half-size r.
Strip dot(double x, double y, double r) {
    return {{x, y + r}, {x - r, y}, {x, y - r}, {x + r, y}, {x, y + r}};
}

// An accent above the letter: small letters keep it between 76 and 95 units (the i's dot
// stands at 100), capitals between 105 and 119, the top of the font's line.
std::vector<Strip> accentAbove(Accent accent, const Base& base) {
    const double x = base.middle;
    const double bottom = base.capital ? 104.8 : 76.2;
    const double height = base.capital ? 11.9 : 19.0;
    const double half = base.narrow ? 6.0 : 7.1;
    switch (accent) {
    case Accent::Grave:
        return {{{x - half, bottom + height}, {x + half * 0.7, bottom}}};
    case Accent::Acute:
        return {{{x + half, bottom + height}, {x - half * 0.7, bottom}}};
    case Accent::Circumflex: {
        const double wing = base.narrow ? 8.0 : 10.0;
        const double rise = base.capital ? height : 14.3;
        return {{{x - wing, bottom}, {x, bottom + rise}, {x + wing, bottom}}};
    }
    case Accent::Tilde: {
        // One period of a sine: up from the middle, down through it, and up again.
        const double reach = base.narrow ? 9.0 : 12.0;
        const double swing = base.capital ? 4.5 : 4.8;
        Strip wave;
        for (int k = 0; k <= 8; ++k) {
            const double u = k / 8.0;
            wave.push_back(
                {x - reach + 2 * reach * u, bottom + 1.0 + swing * (1.0 + std::sin(2 * pi * u))});
        }
        return {wave};
    }
    case Accent::Diaeresis: {
        const double apart = base.narrow ? 6.0 : 10.0;
        const double r = base.narrow && base.capital ? 3.6 : 4.76;
        const double y = bottom + r + 0.5;
        return {dot(x - apart, y, r), dot(x + apart, y, r)};
    }
    case Accent::Ring: {
        const double r = base.capital ? 5.5 : 7.1;
        const double y = bottom + r + (base.capital ? 0.9 : 2.4);
        Strip ring;
        for (int k = 0; k <= 12; ++k) {
            const double a = 2 * pi * k / 12;
            ring.push_back({x + r * std::sin(a), y + r * std::cos(a)});
        }
        return {ring};
    }
    default:
        return {};
    }
}

std::vector<Strip> marksOf(Accent accent, const Base& base) {
    const double foot = base.foot;
    switch (accent) {
    case Accent::Cedilla:
        return {{{foot, 0.0},
                 {foot, -7.1},
                 {foot + 4.8, -9.5},
                 {foot + 7.1, -14.3},
                 {foot + 4.8, -19.0},
                 {foot - 2.4, -21.4},
                 {foot - 7.1, -19.0}}};
    case Accent::Slash:
        return base.capital ? std::vector<Strip>{{{7.1, -4.8}, {81.0, 104.8}}}
                            : std::vector<Strip>{{{4.8, -4.8}, {66.7, 71.4}}};
    case Accent::Bar:
        return {{{2.4, 52.4}, {30.9, 52.4}}};
    default:
        return accentAbove(accent, base);
    }
}

ComposedLetter onBase(char letter, Accent accent) {
    return {letter, letter, marksOf(accent, baseOf(letter))};
}

// The i loses its dot under an accent: its stem, as the font draws it, carries the accent.
ComposedLetter dotlessI(Accent accent) {
    std::vector<Strip> marks = marksOf(accent, baseOf('i'));
    marks.push_back({{14.8, 66.7}, {14.8, 0.0}});
    return {'\0', 'i', marks};
}

// The sharp s: a stem rising into two bowls, the upper one smaller, as wide as the font's b.
ComposedLetter sharpS() {
    return {'\0',
            'b',
            {{{9.0, 0.0},
              {9.0, 76.2},
              {13.8, 90.5},
              {23.3, 97.6},
              {33.0, 100.0},
              {42.5, 100.0},
              {52.0, 95.2},
              {56.8, 85.7},
              {56.8, 76.2},
              {52.0, 66.7},
              {42.5, 61.9},
              {33.0, 61.9}},
             {{33.0, 61.9},
              {47.3, 57.1},
              {56.8, 47.6},
              {61.6, 33.3},
              {61.6, 23.8},
              {56.8, 9.5},
              {47.3, 2.4},
              {37.8, 0.0},
              {28.3, 0.0}}}};
}

std::map<char32_t, ComposedLetter> makeLetters() {
    std::map<char32_t, ComposedLetter> letters;
    // The five accents that Latin-1 sets on a, e, i, o and u, in Latin-1's order.
    const Accent row[] = {Accent::Grave, Accent::Acute,     Accent::Circumflex,
                          Accent::Tilde, Accent::Diaeresis, Accent::Ring};
    for (int k = 0; k < 6; ++k) {
        letters[0xC0 + k] = onBase('A', row[k]);
        letters[0xE0 + k] = onBase('a', row[k]);
    }
    const Accent fourAccents[] = {Accent::Grave, Accent::Acute, Accent::Circumflex,
                                  Accent::Diaeresis};
    for (int k = 0; k < 4; ++k) {
        letters[0xC8 + k] = onBase('E', fourAccents[k]);
        letters[0xE8 + k] = onBase('e', fourAccents[k]);
        letters[0xCC + k] = onBase('I', fourAccents[k]);
        letters[0xEC + k] = dotlessI(fourAccents[k]);
        letters[0xD9 + k] = onBase('U', fourAccents[k]);
        letters[0xF9 + k] = onBase('u', fourAccents[k]);
    }
    for (int k = 0; k < 5; ++k) {
        letters[0xD2 + k] = onBase('O', row[k]);
        letters[0xF2 + k] = onBase('o', row[k]);
    }
    letters[0xC7] = onBase('C', Accent::Cedilla);
    letters[0xE7] = onBase('c', Accent::Cedilla);
    letters[0xD0] = onBase('D', Accent::Bar);
    letters[0xD1] = onBase('N', Accent::Tilde);
    letters[0xF1] = onBase('n', Accent::Tilde);
    letters[0xD8] = onBase('O', Accent::Slash);
    letters[0xF8] = onBase('o', Accent::Slash);
    letters[0xDD] = onBase('Y', Accent::Acute);
    letters[0xFD] = onBase('y', Accent::Acute);
    letters[0xFF] = onBase('y', Accent::Diaeresis);
    letters[0xDF] = sharpS();
    return letters;
}

} // namespace

const ComposedLetter* composedLetter(char32_t character) {
    static const std::map<char32_t, ComposedLetter> letters = makeLetters();
    const auto letter = letters.find(character);
    return letter == letters.end() ? nullptr : &letter->second;
}

bool strokeFontDraws(char32_t character) {
    const bool printableAscii = character >= 0x20 && character < 0x7F;
    return printableAscii || character == 0xA0 || composedLetter(character) != nullptr;
}

} // namespace tessivo
