#include "core/reports/ReportComposer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/ReportLayoutCheck.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using quorvia::TempFolder;
using testing::DerivedLoan;

class FakePrinters : public PrinterService {
  public:
    bool present = true;
    bool hasFont = true;
    std::optional<PrinterInfo> CurrentPrinter() override {
        return present ? std::optional<PrinterInfo>(PdfPrinter()) : std::nullopt;
    }
    std::vector<PrinterInfo> Printers() override { return {}; }
    bool MakeCurrent(const PrinterInfo&) override { return true; }
    bool HasFont(std::string_view) override { return hasFont; }
    std::vector<std::string> Fonts() override { return {}; }
};

// The texts of one page grouped by baseline, top to bottom, each line left to right.
std::map<int, std::vector<const TextItem*>> Lines(const ReportPage& page) {
    std::map<int, std::vector<const TextItem*>> lines;
    for (const TextItem& item : page.texts) {
        lines[item.baseline].push_back(&item);
    }
    for (auto& [baseline, items] : lines) {
        std::sort(items.begin(), items.end(),
                  [](const TextItem* a, const TextItem* b) { return a->x < b->x; });
    }
    return lines;
}

const TextItem* Find(const ReportPage& page, std::string_view text) {
    for (const TextItem& item : page.texts) {
        if (item.text == text) {
            return &item;
        }
    }
    return nullptr;
}

std::vector<const TextItem*> LineOf(const ReportPage& page, const TextItem* item) {
    return item == nullptr ? std::vector<const TextItem*>{} : Lines(page)[item->baseline];
}

int HorizontalRules(const ReportPage& page) {
    int count = 0;
    for (const RuleItem& rule : page.rules) {
        count += rule.y1 == rule.y2 ? 1 : 0;
    }
    return count;
}

class ReportComposerTest : public ::testing::Test {
  protected:
    ReportComposerTest() : doc(metrics), composer(state, ui, printers, doc) {
        state.AppPath = folder.Path();
        composer.Progress = [this](double percent, const std::string& caption) {
            progress.push_back(percent);
            captions.push_back(caption);
        };
    }

    void WriteLoan(AmortInputs in) {
        SemiMonthlyChoice semiMonthly{1, 1, 16, 1};
        Schedule schedule;
        ASSERT_FALSE(WriteSchedule(in, semiMonthly, state.WorkFilePath(), {}, &schedule));
        composer.RowCount = schedule.scheduledCount;
    }

    // A small schedule written by hand: 2 payments in 2026 and 1 in 2027.
    void WriteSmallFile(bool withYearTotals, const std::vector<std::string>& extraFirstFields) {
        WorkFileWriter file;
        ASSERT_FALSE(file.Create(state.WorkFilePath()));
        file.WriteLine("Interest is computed using equal 30 day months");
        file.WriteLine("JANE DOE");
        file.WriteLine("Amortization of a $1,000.00 Loan at 12% with 3 Monthly Payments");
        file.WriteLine(" ");
        file.Write(" ", " ", " ", " ", "1,000.00");
        for (const std::string& field : extraFirstFields) {
            file.WriteLine(field);
        }
        file.Write("11/15/26", "340.02", "10.00", "330.02", "669.98");
        file.Write("12/15/26", "340.02", "6.70", "333.32", "336.66");
        if (withYearTotals) {
            file.WriteMarker(work_marker::kYearTotal, false);
            file.Write("Interest for 2026", "16.70*", " ", " ", " ");
        }
        file.Write("01/15/27", "340.03", "3.37", "336.66", "0.00");
        if (withYearTotals) {
            file.WriteMarker(work_marker::kYearTotal, false);
            file.Write("Interest for 2027", "3.37*", " ", " ", " ");
        }
        file.WriteMarker(work_marker::kTotals, true);
        file.Write("TOTALS", "1,020.07", "20.07", "1,000.00", " ");
        ASSERT_FALSE(file.Close());
        composer.RowCount = 3;
    }

    AppState state;
    ScriptedUi ui;
    FakePrinters printers;
    FixedTextMetrics metrics;
    ReportDocument doc;
    ReportComposer composer;
    TempFolder folder;
    std::vector<double> progress;
    std::vector<std::string> captions;
};

TEST_F(ReportComposerTest, DetailedReportPagesTitleHeaderRowsAndTotals) {
    WriteLoan(DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2026"));
    composer.ReportKind = kPlainGrid;
    composer.ComposeReport();
    ASSERT_FALSE(composer.Failed);
    ASSERT_GT(doc.PageCount(), 5);
    EXPECT_TRUE(ui.messages.empty());

    // Page 1: the centred bold title, no header and no rule above the body.
    const ReportPage& first = doc.Page(1);
    const TextItem* title = Find(first, "AMORTIZATION SCHEDULE");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(doc.Font(title->font).bold);
    EXPECT_EQ(title->x, 1440 + (9360 - title->width) / 2);
    EXPECT_EQ(Find(first, "Page 1"), nullptr);
    for (const RuleItem& rule : first.rules) {
        EXPECT_GE(std::min(rule.y1, rule.y2), 1440);
    }
    const TextItem* subTitle = Find(first, "Interest is computed using equal 30 day months");
    ASSERT_NE(subTitle, nullptr);
    EXPECT_FALSE(doc.Font(subTitle->font).bold);

    // The heading row, then the opening balance alone in the balance column.
    const TextItem* heading = Find(first, "Pymt Due Date");
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(doc.Font(heading->font).bold);
    auto lines = Lines(first);
    auto opening = std::next(lines.find(heading->baseline));
    ASSERT_EQ(opening->second.size(), 1u);
    EXPECT_EQ(opening->second[0]->text, "100,000.00");
    EXPECT_EQ(opening->second[0]->x + opening->second[0]->width,
              1440 + 9360 - ReportDocument::kCellPaddingX);
    EXPECT_EQ(std::next(opening)->second[0]->text, "01/15/26");

    // The yearly interest line: label in column 2, amount in column 3, both bold.
    const TextItem* amount = nullptr;
    for (const TextItem& item : first.texts) {
        if (item.text.ends_with('*')) {
            amount = &item;
        }
    }
    ASSERT_NE(amount, nullptr);
    EXPECT_TRUE(doc.Font(amount->font).bold);
    EXPECT_EQ(doc.Font(amount->font).size, 12);
    EXPECT_EQ(amount->x + amount->width, 1440 + 3 * 1800 - ReportDocument::kCellPaddingX);
    std::vector<const TextItem*> yearly = LineOf(first, amount);
    ASSERT_EQ(yearly.size(), 2u);
    EXPECT_TRUE(yearly[0]->text.starts_with("Interest for"));
    EXPECT_GE(yearly[0]->x, 1440 + 1800);
    EXPECT_TRUE(doc.Font(yearly[0]->font).bold);
    EXPECT_EQ(doc.Font(yearly[0]->font).size, 11);

    // Later pages: title left and "Page N" right in the header, a rule under it, the heading.
    const ReportPage& second = doc.Page(2);
    const TextItem* headerTitle = Find(second, "AMORTIZATION SCHEDULE");
    ASSERT_NE(headerTitle, nullptr);
    EXPECT_EQ(headerTitle->x, 1440);
    EXPECT_LT(headerTitle->baseline, 1440);
    EXPECT_EQ(doc.Font(headerTitle->font).size, 8);
    const TextItem* pageNumber = Find(second, "Page 2");
    ASSERT_NE(pageNumber, nullptr);
    EXPECT_EQ(pageNumber->x + pageNumber->width, 12240 - 1440);
    EXPECT_NE(Find(second, "Pymt Due Date"), nullptr);
    EXPECT_NE(Find(doc.Page(doc.PageCount()), "Pymt Due Date"), nullptr);
    int headerRules = 0;
    for (const RuleItem& rule : second.rules) {
        headerRules += rule.y1 < 1440 ? 1 : 0;
    }
    EXPECT_EQ(headerRules, 1);

    // The totals row is bold throughout and on the last page.
    const ReportPage& last = doc.Page(doc.PageCount());
    std::vector<const TextItem*> totals = LineOf(last, Find(last, "TOTALS"));
    ASSERT_EQ(totals.size(), 4u);
    for (const TextItem* item : totals) {
        EXPECT_TRUE(doc.Font(item->font).bold) << item->text;
    }
    EXPECT_FALSE(doc.Font(Find(last, "Interest")->font).underline);

    // The meter counts the payments only, up to 100 %.
    EXPECT_EQ(progress.size(), 360u);
    EXPECT_NEAR(progress.back(), 100, 1e-4);  // single precision steps
    EXPECT_EQ(captions.front(), "0%");
    EXPECT_EQ(captions.back(), "100%");
}

// Counts whose single precision steps add up to more than 100, and a file with more payment
// rows than the count (the counter stops at the count).
TEST_F(ReportComposerTest, TheMeterNeverPassesAHundredPercent) {
    for (int16_t term : {45, 85, 93}) {
        WriteLoan(DerivedLoan(10000, 8.5, term, kMonthly, "01/15/2026"));
        composer.RowCount = static_cast<int16_t>(term == 93 ? 91 : term);
        progress.clear();
        composer.ComposeReport();
        ASSERT_EQ(progress.size(), static_cast<std::size_t>(term)) << term;
        EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 100.0) << term;
        EXPECT_EQ(captions.back(), "100%");
    }
}

TEST_F(ReportComposerTest, ReportStylesDrawNoRulesAllRulesOrAGreyHeading) {
    WriteSmallFile(true, {});
    auto compose = [&](int16_t kind) {
        composer.ReportKind = kind;
        composer.ComposeReport();
        return doc.Page(1);
    };
    ReportPage columnar = compose(kColumnarNoGrid);
    EXPECT_TRUE(columnar.rules.empty());
    EXPECT_TRUE(columnar.shades.empty());

    ReportPage plain = compose(kPlainGrid);
    EXPECT_GT(HorizontalRules(plain), 5);
    EXPECT_GT(plain.rules.size(), static_cast<std::size_t>(HorizontalRules(plain)));
    EXPECT_TRUE(plain.shades.empty());

    ReportPage fancy = compose(kFancyGrid);
    EXPECT_EQ(fancy.rules.size(), plain.rules.size());
    ASSERT_EQ(fancy.shades.size(), 1u);
    EXPECT_EQ(fancy.shades[0].colour, Rgb(192, 192, 192));
    const TextItem* heading = Find(fancy, "Pymt Due Date");
    EXPECT_GT(heading->baseline, fancy.shades[0].top);
    EXPECT_LT(heading->baseline, fancy.shades[0].top + fancy.shades[0].height);
}

TEST_F(ReportComposerTest, CompanyFooterWithAndWithoutTheAddress) {
    WriteLoan(DerivedLoan(50000, 7, 120, kMonthly, "01/15/2026"));
    state.PrintCompanyFooter = true;
    state.CompanyNames = {"  Acme Loans ", " 1 Main St, Springfield "};
    composer.ComposeReport();
    const TextItem* footer = Find(doc.Page(1), "Acme Loans, 1 Main St, Springfield");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->x, 1440 + (9360 - footer->width) / 2);
    EXPECT_GT(footer->baseline, 15840 - 1440);
    EXPECT_EQ(HorizontalRules(doc.Page(1)) - HorizontalRules(doc.Page(1)), 0);
    int belowBody = 0;
    for (const RuleItem& rule : doc.Page(2).rules) {
        belowBody += rule.y1 > 15840 - 1440 ? 1 : 0;
    }
    EXPECT_EQ(belowBody, 1);
    EXPECT_NE(Find(doc.Page(2), "Acme Loans, 1 Main St, Springfield"), nullptr);

    state.CompanyNames[1] = "  ";
    composer.ComposeReport();
    EXPECT_NE(Find(doc.Page(1), "Acme Loans"), nullptr);

    state.PrintCompanyFooter = false;
    composer.ComposeReport();
    EXPECT_EQ(Find(doc.Page(1), "Acme Loans"), nullptr);
    for (const RuleItem& rule : doc.Page(2).rules) {
        EXPECT_LT(rule.y1, 15840 - 1440);
    }
}

TEST_F(ReportComposerTest, SeparatorAndPageMarkersLeaveNoTrace) {
    WriteSmallFile(true, {});
    composer.ComposeReport();
    std::vector<ReportPage> plain = doc.Pages();

    WriteSmallFile(true, {"=", "-", "newpage"});
    composer.ComposeReport();
    ASSERT_EQ(doc.PageCount(), static_cast<int>(plain.size()));
    const ReportPage& marked = doc.Page(1);
    ASSERT_EQ(marked.texts.size(), plain[0].texts.size());
    for (std::size_t i = 0; i < marked.texts.size(); ++i) {
        EXPECT_EQ(marked.texts[i].text, plain[0].texts[i].text);
        EXPECT_EQ(marked.texts[i].baseline, plain[0].texts[i].baseline);
    }
}

TEST_F(ReportComposerTest, AScheduleWithoutYearLinesIsOneTableWithTheHeading) {
    WriteSmallFile(false, {});
    composer.ReportKind = kPlainGrid;
    composer.ComposeReport();
    ASSERT_EQ(doc.PageCount(), 1);
    const ReportPage& page = doc.Page(1);
    int headings = 0;
    for (const TextItem& item : page.texts) {
        headings += item.text == "Pymt Due Date" ? 1 : 0;
    }
    EXPECT_EQ(headings, 1);
    // One table: one box, so the two outer verticals span heading to totals.
    int verticals = static_cast<int>(page.rules.size()) - HorizontalRules(page);
    EXPECT_EQ(verticals, 6);
    const TextItem* totals = Find(page, "TOTALS");
    ASSERT_NE(totals, nullptr);
    EXPECT_TRUE(doc.Font(totals->font).bold);
    EXPECT_FALSE(doc.Font(Find(page, "01/15/27")->font).bold);
}

TEST_F(ReportComposerTest, SummaryYearRowsFollowBlankRowsAndGrandTotalsSitBetweenRules) {
    WriteSmallFile(true, {});
    state.ReportFontSize = 9;  // year labels on one line: lines 216 apart
    composer.ReportKind = kSummaryOnly;
    composer.ComposeReport();
    ASSERT_FALSE(composer.Failed);
    const ReportPage& page = doc.Page(1);
    EXPECT_NE(Find(page, "S  u  m  m  a  r  y      R  e  p  o  r  t"), nullptr);
    EXPECT_TRUE(page.shades.empty());
    EXPECT_EQ(Find(page, "11/15/26"), nullptr);

    std::vector<const TextItem*> year = LineOf(page, Find(page, "Totals for 2026"));
    ASSERT_EQ(year.size(), 5u);
    EXPECT_EQ(year[1]->text, "680.04");
    EXPECT_EQ(year[2]->text, "16.70");
    EXPECT_EQ(year[3]->text, "663.34");
    EXPECT_EQ(year[4]->text, "336.66");
    std::vector<const TextItem*> next = LineOf(page, Find(page, "Totals for 2027"));
    ASSERT_EQ(next.size(), 5u);
    EXPECT_EQ(next[2]->text, "3.37");
    EXPECT_EQ(next[4]->text, "0.00");
    // Each year row has an empty row above it.
    auto lines = Lines(page);
    auto above = std::prev(lines.find(next[0]->baseline));
    EXPECT_EQ(above->first, year[0]->baseline);
    EXPECT_EQ(next[0]->baseline - year[0]->baseline, 2 * (216 + 2 * 30));
    const TextItem* heading = Find(page, "Payment Year");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(year[0]->baseline - heading->baseline, 2 * (216 + 2 * 30));

    std::vector<const TextItem*> grand = LineOf(page, Find(page, "GRAND TOTALS"));
    ASSERT_EQ(grand.size(), 4u);
    EXPECT_EQ(grand[1]->text, "1,020.07");
    for (const TextItem* item : grand) {
        EXPECT_TRUE(doc.Font(item->font).bold);
    }
    ASSERT_EQ(page.rules.size(), 2u);
    EXPECT_LT(page.rules[0].y1, grand[0]->baseline);
    EXPECT_GT(page.rules[1].y1, grand[0]->baseline);
    EXPECT_GT(page.rules[0].y1, next[0]->baseline);
}

TEST_F(ReportComposerTest, SummaryOfALongLoanRepeatsItsTitleAndHeadingOnLaterPages) {
    WriteLoan(DerivedLoan(250000, 7.25, 600, kBiWeekly, "01/16/2026"));
    composer.ReportKind = kSummaryOnly;
    composer.ComposeReport();
    ASSERT_GE(doc.PageCount(), 2);
    const ReportPage& second = doc.Page(2);
    const TextItem* titleLine = Find(second, "AMORTIZATION SCHEDULE");
    const TextItem* summaryLine = Find(second, "S  u  m  m  a  r  y      R  e  p  o  r  t");
    ASSERT_NE(titleLine, nullptr);
    ASSERT_NE(summaryLine, nullptr);
    EXPECT_LT(titleLine->baseline, summaryLine->baseline);
    EXPECT_LT(summaryLine->baseline, 1440);
    EXPECT_NE(Find(second, "Page 2"), nullptr);
    EXPECT_NE(Find(second, "Balance Remaining"), nullptr);  // on one line
    EXPECT_NE(Find(doc.Page(doc.PageCount()), "GRAND TOTALS"), nullptr);
}

TEST_F(ReportComposerTest, MissingWorkFileMissingPrinterAndMissingFont) {
    printers.present = false;
    composer.ComposeReport();
    EXPECT_TRUE(composer.Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "No Printer Available");
    EXPECT_EQ(ui.messages[0].prompt,
              "Windows reports that no printer is attached to this system.\r\n\r\n"
              "The 'Print' and 'Fonts' buttons will be disabled for this report.");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(composer.PrintButtonEnabled);
    EXPECT_FALSE(composer.FontButtonEnabled);
    EXPECT_FALSE(composer.PrinterReady);

    WriteSmallFile(true, {});
    composer.Failed = false;
    composer.ComposeReport();
    EXPECT_FALSE(composer.Failed);
    EXPECT_NE(Find(doc.Page(1), "TOTALS"), nullptr);  // composed for the screen all the same
    EXPECT_EQ(ui.messages.size(), 1u);                // once per window

    printers.present = true;
    printers.hasFont = false;
    state.ReportFontName.clear();
    state.ReportFontStyle.clear();
    state.ReportFontSize = 6;
    composer.ComposeReport();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(ui.messages[1].title, "DEFAULT FONT NOT FOUND");
    EXPECT_EQ(ui.messages[1].prompt,
              "Default font not found for your printer!\r\nPlease select the 'Fonts...' button "
              "to choose a new font to be used with the current default printer or return to "
              "the Main Menu and select a different printer using the File|Print Setup menu "
              "option.");
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    EXPECT_EQ(state.ReportFontStyle, "Normal");
    EXPECT_EQ(state.ReportFontSize, 12);
    EXPECT_TRUE(composer.PrinterReady);

    composer.ReportKind = kSummaryOnly;
    composer.ComposeReport();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[2].prompt.find("using the File | Print Setup menu option."),
              std::string::npos);
}

TEST_F(ReportComposerTest, ABarInTheBorrowerOrCompanyNameStaysInItsPartOfThePage) {
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2026");
    loan.BorrowerName = "Smith | Sons";
    WriteLoan(loan);
    state.PrintCompanyFooter = true;
    state.CompanyNames = {"Acme | 5%d Loans", "Main St|"};
    for (int16_t kind : {kPlainGrid, kSummaryOnly}) {
        composer.ReportKind = kind;
        composer.ComposeReport();
        const ReportPage& second = doc.Page(2);
        const TextItem* name = Find(second, "SMITH | SONS");
        ASSERT_NE(name, nullptr) << kind;
        EXPECT_EQ(name->x, 1440);
        const TextItem* number = Find(second, "Page 2");
        ASSERT_NE(number, nullptr) << kind;
        EXPECT_EQ(number->x + number->width, 12240 - 1440);
        const TextItem* footer = Find(second, "Acme | 5%d Loans, Main St|");
        ASSERT_NE(footer, nullptr) << kind;
        EXPECT_EQ(footer->x, 1440 + (9360 - footer->width) / 2);
        EXPECT_EQ(testing::LayoutFaults(doc, metrics), std::vector<std::string>{}) << kind;
    }
}

TEST_F(ReportComposerTest, ALongBorrowerNameWrapsBesideThePageNumber) {
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2026");
    while (loan.BorrowerName.size() < 150) {
        loan.BorrowerName += "Lender ";
    }
    loan.BorrowerName.resize(150);
    WriteLoan(loan);
    for (int16_t kind : {kColumnarNoGrid, kSummaryOnly}) {
        composer.ReportKind = kind;
        composer.ComposeReport();
        const ReportPage& second = doc.Page(2);
        const TextItem* number = Find(second, "Page 2");
        ASSERT_NE(number, nullptr) << kind;
        int nameLines = 0;
        for (const TextItem& item : second.texts) {
            if (item.text.starts_with("LENDER")) {
                ++nameLines;
                EXPECT_LE(item.x + item.width + ReportDocument::kPartGap, number->x);
            }
        }
        EXPECT_EQ(nameLines, 2) << kind;
        EXPECT_EQ(testing::LayoutFaults(doc, metrics), std::vector<std::string>{}) << kind;
    }
}

TEST_F(ReportComposerTest, ATruncatedWorkFileIsAnError) {
    WorkFileWriter file;
    ASSERT_FALSE(file.Create(state.WorkFilePath()));
    file.WriteLine("Interest is computed using equal 30 day months");
    file.WriteLine(" ");
    file.WriteLine("Amortization of a $1,000.00 Loan");
    file.WriteLine(" ");
    file.Write(" ", " ", " ", " ", "1,000.00");
    file.WriteMarker(work_marker::kTotals, true);
    ASSERT_FALSE(file.Close());
    composer.ComposeReport();
    EXPECT_TRUE(composer.Failed);
}

}  // namespace
}  // namespace quorvia
