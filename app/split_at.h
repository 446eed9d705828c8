#pragma once

#include <string>
#include <vector>

namespace tessivo {

// The parts of text between the separators, in order: one more than there are separators, so
// an empty text is one empty part and "a,,b" has an empty part between a and b.
std::vector<std::string> splitAt(const std::string& text, char separator);

} // namespace tessivo
