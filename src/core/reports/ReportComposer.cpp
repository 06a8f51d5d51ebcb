#include "core/reports/ReportComposer.h"

#include <algorithm>

#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr std::string_view kDetailFormat = "^1800|>1800|>1800|>1800|>2160\xC2\xA8";
constexpr std::string_view kSummaryFormat = "^_1440|>_1800|>_1800|>_1800|>_1800\xC2\xA8";
constexpr std::string_view kDetailHeading =
    "Pymt Due Date|Payment|Interest|Principal|Balance\xC2\xA8";
constexpr std::string_view kSummaryHeading =
    "Payment Year|Total Payments|Interest Paid|Principal Paid|Balance Remaining\xC2\xA8";
constexpr std::string_view kDefaultTitle = "AMORTIZATION SCHEDULE";
constexpr std::string_view kSummaryLine = "S  u  m  m  a  r  y      R  e  p  o  r  t";
constexpr uint32_t kHeadingGrey = Rgb(192, 192, 192);
constexpr int kOneInch = 1440;

bool IsHeadingText(std::string_view text) {
    static constexpr std::string_view kHeadings[] = {
        "Pymt Due Date", "Pymt Due",       "Payment",          "Interest",
        "Principal",     "Balance",        "Payment Year",     "Total Payments",
        "Interest Paid", "Principal Paid", "Balance Remaining"};
    return std::find(std::begin(kHeadings), std::end(kHeadings), text) != std::end(kHeadings);
}

void TrimFields(WorkRecord& record) {
    for (std::string& field : record) {
        field = Trim(field);
    }
}

void AppendRow(std::string& body, const WorkRecord& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            body += '|';
        }
        body += fields[i];
    }
    body += kRowSeparator;
}

void AppendBlankRow(std::string& body) {
    const std::string blank(kNoBreakSpace);
    AppendRow(body, {blank, blank, blank, blank, blank});
}

std::string Money(int64_t cents) {
    return FormatNumber(static_cast<double>(cents) / 100, "###,###,##0.00");
}

}  // namespace

// What tells the two reports apart: the table's shape and what each makes of the title block,
// a payment row, a year's end and the totals.
struct ReportComposer::Layout {
    std::string_view tableFormat;
    std::string_view tableHeader;
    bool summary;
    bool (ReportComposer::*titleBlock)(WorkFileReader&);
    void (ReportComposer::*paymentRow)(const WorkFileRecord&);
    bool (ReportComposer::*yearEnd)(WorkFileReader&);
    bool (ReportComposer::*totals)(WorkFileReader&);
};

ReportComposer::ReportComposer(AppState& state, Ui& ui, PrinterService& printers,
                               ReportDocument& document)
    : state_(state), ui_(ui), printers_(printers), doc_(document) {
    doc_.SetEvents(this);
}

ReportComposer::~ReportComposer() {
    doc_.SetEvents(nullptr);
}

void ReportComposer::ComposeReport() {
    doc_.SetPageSize(PageSizeOf(state_.PrintPaperSize, state_.PrintOrientation));
    doc_.SetPageBorder(kPageBorderNone);
    doc_.SetHeader("||");
    doc_.StartDoc();
    doc_.SetDocumentName(std::string(kDocumentName));
    if (ReportKind == kSummaryOnly) {
        ComposeSummary();
    } else {
        ComposeDetailReport();
    }
    doc_.EndDoc();
}

bool ReportComposer::BeginComposition(const Layout& layout, WorkFileReader& reader) {
    progressCounter_ = 0;
    progressStep_ = RowCount > 0 ? 100.0f / RowCount : 0.0f;
    CorrectFontSettings();
    TableFormat = layout.tableFormat;
    SetUpDocument(layout);
    SetUpFooter();
    TableHeader = layout.tableHeader;
    HeaderShade = !layout.summary && ReportKind == kFancyGrid ? kHeadingGrey : 0;
    firstTablePending_ = true;
    reportBody_.clear();
    std::fill(std::begin(yearSums_), std::end(yearSums_), 0);
    yearBalance_.clear();
    ProbePrinter(layout);
    if (reader.Open(state_.WorkFilePath())) {
        Failed = true;
        return false;
    }
    return true;
}

void ReportComposer::CorrectFontSettings() {
    if (state_.ReportFontName.empty()) {
        state_.ReportFontName = "Times New Roman";
    }
    if (state_.ReportFontStyle.empty()) {
        state_.ReportFontStyle = "Normal";
    }
    if (state_.ReportFontSize < 8) {
        state_.ReportFontSize = 12;
    }
}

void ReportComposer::SetUpDocument(const Layout& layout) {
    doc_.SetPageBorder(kPageBorderNone);
    doc_.SetFontName(state_.ReportFontName);
    doc_.SetFontSize(state_.ReportFontSize);
    doc_.SetFontBold(StyleBold());
    doc_.SetTextAlign(TextAlign::LeftTop);
    doc_.SetMarginLeft(kOneInch);
    doc_.SetMarginTop(kOneInch);
    doc_.SetMarginRight(kOneInch);
    doc_.SetMarginBottom(kOneInch);
    doc_.SetTableBorder(!layout.summary && ReportKind > kColumnarNoGrid ? kTableBorderAll
                                                                        : kTableBorderNone);
    doc_.SetHeaderFontName(doc_.FontName());
    doc_.SetHeaderFontSize(8);
    doc_.SetHeaderFontBold(true);
    doc_.SetHeaderFontItalic(false);
}

void ReportComposer::SetUpFooter() {
    std::string footer;
    if (state_.PrintCompanyFooter) {
        footer = Trim(state_.CompanyNames[0]);
        std::string address = Trim(state_.CompanyNames[1]);
        if (!address.empty()) {
            footer += ", " + address;
        }
        doc_.SetPageBorder(kPageBorderAboveFooter);
    }
    doc_.SetFooter(ThreePartText{"", ThreePartText::Literal(footer), ""});
}

void ReportComposer::ProbePrinter(const Layout& layout) {
    if (!printers_.CurrentPrinter()) {
        if (!ComposedOnce && !PrinterReady) {
            ui_.MsgBox({"Windows reports that no printer is attached to this system." +
                            std::string(CrLf) + std::string(CrLf) +
                            "The 'Print' and 'Fonts' buttons will be disabled for this report.",
                        "No Printer Available", MsgButtons::Ok, MsgIcon::Exclamation, 1});
        }
        PrintButtonEnabled = false;
        FontButtonEnabled = false;
        PrinterReady = false;
    } else {
        PrinterReady = true;
        if (!printers_.HasFont(state_.ReportFontName)) {
            ui_.Beep();
            std::string menu = layout.summary ? "File | Print Setup" : "File|Print Setup";
            ui_.MsgBox({"Default font not found for your printer!" + std::string(CrLf) +
                            "Please select the 'Fonts...' button to choose a new font to be "
                            "used with the current default printer " +
                            "or return to the Main Menu and select a different printer using "
                            "the " +
                            menu + " menu option.",
                        "DEFAULT FONT NOT FOUND", MsgButtons::Ok, MsgIcon::Exclamation, 1});
            if (state_.ReportFontSize < 8) {
                state_.ReportFontSize = 12;
            }
        }
    }
    ComposedOnce = true;
}

bool ReportComposer::Read(WorkFileReader& reader, WorkFileRecord& record) {
    if (reader.Read(record)) {
        Failed = true;
        return false;
    }
    return true;
}

bool ReportComposer::Read(WorkFileReader& reader, WorkRecord& fields) {
    WorkFileRecord record;
    if (!Read(reader, record)) {
        return false;
    }
    fields = std::move(record.fields);
    return true;
}

void ReportComposer::AdvanceProgress(const WorkRecord& row) {
    if (row[0].empty() || RowCount <= 0) {
        return;
    }
    progressCounter_ = std::min<int16_t>(static_cast<int16_t>(progressCounter_ + 1), RowCount);
    // Single precision steps can add up to a hair over 100 (45 steps of 100/45 do).
    float value = std::min(progressCounter_ * progressStep_, 100.0f);
    if (Progress) {
        Progress(value, FormatNumber(value, "##0\\%"));
    }
}

void ReportComposer::OutputTable() {
    doc_.AddTable(TableFormat, TableHeader, std::move(reportBody_), HeaderShade, 0);
    reportBody_.clear();
}

void ReportComposer::ComposeDetailReport() {
    Compose({kDetailFormat, kDetailHeading, false, &ReportComposer::DetailTitleBlock,
             &ReportComposer::DetailRow, &ReportComposer::DetailYearlyLine,
             &ReportComposer::DetailTotals});
}

void ReportComposer::ComposeSummary() {
    Compose({kSummaryFormat, kSummaryHeading, true, &ReportComposer::SummaryTitleBlock,
             &ReportComposer::AddToYear, &ReportComposer::SummaryYearRow,
             &ReportComposer::SummaryTotals});
}

void ReportComposer::Compose(const Layout& layout) {
    WorkFileReader reader;
    if (!BeginComposition(layout, reader) || !(this->*layout.titleBlock)(reader)) {
        return;
    }
    WorkFileRecord record;
    while (!reader.AtEnd()) {
        if (!Read(reader, record)) {
            return;
        }
        std::string_view first = TrimView(record.fields[0]);
        bool handled = true;
        if (first == work_marker::kYearTotal) {
            handled = (this->*layout.yearEnd)(reader);
        } else if (first == work_marker::kTotals) {
            handled = (this->*layout.totals)(reader);
        } else if (first == work_marker::kFooter) {
            handled = Footnote(reader);
        } else if (first != work_marker::kNewPage && first != "=" && first != "-") {
            TrimFields(record.fields);
            (this->*layout.paymentRow)(record);
            AdvanceProgress(record.fields);
        }
        if (!handled) {
            return;
        }
    }
    FinishBody();
}

void ReportComposer::DetailRow(const WorkFileRecord& row) {
    AppendRow(reportBody_, row.fields);
}

// The interest-method and borrower records every title block starts with; `name` is the
// borrower or, without one, the report's default title.
bool ReportComposer::ReadMethodAndName(WorkFileReader& reader, WorkRecord& method,
                                       std::string& name) {
    doc_.SetTextAlign(TextAlign::Centre);
    doc_.SetFontBold(StyleBold());
    if (!Read(reader, method)) {
        return false;
    }
    TrimFields(method);
    doc_.SetFontBold(true);
    WorkRecord borrower;
    if (!Read(reader, borrower)) {
        return false;
    }
    Borrower = Trim(borrower[0]);
    name = Borrower;
    if (name.empty()) {
        name = kDefaultTitle;
    }
    return true;
}

// The title and its lines, then the body's left margin and font.
void ReportComposer::PrintTitleBlock(const std::string& titleLines, bool blankAfterTitle) {
    doc_.Print(ReportTitle);
    if (blankAfterTitle) {
        doc_.Print(" ");
    }
    doc_.SetFontBold(StyleBold());
    doc_.Print(titleLines);
    doc_.Print(" ");
    doc_.SetFontBold(true);
    doc_.SetMarginLeft(kOneInch);
    doc_.SetFontBold(StyleBold());
}

bool ReportComposer::DetailTitleBlock(WorkFileReader& reader) {
    WorkRecord method, title, start;
    if (!ReadMethodAndName(reader, method, ReportTitle)) {
        return false;
    }
    std::string titleLines;
    if (!Read(reader, title)) {
        return false;
    }
    titleLines += title[0] + std::string(CrLf);
    if (!Read(reader, start)) {
        return false;
    }
    if (!TrimView(start[0]).empty()) {
        titleLines += start[0] + std::string(CrLf);
    }
    titleLines += method[0] + std::string(CrLf);
    PrintTitleBlock(titleLines, true);
    return true;
}

bool ReportComposer::DetailYearlyLine(WorkFileReader& reader) {
    WorkRecord line;
    if (!Read(reader, line)) {
        return false;
    }
    const std::string blank(kNoBreakSpace);
    AppendBlankRow(reportBody_);
    AppendRow(reportBody_, {blank, Trim(line[0]), Trim(line[1]), blank, blank});
    if (firstTablePending_) {
        OutputTable();
        TableHeader.clear();
        firstTablePending_ = false;
    }
    AppendBlankRow(reportBody_);
    return true;
}

bool ReportComposer::DetailTotals(WorkFileReader& reader) {
    if (reportBody_.empty()) {
        AppendBlankRow(reportBody_);
    }
    doc_.SetFontBold(true);
    WorkRecord totals;
    if (!Read(reader, totals)) {
        return false;
    }
    TrimFields(totals);
    AppendRow(reportBody_, totals);
    OutputTable();
    doc_.SetFontBold(StyleBold());
    return true;
}

bool ReportComposer::Footnote(WorkFileReader& reader) {
    if (!TrimView(reportBody_).empty()) {
        OutputTable();
    }
    WorkRecord note;
    if (!Read(reader, note)) {
        return false;
    }
    TrimFields(note);
    doc_.Print(" ");
    doc_.SetFontBold(StyleBold());
    doc_.Print(note[0]);
    doc_.Print(" ");
    return true;
}

void ReportComposer::FinishBody() {
    if (reportBody_.ends_with(kRowSeparator)) {
        reportBody_.resize(reportBody_.size() - kRowSeparator.size());
    }
    if (!TrimView(reportBody_).empty()) {
        OutputTable();
    }
    reportBody_.clear();
}

bool ReportComposer::SummaryTitleBlock(WorkFileReader& reader) {
    WorkRecord method, title, start;
    std::string name;
    if (!ReadMethodAndName(reader, method, name)) {
        return false;
    }
    ReportTitle = name + std::string(CrLf) + std::string(kSummaryLine);
    if (!Read(reader, title) || !Read(reader, start)) {
        return false;
    }
    PrintTitleBlock(
        Trim(title[0]) + std::string(CrLf) + Trim(start[0]) + std::string(CrLf) + method[0], false);
    return true;
}

void ReportComposer::AddToYear(const WorkFileRecord& row) {
    for (std::size_t i = 0; i < 3; ++i) {
        yearSums_[i] += row.cents[i + 1];
    }
    yearBalance_ = row.fields[4];
}

bool ReportComposer::SummaryYearRow(WorkFileReader& reader) {
    WorkRecord line;
    if (!Read(reader, line)) {
        return false;
    }
    std::string label = Trim(line[0]);
    std::string year = label.size() > 4 ? label.substr(label.size() - 4) : label;
    AppendBlankRow(reportBody_);
    AppendRow(reportBody_, {"Totals for " + year, Money(yearSums_[0]), Money(yearSums_[1]),
                            Money(yearSums_[2]), yearBalance_});
    std::fill(std::begin(yearSums_), std::end(yearSums_), 0);
    return true;
}

bool ReportComposer::SummaryTotals(WorkFileReader& reader) {
    WorkRecord totals;
    if (!Read(reader, totals)) {
        return false;
    }
    TrimFields(totals);
    totals[0] = "GRAND TOTALS";
    std::string row;
    AppendRow(row, totals);
    // The years' columns are wide enough for the grand totals below them.
    doc_.ReserveColumns(TableFormat, row);
    if (!TrimView(reportBody_).empty()) {
        AppendBlankRow(reportBody_);
        doc_.AddTable(TableFormat, TableHeader, std::move(reportBody_), 0, 0);
        reportBody_.clear();
        TableHeader.clear();
    }
    doc_.SetTableBorder(kTableBorderAboveBelow);
    doc_.SetFontBold(true);
    doc_.AddTable(TableFormat, TableHeader, std::move(row), 0, 0);
    TableHeader.clear();
    doc_.SetTableBorder(kTableBorderNone);
    doc_.SetFontBold(StyleBold());
    return true;
}

void ReportComposer::vsPrinter1_NewPage() {
    if (doc_.PageCount() == 1) {
        doc_.SetPageBorder(kPageBorderNone);
        doc_.SetHeader("||");
    } else {
        doc_.SetPageBorder(state_.PrintCompanyFooter ? kPageBorderBoth : kPageBorderBelowHeader);
        doc_.SetHeader(ThreePartText{ThreePartText::Literal(ReportTitle), "", "Page %d"});
        doc_.Print(" ");
        TableHeader = ReportKind == kSummaryOnly ? kSummaryHeading : kDetailHeading;
        doc_.AddTable(TableFormat, TableHeader, "", HeaderShade, 0);
    }
    TableHeader.clear();
}

void ReportComposer::vsPrinter1_NewTableCell(int16_t Row, int16_t Col, std::string_view Text) {
    doc_.SetFontBold(StyleBold());
    doc_.SetFontUnderline(false);
    if (Text.substr(0, 12) == "Interest for" && Col == 2) {
        doc_.SetFontSize(state_.ReportFontSize - 1);
        doc_.SetFontBold(true);
    } else if (Text.ends_with('*') && Col == 3) {
        doc_.SetFontSize(state_.ReportFontSize);
        doc_.SetFontBold(true);
    }
    if (BoldRow != 0) {
        if (BoldRow != Row) {
            doc_.SetFontBold(StyleBold());
            BoldRow = 0;
        } else {
            doc_.SetFontBold(true);
        }
    }
    if (IsHeadingText(Text)) {
        doc_.SetFontBold(true);
        BoldRow = 0;
    } else if (Text == "TOTALS" || Text == "GRAND TOTALS") {
        doc_.SetFontBold(true);
        BoldRow = Row;
    }
}

}  // namespace quorvia
