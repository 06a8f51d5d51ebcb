#include "core/reports/TextMetrics.h"

namespace quorvia {

double FixedTextMetrics::Width(const ReportFont& font, std::string_view text) {
    return static_cast<double>(CharacterCount(text)) * font.size * 20 * 0.5;
}

std::size_t FixedTextMetrics::CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        // Continuation bytes of a UTF-8 sequence are 10xxxxxx.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace quorvia
