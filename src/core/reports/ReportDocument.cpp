#include "core/reports/ReportDocument.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvia {

namespace {

ReportEvents& NoEvents() {
    static ReportEvents none;
    return none;
}

int Twips(double value) {
    return static_cast<int>(std::lround(value));
}

// Splits text into lines at CR LF (a lone CR or LF also ends a line). Empty text is one empty
// line; a line break at the very end adds none.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            if (start < text.size() || start == 0) {
                visit(text.substr(start));
            }
            return;
        }
        visit(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        if (start == text.size()) {
            return;
        }
    }
}

// Visits the parts of text separated by `separator`; a separator at the very end ends the
// last part without starting another.
template <typename Visit>
void ForEachPart(std::string_view text, std::string_view separator, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + separator.size();
    }
}

// Blanks and no-break spaces only: nothing to draw.
bool IsBlankText(std::string_view text) {
    while (!text.empty()) {
        if (text.front() == ' ') {
            text.remove_prefix(1);
        } else if (text.substr(0, kNoBreakSpace.size()) == kNoBreakSpace) {
            text.remove_prefix(kNoBreakSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string WithPageNumber(std::string_view text, int number) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next == 'd') {
            out += std::to_string(number);
            ++i;
        } else if (text[i] == '%' && next == '%') {
            out += '%';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// How wide each part of a header or footer may be across `width`, from the width each needs.
// Parts that fit side by side kPartGap apart keep what they need; otherwise a part that needs
// no more than its fair share keeps it and the others share the rest. The centre part stays
// centred, so both side parts end where it begins.
std::array<double, 3> PartRooms(const std::array<double, 3>& need, double width) {
    const double gap = ReportDocument::kPartGap;
    const double left = need[0];
    const double centre = need[1];
    const double right = need[2];
    if (centre == 0) {
        if (left == 0 || right == 0 || left + gap + right <= width) {
            return {width - (right > 0 ? right + gap : 0), 0, width - (left > 0 ? left + gap : 0)};
        }
        const double share = (width - gap) / 2;
        if (right <= share) {
            return {width - gap - right, 0, right};
        }
        if (left <= share) {
            return {left, 0, width - gap - left};
        }
        return {share, 0, share};
    }
    if (left == 0 && right == 0) {
        return {0, width, 0};
    }
    const double half = width / 2;
    const double side = std::max(left, right);
    const double quarter = (half - gap) / 2;
    double centreHalf = centre / 2;
    if (side + gap + centreHalf > half && centreHalf > quarter) {
        centreHalf = side <= quarter ? half - gap - side : quarter;
    }
    const double sideRoom = half - gap - centreHalf;
    return {sideRoom, 2 * centreHalf, sideRoom};
}

// Positions where a UTF-8 character starts, and the end of the text.
std::vector<std::size_t> CharacterBounds(std::string_view text) {
    std::vector<std::size_t> bounds;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            bounds.push_back(i);
        }
    }
    bounds.push_back(text.size());
    return bounds;
}

}  // namespace

ThreePartText ThreePartText::Parse(std::string_view text) {
    ThreePartText parts;
    std::string* slots[] = {&parts.left, &parts.centre, &parts.right};
    std::size_t next = 0;
    ForEachPart(text, "|", [&](std::string_view part) {
        if (next < 3) {
            *slots[next++] = part;
        }
    });
    return parts;
}

std::string ThreePartText::Literal(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '%') {
            out += '%';
        }
    }
    return out;
}

// The lines of a header or footer, each part wrapped into its room.
struct ReportDocument::PartLines {
    std::array<std::string, 3> texts;
    std::array<std::vector<Line>, 3> lines;
    std::size_t count = 0;  // the most lines of any part
};

// The state of one table call, kept on the stack so that a table added from the NewPage
// handler in the middle of another table lays out independently.
struct ReportDocument::TableLayout {
    std::vector<Column> columns;
    int border = kTableBorderNone;
    ReportFont baseFont;
    FontId baseFontId = 0;
    TableSegment segment;
    // Per row, reused: each cell's text, font, and its wrapped lines.
    std::vector<std::string_view> cells;
    std::vector<FontId> cellFonts;
    std::vector<std::vector<Line>> cellLines;
};

ReportDocument::ReportDocument(TextMetrics& metrics) : metrics_(metrics), events_(&NoEvents()) {}

void ReportDocument::SetEvents(ReportEvents* events) {
    events_ = events != nullptr ? events : &NoEvents();
}

void ReportDocument::StartDoc() {
    pages_.clear();
    fonts_.clear();
    sharedColumns_.clear();
    currentValid_ = false;
    composing_ = true;
    OpenPage();
}

void ReportDocument::EndDoc() {
    if (!composing_) {
        return;
    }
    FinishPage();
    composing_ = false;
    if (previewPage_ < 1 || previewPage_ > PageCount()) {
        previewPage_ = 1;
    }
}

void ReportDocument::SetPreviewPage(int number) {
    previewPage_ = std::clamp(number, 1, std::max(1, PageCount()));
}

void ReportDocument::SetFontName(std::string_view name) {
    font_.name = name;
    FontChanged();
}

void ReportDocument::SetFontSize(double points) {
    font_.size = points;
    FontChanged();
}

void ReportDocument::SetFontBold(bool bold) {
    font_.bold = bold;
    FontChanged();
}

void ReportDocument::SetFontUnderline(bool underline) {
    font_.underline = underline;
    FontChanged();
}

FontId ReportDocument::CurrentFont() {
    if (!currentValid_) {
        currentFont_ = Intern(font_);
        currentValid_ = true;
    }
    return currentFont_;
}

FontId ReportDocument::Intern(const ReportFont& font) {
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].font == font) {
            return static_cast<FontId>(i);
        }
    }
    fonts_.push_back({font, metrics_.LineHeight(font), metrics_.Ascent(font)});
    return static_cast<FontId>(fonts_.size() - 1);
}

int ReportDocument::Top() {
    if (atPageTop_) {
        y_ = marginTop_;
        atPageTop_ = false;
    }
    return Twips(y_);
}

bool ReportDocument::NeedsBreak(double height) const {
    if (inNewPage_ || !pageHasBody_) {
        return false;
    }
    double top = atPageTop_ ? marginTop_ : y_;
    return top + height > pageSize_.height - marginBottom_;
}

void ReportDocument::BreakPage() {
    FinishPage();
    OpenPage();
}

void ReportDocument::OpenPage() {
    pages_.emplace_back();
    atPageTop_ = true;
    pageHasBody_ = false;
    inNewPage_ = true;
    events_->NewPage();
    inNewPage_ = false;
}

void ReportDocument::FinishPage() {
    events_->EndPage();
    DrawDecorations(pages_.back(), PageCount());
}

void ReportDocument::DrawDecorations(ReportPage& page, int number) {
    const int left = marginLeft_;
    const int right = pageSize_.width - marginRight_;
    const double lineHeight = fonts_[Intern(headerFont_)].lineHeight;
    auto linesWithin = [&](int room) {
        return static_cast<int>(std::max(0.0, std::floor((room - kHeaderGap) / lineHeight)));
    };

    PartLines header;
    LayoutThreeParts(header_, number, linesWithin(marginTop_), header);
    DrawThreeParts(page, header,
                   Twips(marginTop_ - kHeaderGap - static_cast<double>(header.count) * lineHeight));
    PartLines footer;
    LayoutThreeParts(footer_, number, linesWithin(marginBottom_), footer);
    DrawThreeParts(page, footer, pageSize_.height - marginBottom_ + kHeaderGap);

    if (pageBorder_ == kPageBorderBelowHeader || pageBorder_ == kPageBorderBoth) {
        int y = marginTop_ - kHeaderGap / 2;
        page.rules.push_back({left, y, right, y, kRuleWidth});
    }
    if (pageBorder_ == kPageBorderAboveFooter || pageBorder_ == kPageBorderBoth) {
        int y = pageSize_.height - marginBottom_ + kHeaderGap / 2;
        page.rules.push_back({left, y, right, y, kRuleWidth});
    }
}

void ReportDocument::LayoutThreeParts(const ThreePartText& text, int number, int maxLines,
                                      PartLines& out) {
    const FontEntry entry = fonts_[Intern(headerFont_)];
    const std::string_view parts[] = {text.left, text.centre, text.right};
    std::array<double, 3> need{};
    for (std::size_t p = 0; p < 3; ++p) {
        out.texts[p] = WithPageNumber(parts[p], number);
        ForEachLine(out.texts[p], [&](std::string_view line) {
            need[p] = std::max<double>(need[p], Measure(entry.font, line));
        });
    }
    const std::array<double, 3> rooms = PartRooms(need, RoomAcross());
    for (std::size_t p = 0; p < 3; ++p) {
        std::vector<Line>& lines = out.lines[p];
        ForEachLine(out.texts[p],
                    [&](std::string_view line) { Wrap(line, entry.font, rooms[p], lines); });
        if (lines.size() > static_cast<std::size_t>(maxLines)) {
            lines.resize(static_cast<std::size_t>(maxLines));
        }
        out.count = std::max(out.count, lines.size());
    }
}

void ReportDocument::DrawThreeParts(ReportPage& page, const PartLines& parts, int top) {
    const FontId font = Intern(headerFont_);
    const FontEntry& entry = fonts_[font];
    const int left = marginLeft_;
    const int width = RoomAcross();
    for (std::size_t part = 0; part < 3; ++part) {
        double lineTop = top;
        for (const Line& line : parts.lines[part]) {
            if (!IsBlankText(line.text)) {
                int x = part == 0   ? left
                        : part == 1 ? left + (width - line.width) / 2
                                    : left + width - line.width;
                page.texts.push_back(
                    {std::string(line.text), font, x, Twips(lineTop + entry.ascent), line.width});
            }
            lineTop += entry.lineHeight;
        }
    }
}

int ReportDocument::Measure(const ReportFont& font, std::string_view text) {
    return IsBlankText(text) ? 0 : Twips(metrics_.Width(font, text));
}

void ReportDocument::Wrap(std::string_view line, const ReportFont& font, double maxWidth,
                          std::vector<Line>& out) {
    while (true) {
        int width = Measure(font, line);
        if (width <= maxWidth) {
            out.push_back({line, width});
            return;
        }
        // The longest run of whole words that fits, else as much of the first word as fits.
        std::size_t cut = std::string_view::npos;
        for (std::size_t blank = line.find(' ', 1); blank != std::string_view::npos;
             blank = line.find(' ', blank + 1)) {
            if (Measure(font, line.substr(0, blank)) > maxWidth) {
                break;
            }
            cut = blank;
        }
        if (cut == std::string_view::npos) {
            std::size_t wordEnd = line.find(' ', line.find_first_not_of(' '));
            cut = FittingPrefix(line.substr(0, wordEnd), font, maxWidth);
            if (cut == 0) {
                return;  // not one character fits: the rest is cut
            }
        }
        std::string_view piece = TrimBlanks(line.substr(0, cut));
        out.push_back({piece, Measure(font, piece)});
        line = TrimBlanks(line.substr(cut));
        if (line.empty()) {
            return;
        }
    }
}

std::size_t ReportDocument::FittingPrefix(std::string_view word, const ReportFont& font,
                                          double maxWidth) {
    const std::vector<std::size_t> bounds = CharacterBounds(word);
    // The most characters that fit, found by halving.
    std::size_t fitting = 0;
    std::size_t low = 0;
    std::size_t high = bounds.size();
    while (low < high) {
        std::size_t mid = (low + high) / 2;
        if (Measure(font, word.substr(0, bounds[mid])) <= maxWidth) {
            fitting = bounds[mid];
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    // An amount or a date reads better broken after a separator.
    std::size_t separator = word.substr(0, fitting).find_last_of(",/-");
    if (separator != std::string_view::npos && separator > 0) {
        return separator + 1;
    }
    return fitting;
}

void ReportDocument::Place(std::string_view text, FontId font, int x, int baseline, int width) {
    if (!IsBlankText(text)) {
        pages_.back().texts.push_back({std::string(text), font, x, baseline, width});
    }
    if (!inNewPage_) {
        pageHasBody_ = true;
    }
}

void ReportDocument::Print(std::string text) {
    if (!composing_) {
        return;
    }
    const FontId font = CurrentFont();
    const FontEntry entry = fonts_[font];
    const int left = marginLeft_;
    const int width = RoomAcross();
    std::vector<Line> wrapped;
    ForEachLine(text, [&](std::string_view line) {
        wrapped.clear();
        Wrap(line, entry.font, width, wrapped);
        for (const Line& piece : wrapped) {
            if (NeedsBreak(entry.lineHeight)) {
                BreakPage();
            }
            int top = Top();
            int x = align_ == TextAlign::Centre ? left + (width - piece.width) / 2 : left;
            Place(piece.text, font, x, Twips(top + entry.ascent), piece.width);
            y_ = top + entry.lineHeight;
        }
    });
}

ReportDocument::SharedColumns& ReportDocument::Share(std::string_view format) {
    auto found = sharedColumns_.find(format);
    if (found == sharedColumns_.end()) {
        SharedColumns shared;
        shared.formats = ParseTableFormat(format);
        shared.needs.assign(shared.formats.size(), 0);
        shared.measured = std::any_of(shared.formats.begin(), shared.formats.end(),
                                      [](const ColumnFormat& column) { return column.oneLine; });
        found = sharedColumns_.emplace(std::string(format), std::move(shared)).first;
    }
    return found->second;
}

// Adds the widths the one-line cells of `rows` need; true when a column needs more than before.
bool ReportDocument::MeasureOneLine(SharedColumns& shared, const ReportFont& font,
                                    std::string_view rows) {
    if (!shared.measured) {
        return false;
    }
    ReportFont widest = font;
    widest.bold = true;
    bool grew = false;
    ForEachPart(rows, kRowSeparator, [&](std::string_view row) {
        std::size_t c = 0;
        ForEachPart(row, "|", [&](std::string_view cell) {
            if (c < shared.formats.size() && shared.formats[c].oneLine) {
                int need = Measure(widest, cell) + 2 * kCellPaddingX;
                if (need > shared.needs[c]) {
                    shared.needs[c] = need;
                    grew = true;
                }
            }
            ++c;
        });
    });
    return grew;
}

std::vector<ReportDocument::Column> ReportDocument::ColumnsFor(std::string_view format,
                                                               std::string_view heading,
                                                               std::string_view body) {
    SharedColumns& shared = Share(format);
    bool grew = MeasureOneLine(shared, font_, heading);
    grew = MeasureOneLine(shared, font_, body) || grew;
    if (grew || shared.widths.empty() || shared.room != RoomAcross()) {
        shared.room = RoomAcross();
        shared.widths = FitColumns(shared.formats, shared.needs, shared.room);
    }
    std::vector<Column> columns;
    int left = marginLeft_;
    for (std::size_t c = 0; c < shared.formats.size(); ++c) {
        columns.push_back({left, shared.widths[c], shared.formats[c].align});
        left += shared.widths[c];
    }
    return columns;
}

void ReportDocument::ReserveColumns(std::string_view format, std::string_view rows) {
    if (!composing_) {
        return;
    }
    SharedColumns& shared = Share(format);
    if (MeasureOneLine(shared, font_, rows)) {
        shared.widths.clear();
    }
}

void ReportDocument::AddTable(std::string format, std::string heading, std::string body,
                              uint32_t headingShade, uint32_t bodyShade) {
    if (!composing_) {
        return;
    }
    TableLayout table;
    table.columns = ColumnsFor(format, heading, body);
    if (table.columns.empty()) {
        return;
    }
    table.border = tableBorder_;
    table.baseFont = font_;
    table.baseFontId = CurrentFont();
    table.cellLines.resize(table.columns.size());
    int number = 0;
    ForEachPart(heading, kRowSeparator,
                [&](std::string_view row) { LayoutRow(table, row, ++number, headingShade); });
    ForEachPart(body, kRowSeparator,
                [&](std::string_view row) { LayoutRow(table, row, ++number, bodyShade); });
    CloseSegment(table);
}

void ReportDocument::LayoutRow(TableLayout& table, std::string_view row, int number,
                               uint32_t shade) {
    const std::size_t count = table.columns.size();
    table.cells.clear();
    ForEachPart(row, "|", [&](std::string_view cell) {
        if (table.cells.size() < count) {
            table.cells.push_back(cell);
        }
    });
    table.cells.resize(count);

    // Each cell's font as the handler leaves it, then back to the table's font.
    table.cellFonts.resize(count);
    double maxAscent = 0;
    for (std::size_t c = 0; c < count; ++c) {
        events_->NewTableCell(number, static_cast<int>(c + 1), table.cells[c]);
        table.cellFonts[c] = CurrentFont();
        if (!(font_ == table.baseFont)) {
            font_ = table.baseFont;
        }
        currentFont_ = table.baseFontId;
        currentValid_ = true;
        maxAscent = std::max(maxAscent, fonts_[table.cellFonts[c]].ascent);
    }

    double height = 0;
    for (std::size_t c = 0; c < count; ++c) {
        const FontEntry& entry = fonts_[table.cellFonts[c]];
        std::vector<Line>& lines = table.cellLines[c];
        lines.clear();
        // Clear of the column rules, which stand half their width into the cell.
        const int clearance = table.border == kTableBorderAll ? (kRuleWidth + 1) / 2 : 0;
        Wrap(table.cells[c], entry.font, table.columns[c].width - 2 * clearance, lines);
        height = std::max(height, maxAscent - entry.ascent +
                                      static_cast<double>(lines.size()) * entry.lineHeight);
    }
    height += 2 * kCellPaddingY;

    if (NeedsBreak(height)) {
        CloseSegment(table);
        BreakPage();
    }
    const int top = Top();
    const Column& first = table.columns.front();
    const Column& last = table.columns.back();
    const int tableRight = last.left + last.width;
    if (!table.segment.hasRows) {
        table.segment = {top, true};
    } else if (table.border == kTableBorderAll) {
        pages_.back().rules.push_back({first.left, top, tableRight, top, kRuleWidth});
    }
    if (shade != 0) {
        pages_.back().shades.push_back(
            {first.left, top, tableRight - first.left, Twips(height), shade});
    }
    const double baseline = top + kCellPaddingY + maxAscent;
    for (std::size_t c = 0; c < count; ++c) {
        const FontId font = table.cellFonts[c];
        const FontEntry& entry = fonts_[font];
        const Column& column = table.columns[c];
        const int inner = column.width - 2 * kCellPaddingX;
        double lineBaseline = baseline;
        for (const Line& line : table.cellLines[c]) {
            const int lineWidth = line.width;
            // A line that fits the column but not inside its padding is centred in it.
            int x = column.left + kCellPaddingX;
            if (lineWidth > inner || column.align == '^') {
                x = column.left + (column.width - lineWidth) / 2;
            } else if (column.align == '>') {
                x += inner - lineWidth;
            }
            Place(line.text, font, x, Twips(lineBaseline), lineWidth);
            lineBaseline += entry.lineHeight;
        }
    }
    y_ = top + height;
    if (!inNewPage_) {
        pageHasBody_ = true;
    }
}

void ReportDocument::CloseSegment(TableLayout& table) {
    if (!table.segment.hasRows) {
        return;
    }
    const int top = table.segment.top;
    const int bottom = Twips(y_);
    const int left = table.columns.front().left;
    const int right = table.columns.back().left + table.columns.back().width;
    std::vector<RuleItem>& rules = pages_.back().rules;
    if (table.border == kTableBorderAboveBelow || table.border == kTableBorderAll) {
        rules.push_back({left, top, right, top, kRuleWidth});
        rules.push_back({left, bottom, right, bottom, kRuleWidth});
    }
    if (table.border == kTableBorderAll) {
        for (const Column& column : table.columns) {
            rules.push_back({column.left, top, column.left, bottom, kRuleWidth});
        }
        rules.push_back({right, top, right, bottom, kRuleWidth});
    }
    table.segment = {};
}

}  // namespace quorvia
