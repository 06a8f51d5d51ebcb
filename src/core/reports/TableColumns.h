#pragma once
// The columns of a report table: what its format asks for and the widths they take on a page.
//
// A format gives each column an alignment ("<" left, "^" centre, ">" right), a width in twips
// and, with "_", the wish to keep every cell of the column on one line: "^_1440|>1800¨". The
// format's widths stand while the table fits the room across the page. A one-line column
// whose widest text needs more grows to that width; when the table then passes the room, the
// one-line columns give back what their own texts leave free, and only when that is not
// enough does every column shrink, each by the same share of its width (and text wraps).

#include <string_view>
#include <vector>

namespace quorvia {

struct ColumnFormat {
    char align = '<';
    int width = 0;
    bool oneLine = false;
};

// The columns of a format's first row; other characters are ignored.
std::vector<ColumnFormat> ParseTableFormat(std::string_view format);

// The width of each column within `room`. `needs` holds, for each one-line column, the width
// its widest text takes with the cell padding; other columns' needs are not read.
std::vector<int> FitColumns(const std::vector<ColumnFormat>& columns, const std::vector<int>& needs,
                            int room);

}  // namespace quorvia
