#include "core/base/Text.h"

#include <cctype>

namespace quorvia {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        auto byte = static_cast<unsigned char>(upper[i]);
        if (byte < 0x80) {
            upper[i] = AsciiUpper(upper[i]);
            continue;
        }
        // U+00E0..U+00FE (except U+00F7, the division sign) are the lower-case twins of
        // U+00C0..U+00DE: in UTF-8 both start with 0xC3 and differ by 0x20 in the second byte.
        if (byte == 0xC3 && i + 1 < upper.size()) {
            auto second = static_cast<unsigned char>(upper[i + 1]);
            if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
                upper[i + 1] = static_cast<char>(second - 0x20);
            }
            ++i;
        }
    }
    return upper;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string NumberedCaption(int number, std::string_view text) {
    std::string caption = (number >= 1 && number <= 9 ? "&" : "") + std::to_string(number) + " ";
    for (char c : text) {
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    }
    return caption;
}

}  // namespace quorvia
