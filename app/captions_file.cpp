#include "app/captions_file.h"

#include "math/composed_letter.h"
#include "math/utf8_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tessivo {

namespace {

constexpr std::size_t largestFile = 1 << 20;
const std::string byteOrderMark = "\xEF\xBB\xBF";
const char* const lineForm = "a line is ID<TAB>title<TAB>help";

std::string hexadecimal(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// 'ł' (U+0142); a control character by its code alone.
std::string characterName(char32_t c) {
    const std::string code = "U+" + hexadecimal(static_cast<unsigned>(c), 4);
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    return control ? code : "'" + encodeUtf8(c) + "' (" + code + ")";
}

std::string trimmed(const std::u32string& text) {
    const auto first = text.find_first_not_of(U' ');
    if (first == std::u32string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(U' ');
    std::string bytes;
    for (std::size_t i = first; i <= last; ++i) {
        bytes += encodeUtf8(text[i]);
    }
    return bytes;
}

class LineReader {
public:
    LineReader(const std::string& fileName, const std::vector<std::string>& identifiers,
               ParsedCaptions& parsed)
        : fileName(fileName), identifiers(identifiers), parsed(parsed) {}

    // Reads line number n (from 1); false after recording the error.
    bool read(const std::string& bytes, int n) {
        number = n;
        std::size_t badByte = 0;
        const std::u32string line = decodeUtf8(bytes, &badByte);
        if (badByte != std::string::npos) {
            const auto byte = static_cast<unsigned char>(bytes[badByte]);
            return fail(line.size() + 1,
                        "byte 0x" + hexadecimal(byte, 2) + " is not UTF-8 (save it as UTF-8)");
        }
        const auto firstUsed = line.find_first_not_of(U' ');
        if (firstUsed == std::u32string::npos || line[firstUsed] == U'#') {
            return true;
        }
        const auto firstTab = line.find(U'\t');
        if (firstTab == std::u32string::npos) {
            return fail(line.size() + 1, std::string("no tab; ") + lineForm);
        }
        const auto secondTab = line.find(U'\t', firstTab + 1);
        if (secondTab == std::u32string::npos) {
            return fail(line.size() + 1, std::string("one tab only; ") + lineForm);
        }
        const auto thirdTab = line.find(U'\t', secondTab + 1);
        if (thirdTab != std::u32string::npos) {
            return fail(thirdTab + 1, std::string("a third tab; ") + lineForm);
        }
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != U'\t' && !strokeFontDraws(line[i])) {
                return fail(i + 1, "cannot draw " + characterName(line[i]));
            }
        }
        const std::string identifier = trimmed(line.substr(0, firstTab));
        const std::string title = trimmed(line.substr(firstTab + 1, secondTab - firstTab - 1));
        if (std::find(identifiers.begin(), identifiers.end(), identifier) == identifiers.end()) {
            return fail(1, "unknown scene '" + identifier + "'");
        }
        if (title.empty()) {
            return fail(firstTab + 2, "the title of " + identifier + " is empty");
        }
        const auto earlier = firstLines.find(identifier);
        if (earlier != firstLines.end()) {
            return fail(1, identifier + " has captions on line " + std::to_string(earlier->second) +
                               " already");
        }
        firstLines[identifier] = number;
        parsed.captions[identifier] = {title, trimmed(line.substr(secondTab + 1))};
        return true;
    }

private:
    bool fail(std::size_t column, const std::string& what) {
        parsed.error =
            fileName + ":" + std::to_string(number) + ":" + std::to_string(column) + ": " + what;
        parsed.captions.clear();
        return false;
    }

    const std::string& fileName;
    const std::vector<std::string>& identifiers;
    ParsedCaptions& parsed;
    std::map<std::string, int> firstLines;
    int number = 0;
};

} // namespace

ParsedCaptions parseCaptions(const std::string& text, const std::string& fileName,
                             const std::vector<std::string>& sceneIdentifiers) {
    ParsedCaptions parsed;
    LineReader reader(fileName, sceneIdentifiers, parsed);
    std::size_t start =
        text.compare(0, byteOrderMark.size(), byteOrderMark) == 0 ? byteOrderMark.size() : 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!reader.read(line, number)) {
            break;
        }
        start = end + 1;
    }
    return parsed;
}

bool readCaptionsFile(const std::string& path, std::string& text, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    text.clear();
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && text.size() <= largestFile) {
        text.append(block, got);
    }
    const int failure = std::ferror(file) != 0 ? errno : 0;
    std::fclose(file);
    if (failure != 0) {
        reason = "cannot read " + path + ": " + std::strerror(failure);
        return false;
    }
    if (text.size() > largestFile) {
        reason = path + " is larger than a megabyte: not a captions file";
        return false;
    }
    return true;
}

} // namespace tessivo
