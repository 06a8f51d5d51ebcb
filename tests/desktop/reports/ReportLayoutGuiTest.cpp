// Every report layout, composed with the real fonts: nothing drawn outside its place.
#include <gtest/gtest.h>

#include "desktop/platform/QtTextMetrics.h"
#include "support/ReportLayoutCheck.h"

namespace quorvia {
namespace {

using testing::ComposeInto;
using testing::DerivedLoan;
using testing::ExpectEveryLayoutClean;
using testing::LayoutFaults;

TEST(ReportLayoutGuiTest, EveryStyleSizeWeightAndPageKeepsItsTextsApartAndInsideTheMargins) {
    QtTextMetrics metrics;
    // Of the 56 summaries of this loan of a billion, 42 have rows that fit across: every one in
    // landscape, in portrait up to 12 points on Letter and 11 on A4.
    EXPECT_GE(ExpectEveryLayoutClean(metrics), 40);
}

const TextItem* Find(const ReportPage& page, std::string_view text) {
    for (const TextItem& item : page.texts) {
        if (item.text == text) {
            return &item;
        }
    }
    return nullptr;
}

TEST(ReportLayoutGuiTest, PageHeadersAndFootersKeepTheirPartsWhateverTheNamesHold) {
    QtTextMetrics metrics;
    TempFolder folder;
    AppState state;
    state.AppPath = folder.Path();
    state.PrintCompanyFooter = true;
    std::string longName;
    while (longName.size() < 150) {
        longName += "Lender ";
    }
    longName.resize(150);
    state.CompanyNames = {longName, "Suite 1 | Main St"};
    for (const std::string& borrower : {std::string("M\xC3\xBCller | Sons"), longName}) {
        AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2026");
        loan.BorrowerName = borrower;
        SemiMonthlyChoice semiMonthly{1, 1, 16, 1};
        Schedule schedule;
        ASSERT_FALSE(WriteSchedule(loan, semiMonthly, state.WorkFilePath(), {}, &schedule));
        for (int16_t kind : {kFancyGrid, kSummaryOnly}) {
            ComposeInto(
                state, metrics, kind, schedule.scheduledCount, [&](const ReportDocument& doc) {
                    ASSERT_GT(doc.PageCount(), 1);
                    const ReportPage& second = doc.Page(2);
                    const TextItem* number = Find(second, "Page 2");
                    ASSERT_NE(number, nullptr) << borrower;
                    EXPECT_EQ(number->x + number->width, 12240 - 1440);
                    std::string footer;
                    for (const TextItem& item : second.texts) {
                        if (item.baseline > 15840 - 1440) {
                            footer += item.text + " ";
                        }
                        if (item.text.find(" | SONS") != std::string::npos) {
                            EXPECT_EQ(item.x, 1440);
                        }
                    }
                    EXPECT_NE(footer.find("Suite 1 | Main St"), std::string::npos) << footer;
                    EXPECT_EQ(LayoutFaults(doc, metrics), std::vector<std::string>{}) << borrower;
                });
        }
    }
}

}  // namespace
}  // namespace quorvia
