#include "web/page/page_query.h"

#include <cctype>
#include <cstddef>
#include <utility>

namespace tessivo {

namespace {

struct QueryOption {
    const char* name;
    const char* argument;
};

// The address options of the page and the exhibit's options they stand for.
const QueryOption queryOptions[] = {
    {"scenes", "--scenes"},         {"lang", "--language"},     {"scale", "--scale"},
    {"idle-reset", "--idle-reset"}, {"attract", "--attract"},   {"tour", "--tour"},
    {"texts", "--texts"},           {"captions", "--captions"}, {"max-fps", "--max-fps"}};

int hexDigit(char c) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
        return c - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// A '%' not followed by two hex digits stays as it is, as browsers leave it.
std::string percentDecoded(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

const char* argumentFor(const std::string& name) {
    for (const QueryOption& option : queryOptions) {
        if (name == option.name) {
            return option.argument;
        }
    }
    return nullptr;
}

// The query's name=value pairs, decoded, in their order; a pair without '=' is left out.
std::vector<std::pair<std::string, std::string>> queryPairs(const std::string& query) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = !query.empty() && query[0] == '?' ? 1 : 0;
    while (start < query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string::npos) {
            end = query.size();
        }
        const std::string pair = query.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (equals != std::string::npos) {
            pairs.emplace_back(percentDecoded(pair.substr(0, equals)),
                               percentDecoded(pair.substr(equals + 1)));
        }
        start = end + 1;
    }
    return pairs;
}

} // namespace

std::vector<std::string> exhibitArguments(const std::string& query, bool coarsePointer) {
    std::vector<std::string> arguments;
    bool touch = coarsePointer;
    for (const auto& [name, value] : queryPairs(query)) {
        const char* argument = argumentFor(name);
        if (name == "touch" && (value == "0" || value == "1")) {
            touch = value == "1";
        } else if (argument != nullptr && !value.empty()) {
            arguments.push_back(argument);
            arguments.push_back(value);
        }
    }
    if (touch) {
        arguments.push_back("--touch");
    }
    return arguments;
}

std::string queryValue(const std::string& query, const std::string& name) {
    std::string last;
    for (const auto& [pairName, value] : queryPairs(query)) {
        if (pairName == name) {
            last = value;
        }
    }
    return last;
}

bool profileAsked(const std::string& query) {
    return queryValue(query, "profile") == "1";
}

} // namespace tessivo
