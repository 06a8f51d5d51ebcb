#include "core/reports/TableColumns.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace quorvia {

namespace {

constexpr std::string_view kFormatRowEnd = "\xC2\xA8";  // ¨
// Far wider than any paper: a longer run of digits adds nothing.
constexpr int kWidestColumn = 1'000'000;

// Takes up to `amount` twips from the columns, from each in proportion to what it may give;
// returns what could not be taken.
int Take(std::vector<int>& widths, const std::vector<int>& mayGive, int amount) {
    const int64_t offered = std::accumulate(mayGive.begin(), mayGive.end(), int64_t{0});
    if (offered <= 0 || amount <= 0) {
        return amount;
    }
    const int taken = static_cast<int>(std::min<int64_t>(amount, offered));
    int left = taken;
    std::vector<int> given(widths.size());
    for (std::size_t i = 0; i < widths.size(); ++i) {
        given[i] = static_cast<int>(int64_t{taken} * mayGive[i] / offered);
        left -= given[i];
    }
    // The twips the division left over, one each from the first columns that can spare one.
    for (std::size_t i = 0; left > 0 && i < widths.size(); ++i) {
        if (given[i] < mayGive[i]) {
            ++given[i];
            --left;
        }
    }
    for (std::size_t i = 0; i < widths.size(); ++i) {
        widths[i] -= given[i];
    }
    return amount - taken;
}

}  // namespace

std::vector<ColumnFormat> ParseTableFormat(std::string_view format) {
    format = format.substr(0, format.find(kFormatRowEnd));
    std::vector<ColumnFormat> columns;
    if (format.empty()) {
        return columns;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = format.find('|', start);
        ColumnFormat column;
        for (char c : format.substr(start, end == std::string_view::npos ? end : end - start)) {
            if (c == '<' || c == '^' || c == '>') {
                column.align = c;
            } else if (c == '_') {
                column.oneLine = true;
            } else if (c >= '0' && c <= '9') {
                column.width = std::min(column.width * 10 + (c - '0'), kWidestColumn);
            }
        }
        columns.push_back(column);
        if (end == std::string_view::npos) {
            return columns;
        }
        start = end + 1;
    }
}

std::vector<int> FitColumns(const std::vector<ColumnFormat>& columns, const std::vector<int>& needs,
                            int room) {
    const std::size_t count = columns.size();
    std::vector<int> widths(count);
    std::vector<int> spare(count);
    for (std::size_t i = 0; i < count; ++i) {
        widths[i] = columns[i].width;
        if (columns[i].oneLine) {
            widths[i] = std::max(widths[i], needs[i]);
            spare[i] = widths[i] - needs[i];
        }
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    int over = Take(widths, spare, total - std::max(room, 0));
    if (over > 0) {
        // Where the texts cannot all keep one line, the columns that grew past their format's
        // width give that back first: a label wraps before amounts are pressed together.
        std::vector<int> grown(count);
        for (std::size_t i = 0; i < count; ++i) {
            grown[i] = std::max(widths[i] - columns[i].width, 0);
        }
        over = Take(widths, grown, over);
    }
    if (over > 0) {
        const std::vector<int> all = widths;
        Take(widths, all, over);
    }
    return widths;
}

}  // namespace quorvia
