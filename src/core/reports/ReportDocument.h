#pragma once
// The report engine: a document the reports are composed into. It lays paragraphs and tables
// out on pages of the size it is given (Letter until told otherwise), breaks pages itself, adds the
// page header and footer, and keeps every finished page as a list of drawing items (ReportPage) for
// the preview, the printer and PDF files.
//
// While composing, the document tells a listener about its pages and table cells:
// - NewPage at the start of every page, page 1 included (page 1 starts in StartDoc). The
//   handler may print paragraphs and add tables: they go onto the new page, before the text
//   that did not fit on the page before. A page is never broken while the handler runs.
// - NewTableCell(row, col, text) before each table cell is laid out. Font changes made there
//   apply to that cell only; every cell starts from the font in force when the table began.
//   Rows are numbered from 1 within one table; a heading row counts as row 1. Columns are
//   numbered from 1.
// - EndPage when a page is finished, before its header and footer are drawn.
// The header, footer and page border in force when a page ends are the ones drawn on it.
//
// Table text: cells are separated by "|", rows by "¨" (U+00A8); a row separator at the end
// of the text ends the last row. A format gives each column an alignment, a width in twips and
// perhaps the "_" that keeps the column's cells on one line ("^_1440|>1800|>2160¨"); how the
// columns then share the room between the margins is TableColumns'. A one-line column is
// measured in the table's font made bold, the widest any of its cells is drawn here. Tables
// with the same format share their columns, so that a table continued on the next page, its
// repeated heading row and a totals table below it line up: the columns settle with the first
// table and change only for a later table whose one-line texts need more. A cell's text is
// aligned inside a padding of kCellPaddingX on either side; text wider than that room is
// centred in the column.
//
// No text is ever drawn outside its cell, its page part or the margins: a line too wide for its
// room wraps at blanks, a word too wide for it is broken (after a comma when one lets it fit),
// and what cannot be placed at all is cut. A cell of a table with every rule keeps clear of the
// rules. So a cell stays on one line exactly when its text fits.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/printing/PageSetup.h"
#include "core/reports/ReportPage.h"
#include "core/reports/TableColumns.h"
#include "core/reports/TextMetrics.h"

namespace quorvia {

inline constexpr std::string_view kRowSeparator = "\xC2\xA8";  // ¨
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// A page header or footer: a left, a centre and a right part, each possibly several lines
// separated by CR LF. "%d" becomes the page number and "%%" a single "%".
struct ThreePartText {
    std::string left;
    std::string centre;
    std::string right;

    // Parts separated by "|": "left|centre|right"; parts past the third are ignored.
    static ThreePartText Parse(std::string_view text);
    // Text to stand in a part as it is, whatever it holds.
    static std::string Literal(std::string_view text);
};

class ReportEvents {
  public:
    virtual ~ReportEvents() = default;
    virtual void NewPage() {}
    virtual void NewTableCell(int /*row*/, int /*col*/, std::string_view /*text*/) {}
    virtual void EndPage() {}
};

enum class TextAlign { LeftTop, Centre };

// Page border: which rules frame the body of every page.
inline constexpr int kPageBorderNone = 0;
inline constexpr int kPageBorderAboveFooter = 1;
inline constexpr int kPageBorderBelowHeader = 2;
inline constexpr int kPageBorderBoth = 3;

// Table border: no rules, a rule above and below the table, or every rule (box, columns,
// rows). Other values draw no rules.
inline constexpr int kTableBorderNone = 0;
inline constexpr int kTableBorderAboveBelow = 3;
inline constexpr int kTableBorderAll = 7;

class ReportDocument {
  public:
    static constexpr int kRuleWidth = 15;
    static constexpr int kCellPaddingX = 60;
    static constexpr int kCellPaddingY = 30;
    // Between the header's last line and the top margin, and between the bottom margin and
    // the footer's first line; the page-border rules sit halfway.
    static constexpr int kHeaderGap = 120;
    // The least room between two parts of a header or footer.
    static constexpr int kPartGap = 120;

    explicit ReportDocument(TextMetrics& metrics);
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    void SetEvents(ReportEvents* events);

    // Throws away the pages of the last document and starts page 1.
    void StartDoc();
    // Finishes the last page. The page shown is kept when it still exists, else page 1.
    void EndDoc();
    bool Composing() const { return composing_; }

    void SetDocumentName(std::string name) { documentName_ = std::move(name); }
    const std::string& DocumentName() const { return documentName_; }

    const std::string& FontName() const { return font_.name; }
    double FontSize() const { return font_.size; }
    bool FontBold() const { return font_.bold; }
    bool FontUnderline() const { return font_.underline; }
    void SetFontName(std::string_view name);
    void SetFontSize(double points);
    void SetFontBold(bool bold);
    void SetFontUnderline(bool underline);

    // The page every page is laid out on, in twips; set before StartDoc.
    void SetPageSize(PageSize size) { pageSize_ = size; }
    int PageWidth() const { return pageSize_.width; }
    int PageHeight() const { return pageSize_.height; }

    void SetTextAlign(TextAlign align) { align_ = align; }
    void SetMarginLeft(int twips) { marginLeft_ = twips; }
    void SetMarginTop(int twips) { marginTop_ = twips; }
    void SetMarginRight(int twips) { marginRight_ = twips; }
    void SetMarginBottom(int twips) { marginBottom_ = twips; }
    void SetPageBorder(int border) { pageBorder_ = border; }
    void SetTableBorder(int border) { tableBorder_ = border; }

    // Header and footer are drawn in the header font, in the margins. Their parts share the
    // width between the margins: when they would come closer than kPartGap, the longer parts
    // wrap (the header growing upwards, the footer downwards); lines that would leave the
    // page are cut.
    void SetHeader(std::string_view text) { header_ = ThreePartText::Parse(text); }
    void SetHeader(ThreePartText parts) { header_ = std::move(parts); }
    void SetFooter(std::string_view text) { footer_ = ThreePartText::Parse(text); }
    void SetFooter(ThreePartText parts) { footer_ = std::move(parts); }
    void SetHeaderFontName(std::string_view name) { headerFont_.name = name; }
    void SetHeaderFontSize(double points) { headerFont_.size = points; }
    void SetHeaderFontBold(bool bold) { headerFont_.bold = bold; }
    void SetHeaderFontItalic(bool italic) { headerFont_.italic = italic; }

    // Prints a paragraph at the current position: lines split at CR LF, each wrapped inside
    // the margins and aligned as the text alignment says. A trailing line break adds no line.
    void Print(std::string text);
    void AddTable(std::string format, std::string heading, std::string body, uint32_t headingShade,
                  uint32_t bodyShade);
    // Widens the one-line columns of `format` for rows that a later table will hold, measured
    // in the current font made bold, so that every table of the format lines up with them.
    void ReserveColumns(std::string_view format, std::string_view rows);

    // Pages started so far; while composing, the page being filled is the last.
    int PageCount() const { return static_cast<int>(pages_.size()); }
    const std::vector<ReportPage>& Pages() const { return pages_; }
    const ReportPage& Page(int number) const { return pages_.at(number - 1); }
    const ReportFont& Font(FontId id) const { return fonts_.at(id).font; }

    // The page the preview shows, 1 to the page count.
    int PreviewPage() const { return previewPage_; }
    void SetPreviewPage(int number);

  private:
    struct FontEntry {
        ReportFont font;
        double lineHeight;
        double ascent;
    };
    struct Column {
        int left;
        int width;
        char align;
    };
    // The columns the tables of one format share: the widest one-line texts seen so far and
    // the widths they settled on across `room`.
    struct SharedColumns {
        std::vector<ColumnFormat> formats;
        std::vector<int> needs;
        std::vector<int> widths;
        int room = 0;
        // Whether any column keeps to one line: only then are texts measured.
        bool measured = false;
    };
    struct TableSegment {
        int top = 0;
        bool hasRows = false;
    };
    struct TableLayout;
    // One laid-out line of text and its measured width.
    struct Line {
        std::string_view text;
        int width;
    };

    FontId CurrentFont();
    FontId Intern(const ReportFont& font);
    void FontChanged() { currentValid_ = false; }

    int Top();
    bool NeedsBreak(double height) const;
    void BreakPage();
    void OpenPage();
    void FinishPage();
    void DrawDecorations(ReportPage& page, int number);
    struct PartLines;
    void LayoutThreeParts(const ThreePartText& text, int number, int maxLines, PartLines& out);
    void DrawThreeParts(ReportPage& page, const PartLines& parts, int top);

    int Measure(const ReportFont& font, std::string_view text);
    void Wrap(std::string_view line, const ReportFont& font, double maxWidth,
              std::vector<Line>& out);
    std::size_t FittingPrefix(std::string_view word, const ReportFont& font, double maxWidth);
    void Place(std::string_view text, FontId font, int x, int baseline, int width);

    int RoomAcross() const { return pageSize_.width - marginLeft_ - marginRight_; }
    SharedColumns& Share(std::string_view format);
    bool MeasureOneLine(SharedColumns& shared, const ReportFont& font, std::string_view rows);
    std::vector<Column> ColumnsFor(std::string_view format, std::string_view heading,
                                   std::string_view body);
    void LayoutRow(TableLayout& table, std::string_view row, int number, uint32_t shade);
    void CloseSegment(TableLayout& table);

    TextMetrics& metrics_;
    ReportEvents* events_;
    std::string documentName_;
    std::vector<ReportPage> pages_;
    std::vector<FontEntry> fonts_;
    std::map<std::string, SharedColumns, std::less<>> sharedColumns_;
    PageSize pageSize_ = PageSizeOf(kPaperLetter, kOrientPortrait);
    bool composing_ = false;
    int previewPage_ = 1;

    ReportFont font_;
    FontId currentFont_ = 0;
    bool currentValid_ = false;
    ReportFont headerFont_{"Times New Roman", 8, true, false, false};
    TextAlign align_ = TextAlign::LeftTop;
    int marginLeft_ = 1440;
    int marginTop_ = 1440;
    int marginRight_ = 1440;
    int marginBottom_ = 1440;
    int pageBorder_ = kPageBorderNone;
    int tableBorder_ = kTableBorderNone;
    ThreePartText header_;
    ThreePartText footer_;

    // Layout position on the last page; at the top of a page it follows the top margin
    // until something is laid out there.
    double y_ = 0;
    bool atPageTop_ = true;
    bool inNewPage_ = false;
    // Whether anything but the NewPage handler's output is on the last page.
    bool pageHasBody_ = false;
};

}  // namespace quorvia
