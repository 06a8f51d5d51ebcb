#pragma once
// Checks that a composed report keeps its drawn items apart and inside the page: every text
// within the margins across, the body between the top and bottom margins, the header above it
// and the footer below it, and no text over another text or over a rule. A text's box is its
// measured width across and one line height down from the top of the line. Items are placed on
// whole twips, so a box may reach up to kRounding past where it should. The summary's labels
// and headings must stand on one line wherever its rows fit across the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "core/base/Text.h"
#include "core/printing/PageSetup.h"
#include "core/reports/ReportComposer.h"
#include "core/schedule/AmortInputs.h"
#include "support/FakePrinterService.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia::testing {

inline constexpr double kRounding = 1;

struct Box {
    double left;
    double top;
    double right;
    double bottom;

    bool Overlaps(const Box& other) const {
        return left + kRounding < other.right && other.left + kRounding < right &&
               top + kRounding < other.bottom && other.top + kRounding < bottom;
    }
};

inline Box BoxOf(const TextItem& item, const ReportDocument& doc, TextMetrics& metrics) {
    const ReportFont& font = doc.Font(item.font);
    const double top = item.baseline - metrics.Ascent(font);
    return {static_cast<double>(item.x), top, static_cast<double>(item.x + item.width),
            top + metrics.LineHeight(font)};
}

inline Box BoxOf(const RuleItem& rule) {
    const double half = rule.width / 2.0;
    return {std::min(rule.x1, rule.x2) - half, std::min(rule.y1, rule.y2) - half,
            std::max(rule.x1, rule.x2) + half, std::max(rule.y1, rule.y2) + half};
}

// One line per fault, naming the page and the texts.
inline std::vector<std::string> LayoutFaults(const ReportDocument& doc, TextMetrics& metrics) {
    constexpr double kMargin = 1440;
    const double kRight = doc.PageWidth() - kMargin;
    const double kBottom = doc.PageHeight() - kMargin;
    std::vector<std::string> faults;
    for (int number = 1; number <= doc.PageCount(); ++number) {
        const ReportPage& page = doc.Page(number);
        const std::string where = "page " + std::to_string(number) + ": ";
        std::vector<Box> boxes;
        for (const TextItem& item : page.texts) {
            const Box box = BoxOf(item, doc, metrics);
            boxes.push_back(box);
            auto within = [](double from, double to, double low, double high) {
                return from + kRounding >= low && to - kRounding <= high;
            };
            const bool across = within(box.left, box.right, kMargin, kRight);
            const bool header = within(box.top, box.bottom, 0, kMargin);
            const bool body = within(box.top, box.bottom, kMargin, kBottom);
            const bool footer = within(box.top, box.bottom, kBottom, doc.PageHeight());
            if (!across || !(header || body || footer)) {
                faults.push_back(where + "\"" + item.text + "\" leaves the margins");
            }
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                if (boxes[i].Overlaps(boxes[j])) {
                    faults.push_back(where + "\"" + page.texts[i].text + "\" overlaps \"" +
                                     page.texts[j].text + "\"");
                }
            }
            for (const RuleItem& rule : page.rules) {
                if (boxes[i].Overlaps(BoxOf(rule))) {
                    faults.push_back(where + "\"" + page.texts[i].text + "\" crosses a rule");
                }
            }
        }
        for (const RuleItem& rule : page.rules) {
            if (std::min(rule.x1, rule.x2) < kMargin || std::max(rule.x1, rule.x2) > kRight) {
                faults.push_back(where + "a rule leaves the margins");
            }
        }
    }
    return faults;
}

// One composition of the layout matrix.
struct LayoutCase {
    int16_t kind;
    bool numbered;
    int size;
    bool bold;
    int16_t paper;
    int16_t orientation;

    std::string Name() const {
        return "style " + std::to_string(kind) + (numbered ? " numbered" : "") + " at " +
               std::to_string(size) + (bold ? " pt bold" : " pt") + " on " +
               std::string(PaperOf(paper)->name) +
               (orientation == kOrientLandscape ? " landscape" : " portrait");
    }
};

// What the summary of a loan holds in each column, as far as its widths go: the heading, a
// year's label, the grand totals (the widest amounts); and how many years it shows.
struct SummaryTexts {
    std::vector<std::vector<std::string>> columns;
    int years = 0;
};

inline SummaryTexts SummaryTextsOf(const std::vector<WorkRecord>& records) {
    SummaryTexts texts;
    texts.columns = {{"Payment Year", "Totals for 2050", "GRAND TOTALS"},
                     {"Total Payments"},
                     {"Interest Paid"},
                     {"Principal Paid"},
                     {"Balance Remaining"}};
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const std::string marker = Trim(records[i][0]);
        if (marker == work_marker::kYearTotal) {
            ++texts.years;
        } else if (marker == work_marker::kTotals) {
            for (std::size_t c = 1; c < texts.columns.size(); ++c) {
                texts.columns[c].push_back(Trim(records[i + 1][c]));
            }
        }
    }
    return texts;
}

// Whether the summary's rows fit on one line across the page, each text measured bold with
// the padding of its cell.
inline bool SummaryFitsAcross(const SummaryTexts& texts, const ReportDocument& doc,
                              TextMetrics& metrics, const LayoutCase& layout) {
    const ReportFont bold{"Times New Roman", static_cast<double>(layout.size), true};
    double across = 0;
    for (const std::vector<std::string>& column : texts.columns) {
        double widest = 0;
        for (const std::string& text : column) {
            widest = std::max(widest, std::ceil(metrics.Width(bold, text)));
        }
        across += widest + 2 * ReportDocument::kCellPaddingX;
    }
    return across <= doc.PageWidth() - 2 * 1440;
}

// One line per label or heading of the summary that did not stay whole.
inline std::vector<std::string> BrokenSummaryLabels(const ReportDocument& doc,
                                                    const SummaryTexts& texts) {
    static const std::regex yearLabel("Totals for [0-9]{4}");
    std::vector<std::string> faults;
    int years = 0;
    int grandTotals = 0;
    int headings = 0;
    for (const ReportPage& page : doc.Pages()) {
        for (const TextItem& item : page.texts) {
            if (item.text.starts_with("Totals") || item.text.starts_with("GRAND")) {
                if (std::regex_match(item.text, yearLabel)) {
                    ++years;
                } else if (item.text == "GRAND TOTALS") {
                    ++grandTotals;
                } else {
                    faults.push_back("\"" + item.text + "\" is part of a label");
                }
            }
            headings += item.text == "Balance Remaining" ? 1 : 0;
        }
    }
    if (years != texts.years || grandTotals != 1) {
        faults.push_back(std::to_string(years) + " whole year labels of " +
                         std::to_string(texts.years) + ", " + std::to_string(grandTotals) +
                         " GRAND TOTALS");
    }
    if (headings != doc.PageCount()) {
        faults.push_back("\"Balance Remaining\" whole on " + std::to_string(headings) + " of " +
                         std::to_string(doc.PageCount()) + " pages");
    }
    return faults;
}

// The printer every layout is composed for: present, with every font.
class AnyFontPrinter : public FakePrinterService {
  public:
    AnyFontPrinter() : FakePrinterService({PdfPrinter()}) {}
    bool HasFont(std::string_view) override { return true; }
};

// Composes the work file in `state` as report `kind` and hands the document to `check`.
inline void ComposeInto(AppState& state, TextMetrics& metrics, int16_t kind, int16_t rows,
                        const std::function<void(const ReportDocument&)>& check) {
    ScriptedUi ui;
    AnyFontPrinter printers;
    ReportDocument doc(metrics);
    ReportComposer composer(state, ui, printers, doc);
    composer.ReportKind = kind;
    composer.RowCount = rows;
    composer.ComposeReport();
    check(doc);
}

// Every report the program composes for a loan of $999,999,999.99: the detailed report in its
// three styles, numbered and not, and the summary, at every size from 8 to 14, normal and bold,
// on Letter and A4, portrait and landscape, with the company footer.
inline void ComposeEveryLayout(TextMetrics& metrics,
                               const std::function<void(const LayoutCase&, const ReportDocument&,
                                                        const SummaryTexts&)>& check) {
    TempFolder folder;
    AppState state;
    state.AppPath = folder.Path();
    state.PrintCompanyFooter = true;
    state.CompanyNames = {"Acme Loans", "1 Main St"};
    for (bool numbered : {false, true}) {
        AmortInputs loan = DerivedLoan(999999999.99, 8.5, 360, kMonthly, "01/15/2026");
        loan.BorrowerName = "JANE Q. BORROWER";
        loan.NumberPaymentRows = numbered;
        SemiMonthlyChoice semiMonthly{1, 1, 16, 1};
        Schedule schedule;
        if (WriteSchedule(loan, semiMonthly, state.WorkFilePath(), {}, &schedule)) {
            return;
        }
        const SummaryTexts summary = SummaryTextsOf(ReadWorkFile(state.WorkFilePath()));
        for (int16_t kind : {kColumnarNoGrid, kPlainGrid, kFancyGrid, kSummaryOnly}) {
            if (kind == kSummaryOnly && numbered) {
                continue;  // the summary has no payment rows to number
            }
            for (int16_t paper : {kPaperLetter, kPaperA4}) {
                for (int16_t orientation : {kOrientPortrait, kOrientLandscape}) {
                    state.PrintPaperSize = paper;
                    state.PrintOrientation = orientation;
                    for (int size = 8; size <= 14; ++size) {
                        for (bool bold : {false, true}) {
                            state.ReportFontSize = static_cast<float>(size);
                            state.ReportFontStyle = bold ? "Bold" : "Normal";
                            const LayoutCase layout{kind, numbered, size, bold, paper, orientation};
                            ComposeInto(
                                state, metrics, kind, schedule.scheduledCount,
                                [&](const ReportDocument& doc) { check(layout, doc, summary); });
                        }
                    }
                }
            }
        }
    }
}

// Composes every layout and reports each text or rule out of its place, and each summary
// label broken where the page had room for it, as a failure. Returns how many summaries had
// that room.
inline int ExpectEveryLayoutClean(TextMetrics& metrics) {
    int compositions = 0;
    int roomySummaries = 0;
    ComposeEveryLayout(metrics, [&](const LayoutCase& layout, const ReportDocument& doc,
                                    const SummaryTexts& summary) {
        ++compositions;
        ASSERT_GT(doc.PageCount(), 1) << layout.Name();
        const PageSize page = PageSizeOf(layout.paper, layout.orientation);
        EXPECT_EQ(doc.PageWidth(), page.width) << layout.Name();
        EXPECT_EQ(doc.PageHeight(), page.height) << layout.Name();
        for (const std::string& fault : LayoutFaults(doc, metrics)) {
            ADD_FAILURE() << layout.Name() << ", " << fault;
        }
        if (layout.kind == kSummaryOnly && SummaryFitsAcross(summary, doc, metrics, layout)) {
            ++roomySummaries;
            for (const std::string& fault : BrokenSummaryLabels(doc, summary)) {
                ADD_FAILURE() << layout.Name() << ", " << fault;
            }
        }
    });
    EXPECT_EQ(compositions, (3 * 2 + 1) * 4 * 7 * 2);
    return roomySummaries;
}

}  // namespace quorvia::testing
