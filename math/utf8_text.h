#pragma once

#include <cstddef>
#include <string>

namespace tessivo {

// The characters of UTF-8 text. Decoding stops at the first byte that does not begin a
// well-formed character (a stray continuation byte, a truncated sequence, an overlong form, a
// surrogate or a value above U+10FFFF): badByte, when given, is then its offset in text, else
// std::string::npos.
std::u32string decodeUtf8(const std::string& text, std::size_t* badByte = nullptr);

// The UTF-8 bytes of one character; nothing for a value that is not one.
std::string encodeUtf8(char32_t character);

} // namespace tessivo
