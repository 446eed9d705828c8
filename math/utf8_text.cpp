#include "math/utf8_text.h"

namespace tessivo {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character starting at text[at] and how many bytes it takes, or a length of 0.
std::size_t decodeOne(const std::string& text, std::size_t at, char32_t& character) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        character = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, smallest = 0x80, character = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, smallest = 0x800, character = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, smallest = 0x10000, character = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (!isContinuation(byte)) {
            return 0;
        }
        character = (character << 6) | (byte & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < smallest || surrogate || character > 0x10FFFF) {
        return 0;
    }
    return length;
}

} // namespace

std::u32string decodeUtf8(const std::string& text, std::size_t* badByte) {
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        char32_t character = 0;
        const std::size_t length = decodeOne(text, at, character);
        if (length == 0) {
            if (badByte) {
                *badByte = at;
            }
            return characters;
        }
        characters.push_back(character);
        at += length;
    }
    if (badByte) {
        *badByte = std::string::npos;
    }
    return characters;
}

std::string encodeUtf8(char32_t c) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            return bytes;
        }
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c <= 0x10FFFF) {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

} // namespace tessivo
