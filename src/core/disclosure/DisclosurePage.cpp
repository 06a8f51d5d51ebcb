#include "core/disclosure/DisclosurePage.h"

#include <algorithm>

#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr int kMargin = 1080;  // three quarters of an inch
constexpr double kTitleSize = 16;
constexpr double kTextSize = 11;
constexpr double kCaptionSize = 8.5;
constexpr double kExplanationSize = 9;
constexpr double kFigureSize = 14;

// The four boxes side by side across the room between the margins, the APR's widest for its
// caption.
constexpr std::string_view kBoxFormat = "^2880|^2400|^2400|^2400";
constexpr std::string_view kChargeFormat = "<7200|>2880";

// Table rows count from the captions: the captions and the figures are bold, the explanations
// smaller.
class BoxFonts : public ReportEvents {
  public:
    explicit BoxFonts(ReportDocument& document) : document_(document) {}
    bool active = false;

    void NewTableCell(int row, int, std::string_view) override {
        if (!active) {
            return;
        }
        document_.SetFontBold(row != 2);
        document_.SetFontSize(row == 1 ? kCaptionSize : row == 2 ? kExplanationSize : kFigureSize);
    }

  private:
    ReportDocument& document_;
};

std::string Joined(const std::vector<std::string>& cells, std::string_view separator) {
    std::string text;
    for (const std::string& cell : cells) {
        text += (text.empty() ? "" : std::string(separator)) + cell;
    }
    return text;
}

std::string Cells(std::initializer_list<std::string> cells) {
    return Joined(std::vector<std::string>(cells), "|");
}

// Table text holds "|" and the row separator as its own marks.
std::string CellText(std::string_view text) {
    std::string cell(text);
    std::replace(cell.begin(), cell.end(), '|', '/');
    for (std::size_t at = cell.find(kRowSeparator); at != std::string::npos;
         at = cell.find(kRowSeparator, at)) {
        cell.replace(at, kRowSeparator.size(), " ");
    }
    return cell;
}

void PrintLine(ReportDocument& document, std::string_view text, bool bold = false) {
    document.SetFontBold(bold);
    document.Print(std::string(text));
}

void PrintHeading(ReportDocument& document, const AppState& state, std::string_view borrower,
                  const DisclosureModel& disclosure) {
    document.SetTextAlign(TextAlign::Centre);
    document.SetFontSize(kTitleSize);
    PrintLine(document, kDisclosureTitle, true);
    document.SetFontSize(kTextSize);
    document.SetTextAlign(TextAlign::LeftTop);
    PrintLine(document, " ");
    if (!Trim(borrower).empty()) {
        PrintLine(document, "Borrower: " + Trim(borrower));
    }
    if (!Trim(state.CompanyNames[0]).empty()) {
        PrintLine(document, "Lender: " + Trim(state.CompanyNames[0]));
    }
    PrintLine(document, "Loan amount: " + DollarText(disclosure.LoanAmount()));
    PrintLine(document, " ");
}

void PrintBoxes(ReportDocument& document, BoxFonts& fonts, const DisclosureModel& disclosure) {
    std::vector<std::string> captions;
    std::vector<std::string> explanations;
    for (const DisclosureBox& box : kDisclosureBoxes) {
        captions.emplace_back(box.caption);
        explanations.emplace_back(box.explanation);
    }
    std::array<std::string, 4> figures = BoxFigures(disclosure.Figures());
    std::string body = Joined(explanations, "|") + std::string(kRowSeparator) +
                       Joined({figures.begin(), figures.end()}, "|") + std::string(kRowSeparator);
    document.SetTableBorder(kTableBorderAll);
    fonts.active = true;
    document.AddTable(std::string(kBoxFormat), Joined(captions, "|") + std::string(kRowSeparator),
                      body, 0, 0);
    fonts.active = false;
    PrintLine(document, " ");
    PrintLine(document, "Note rate: " + NoteRateText(disclosure.NoteRate()) +
                            ", the interest rate of the note; it is not the Annual Percentage "
                            "Rate.");
    PrintLine(document, " ");
}

void PrintPaymentSchedule(ReportDocument& document, const std::vector<std::string>& lines,
                          std::size_t shown) {
    PrintLine(document, "Your payment schedule will be:", true);
    for (std::size_t i = 0; i < shown; ++i) {
        PrintLine(document, "    " + lines[i]);
    }
    if (shown < lines.size()) {
        const std::size_t more = lines.size() - shown;
        PrintLine(document, "    ... and " + std::to_string(more) +
                                (more == 1 ? " more group" : " more groups") +
                                " of payments, as the amortization schedule lists them");
    }
    PrintLine(document, " ");
}

void PrintCharges(ReportDocument& document, const DisclosureModel& disclosure) {
    PrintLine(document, "Itemization of prepaid finance charges", true);
    std::string body;
    for (const PrepaidCharge& charge : disclosure.prepaidCharges) {
        body += Cells({CellText(charge.description), DollarText(charge.amount)}) +
                std::string(kRowSeparator);
    }
    body += Cells({"Total prepaid finance charges", DollarText(disclosure.PrepaidTotal())}) +
            std::string(kRowSeparator);
    document.SetTableBorder(kTableBorderAboveBelow);
    document.SetFontBold(false);
    document.AddTable(std::string(kChargeFormat), "", body, 0, 0);
}

void Compose(ReportDocument& document, const AppState& state, const DisclosureModel& disclosure,
             std::string_view borrower, std::size_t scheduleLines) {
    BoxFonts fonts(document);
    document.SetEvents(&fonts);
    document.SetPageSize(PageSizeOf(state.PrintPaperSize, state.PrintOrientation));
    document.SetDocumentName(std::string(kDisclosureTitle));
    for (auto margin : {&ReportDocument::SetMarginLeft, &ReportDocument::SetMarginTop,
                        &ReportDocument::SetMarginRight, &ReportDocument::SetMarginBottom}) {
        (document.*margin)(kMargin);
    }
    document.SetHeader("");
    document.SetFooter("");
    document.SetPageBorder(kPageBorderNone);
    document.SetFontName(state.ReportFontName);
    document.SetFontUnderline(false);
    document.StartDoc();
    PrintHeading(document, state, borrower, disclosure);
    PrintBoxes(document, fonts, disclosure);
    PrintPaymentSchedule(document, disclosure.PaymentSchedule(), scheduleLines);
    PrintCharges(document, disclosure);
    document.EndDoc();
    document.SetEvents(nullptr);
}

}  // namespace

std::array<std::string, 4> BoxFigures(const DisclosureFigures& figures) {
    return {FormatNumber(figures.annualPercentageRate, "##0.000\\%"),
            DollarText(figures.financeCharge), DollarText(figures.amountFinanced),
            DollarText(figures.totalOfPayments)};
}

std::string NoteRateText(double percent) {
    return FormatNumber(percent, "##0.000\\%");
}

void ComposeDisclosurePage(ReportDocument& document, const AppState& state,
                           const DisclosureModel& disclosure, std::string_view borrower) {
    const std::size_t lines = disclosure.PaymentSchedule().size();
    Compose(document, state, disclosure, borrower, lines);
    if (document.PageCount() <= 1) {
        return;
    }
    // The most lines of the schedule that leave the page whole.
    std::size_t fits = 0;
    std::size_t tooMany = lines;
    while (tooMany - fits > 1) {
        const std::size_t tried = (fits + tooMany) / 2;
        Compose(document, state, disclosure, borrower, tried);
        (document.PageCount() <= 1 ? fits : tooMany) = tried;
    }
    Compose(document, state, disclosure, borrower, fits);
}

}  // namespace quorvia
