#include "app/scene_text_layout.h"

#include "math/utf8_text.h"

#include <algorithm>

namespace tessivo {

namespace {

constexpr double titleSize = 0.2;
constexpr double helpSize = 0.12;
// How much of the title's size it may lose before it is shortened instead.
constexpr double titleShrinkStep = 0.01;
constexpr int mostHelpLines = 4;
// Overlay units: from the window's top to the title's capitals, and kept free at either end
// of a line.
constexpr double topMargin = 10.0;
constexpr double sideMargin = 10.0;
// The roman font's line: capitals reach 100 units, the highest strokes 119, descenders 33.3.
constexpr double capitalHeight = 100.0;
constexpr double ascent = 119.05;
constexpr double descent = 33.34;
const std::string ellipsis = "...";

std::string joined(const std::u32string& characters, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += encodeUtf8(characters[i]);
    }
    return text;
}

// What a line of size s on baseline y takes from the overlay.
double roomFor(double width, double baseline, double size, const std::vector<Rect>& obstacles) {
    const double room =
        clearWidthAtCentre(width, baseline - descent * size, baseline + ascent * size, obstacles);
    return std::max(0.0, room - 2.0 * sideMargin);
}

TextLine centred(const std::string& text, double size, double baseline, double width,
                 const TextMeasure& measure, bool help) {
    const double taken = measure(text) * size;
    return {text, size, (width - taken) / 2.0, baseline, taken, help};
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

} // namespace

double clearWidthAtCentre(double width, double bottom, double top,
                          const std::vector<Rect>& obstacles) {
    const double middle = width / 2.0;
    double halfRoom = middle;
    for (const Rect& obstacle : obstacles) {
        if (obstacle.empty() || obstacle.top <= bottom || obstacle.bottom >= top) {
            continue;
        }
        if (obstacle.left < middle && obstacle.right > middle) {
            return 0.0;
        }
        const double apart =
            obstacle.left >= middle ? obstacle.left - middle : middle - obstacle.right;
        halfRoom = std::min(halfRoom, apart);
    }
    return 2.0 * std::max(0.0, halfRoom);
}

std::string shortenedToFit(const std::string& text, double width, const TextMeasure& measure) {
    if (measure(text) <= width) {
        return text;
    }
    const std::u32string characters = decodeUtf8(text);
    // The longest beginning that fits with the ellipsis; widths only grow with length.
    std::size_t fits = 0, tooLong = characters.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        (measure(joined(characters, middle) + ellipsis) <= width ? fits : tooLong) = middle;
    }
    while (fits > 0 &&
           std::u32string(U" ,.;:").find(characters[fits - 1]) != std::u32string::npos) {
        --fits;
    }
    if (fits == 0 && measure(ellipsis) > width) {
        return {};
    }
    return joined(characters, fits) + ellipsis;
}

std::vector<TextLine> sceneTextLines(const std::string& title, const std::string& help,
                                     double width, double height,
                                     const std::vector<Rect>& obstacles,
                                     const TextMeasure& measure) {
    std::vector<TextLine> lines;
    double size = titleSize;
    double baseline = height - topMargin - capitalHeight * size;
    double room = roomFor(width, baseline, size, obstacles);
    while (measure(title) * size > room && size - titleShrinkStep >= helpSize - 1e-9) {
        size -= titleShrinkStep;
        baseline = height - topMargin - capitalHeight * size;
        room = roomFor(width, baseline, size, obstacles);
    }
    const std::string shownTitle = shortenedToFit(title, room / size, measure);
    if (!shownTitle.empty()) {
        lines.push_back(centred(shownTitle, size, baseline, width, measure, false));
    }

    const std::vector<std::string> words = wordsOf(help);
    double helpBaseline = baseline - descent * size - capitalHeight * helpSize - 6.0;
    std::size_t next = 0;
    for (int n = 0; n < mostHelpLines && next < words.size(); ++n) {
        const double helpRoom = roomFor(width, helpBaseline, helpSize, obstacles) / helpSize;
        std::string line = words[next++];
        while (next < words.size() && measure(line + " " + words[next]) <= helpRoom) {
            line += " " + words[next++];
        }
        if (n == mostHelpLines - 1) {
            while (next < words.size()) {
                line += " " + words[next++];
            }
        }
        line = shortenedToFit(line, helpRoom, measure);
        if (!line.empty()) {
            lines.push_back(centred(line, helpSize, helpBaseline, width, measure, true));
        }
        helpBaseline -= (ascent + descent) * helpSize;
    }
    return lines;
}

} // namespace tessivo
