#include "core/disclosure/DisclosureFormModel.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/base/KeyCodes.h"
#include "core/base/Text.h"
#include "core/disclosure/DisclosurePage.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedPrintOutput.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;

Schedule ScheduleOf(AmortInputs loan) {
    SemiMonthlyChoice semiMonthly{0, 1, 16, 1};
    Schedule schedule;
    EXPECT_FALSE(ComputeSchedule(loan, semiMonthly, nullptr, schedule));
    return schedule;
}

// The window's model over 100,000 at 8.5 % for 30 years, with every service scripted.
class DisclosureFormModelTest : public ::testing::Test {
  protected:
    DisclosureFormModelTest() { Open(ScheduleOf(loan)); }

    void Open(Schedule computed) {
        schedule = std::move(computed);
        model.emplace(state, ui,
                      DisclosureOutputs{printers, printDialog, printOutput, dialog, metrics,
                                        [this](const ReportDocument& document,
                                               const std::string& path) -> std::optional<RunError> {
                                            savedPages = document.PageCount();
                                            savedPaths.push_back(path);
                                            return writeError;
                                        },
                                        "/home/person/Documents"},
                      loan, schedule);
        model->Form_Load();
    }

    // Types an amount into a charge and leaves it for `next`, as the window reports it.
    void TypeAmount(std::size_t charge, const std::string& text,
                    std::string_view next = "cmdPrint") {
        model->txtChargeAmount_GotFocus(charge);
        model->Charges[charge - 1].amount = text;
        model->txtChargeAmount_LostFocus(charge, next);
    }

    std::array<std::string, 4> FiguresFor(double prepaid) {
        DisclosureModel expected(loan, schedule);
        expected.prepaidCharges = {{"Points", prepaid}};
        EXPECT_FALSE(expected.Compute());
        return BoxFigures(expected.Figures());
    }

    TempFolder folder;
    AppState state;
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "04/10/1998");
    Schedule schedule;
    ScriptedUi ui;
    FakePrinterService printers{{PdfPrinter(), {"Office", "cups", "CUPS:"}}};
    testing::ScriptedPrintDialog printDialogs;
    SharedPDialog printDialog{ui, printers, printDialogs, state.PrintOrientation,
                              state.PrintPaperSize};
    testing::ScriptedPrintOutput printOutput;
    testing::ScriptedFontChooser fonts;
    testing::ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
    FixedTextMetrics metrics;
    std::optional<RunError> writeError;
    int savedPages = 0;
    std::vector<std::string> savedPaths;
    std::optional<DisclosureFormModel> model;
};

TEST_F(DisclosureFormModelTest, OpensWithPointsAndAnOriginationFeeAtZeroAndTheNoteRateApart) {
    ASSERT_EQ(model->Charges.size(), 2u);
    EXPECT_EQ(model->Charges[0].description, "Points");
    EXPECT_EQ(model->Charges[1].description, "Origination fee");
    EXPECT_EQ(model->Charges[1].amount, "0.00");
    EXPECT_EQ(model->Boxes, FiguresFor(0));
    EXPECT_EQ(model->Boxes[2], "$100,000.00");
    EXPECT_EQ(model->lblNoteRate, "8.500%");
    EXPECT_EQ(model->lblPrepaidTotal, "$0.00");
    EXPECT_EQ(model->PaymentSchedule,
              (std::vector<std::string>{"359 payments of $768.91 monthly beginning 04/10/1998",
                                        "1 payment of $774.82 on 03/10/2028"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DisclosureFormModelTest, EachAmountLeftIsCheckedAndTheFiguresFollowTheChargesThatStand) {
    TypeAmount(1, "$1,500");
    TypeAmount(2, "500.004");
    EXPECT_EQ(model->Charges[0].amount, "1,500.00");
    EXPECT_EQ(model->Charges[1].amount, "500.00");
    EXPECT_EQ(model->Boxes, FiguresFor(2000));
    EXPECT_EQ(model->lblPrepaidTotal, "$2,000.00");

    // A charge of no description is named as the page names it; its refusal keeps the text,
    // the focus and the figures of the charges that stood.
    model->Charges[1].description = "  ";
    model->txtChargeName_LostFocus(2);
    TypeAmount(2, "-5");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "The prepaid finance charge \"Other charge\" must be an amount of zero or more.");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(ui.LastFocus(), "txtChargeAmount(2)");
    EXPECT_EQ(model->Charges[1].amount, "-5");
    EXPECT_EQ(model->Boxes, FiguresFor(2000));

    // Leaving for Close asks nothing; Print and Save as PDF check the charges first.
    TypeAmount(2, "abc", "cmdClose");
    EXPECT_EQ(ui.messages.size(), 1u);
    model->cmdPrint_Click();
    model->cmdSave_Click();
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_TRUE(printDialogs.requests.empty());
    EXPECT_TRUE(files.requests.empty());
    model->cmdClose_Click();
    EXPECT_TRUE(model->Hidden);
}

TEST_F(DisclosureFormModelTest, EnterMovesAlongTheChargesAndEscGivesBackTheTextOnArrival) {
    model->txtChargeName_GotFocus(1);
    EXPECT_TRUE(model->txtCharge_KeyPress(key_code::kEnter));
    EXPECT_EQ(ui.LastFocus(), "txtChargeAmount(1)");
    model->txtChargeAmount_GotFocus(1);
    model->txtCharge_KeyPress(key_code::kEnter);
    EXPECT_EQ(ui.LastFocus(), "txtChargeName(2)");
    model->txtChargeAmount_GotFocus(2);
    model->Charges[1].amount = "75";
    EXPECT_TRUE(model->txtCharge_KeyPress(key_code::kEsc));
    EXPECT_EQ(model->Charges[1].amount, "0.00");
    model->txtCharge_KeyPress(key_code::kEnter);
    EXPECT_EQ(ui.LastFocus(), "cmdPrint");
    EXPECT_FALSE(model->txtCharge_KeyPress('7'));
}

TEST_F(DisclosureFormModelTest, AddStopsAtTheMostAndRemoveTakesTheChargeLastVisited) {
    TypeAmount(1, "1000");
    TypeAmount(2, "300");
    while (model->cmdAddEnabled) {
        model->cmdAdd_Click();
    }
    EXPECT_EQ(model->Charges.size(), DisclosureFormModel::kMostCharges);
    EXPECT_EQ(ui.LastFocus(), "txtChargeName(6)");

    // The points go; the origination fee stays.
    model->txtChargeName_GotFocus(1);
    model->cmdRemove_Click();
    EXPECT_EQ(model->Charges[0].description, "Origination fee");
    EXPECT_EQ(model->Boxes, FiguresFor(300));
    while (model->cmdRemoveEnabled) {
        model->cmdRemove_Click();
    }
    EXPECT_TRUE(model->Charges.empty());
    EXPECT_EQ(ui.LastFocus(), "cmdAdd");
    EXPECT_EQ(model->Boxes, FiguresFor(0));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DisclosureFormModelTest, PrintsOnePageOnTheChosenPrinterAndTellsAFailure) {
    TypeAmount(1, "2000");
    printDialog.Get();  // the default printer learnt
    printDialogs.Cancel();
    model->cmdPrint_Click();
    EXPECT_EQ(printOutput.events, (std::vector<std::string>{"enddoc"}));

    printDialogs.Queue(testing::ScriptedPrintDialog::Choice("Office"));
    model->cmdPrint_Click();
    ASSERT_FALSE(printDialogs.requests.empty());
    EXPECT_EQ(printDialogs.requests.back().pdfFileName, "Truth-in-Lending Disclosure.pdf");
    EXPECT_EQ(printOutput.DeviceName(), "Office");
    EXPECT_EQ(printOutput.documentPages, 1);
    EXPECT_EQ(printOutput.documentPageSize,
              PageSizeOf(state.PrintPaperSize, state.PrintOrientation));

    printOutput.documentError = print_error::kCannotStart;
    printDialogs.Queue(testing::ScriptedPrintDialog::Choice("Office"));
    model->cmdPrint_Click();
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->title, "Unable to access the printer");
    EXPECT_EQ(printOutput.events.back(), "enddoc");
}

TEST_F(DisclosureFormModelTest, SavingAddsPdfAsksBeforeReplacingAndTellsAFailedWrite) {
    loan.BorrowerName = "SMITH, JOHN";
    Open(schedule);
    const std::string bare = (folder.Path() / "smith").string();
    std::ofstream(bare + ".pdf") << "kept";
    files.Choose(bare);
    files.Choose(bare + ".PDF");
    ui.QueueAnswer(MsgAnswer::No);  // not over the older file: the dialog comes again
    model->cmdSave_Click();
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].fileName, "SMITH, JOHN - Truth-in-Lending Disclosure.pdf");
    EXPECT_EQ(files.requests[0].initDir, "/home/person/Documents");
    EXPECT_EQ(ui.messages.at(0).prompt, "Replace existing file (shown above)?");
    EXPECT_EQ(savedPaths, std::vector<std::string>{bare + ".PDF"});
    EXPECT_EQ(savedPages, 1);

    writeError = RunError{75, "Path/File access error"};
    files.Choose(bare + ".pdf");
    model->cmdSave_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "FILE ERROR");
    EXPECT_NE(ui.messages[1].prompt.find("Error saving " + bare + ".pdf"), std::string::npos);
}

// A schedule whose every payment differs lists the groups that fit and says how many more.
TEST_F(DisclosureFormModelTest, ThePageStaysOneWhenThePaymentsComeInMoreGroupsThanItHolds) {
    Schedule uneven = schedule;
    for (std::size_t row = 0; row < uneven.rows.size(); ++row) {
        uneven.rows[row].payment += static_cast<double>(row % 2) / 100;
    }
    Open(uneven);
    ASSERT_GT(model->PaymentSchedule.size(), 300u);
    ReportDocument document(metrics);
    model->ComposePage(document);
    ASSERT_EQ(document.PageCount(), 1);
    std::string more;
    for (const TextItem& item : document.Page(1).texts) {
        if (item.text.find("more groups of payments") != std::string::npos) {
            more = item.text;
        }
    }
    EXPECT_FALSE(more.empty());
    // The groups listed and those counted as more are all of them.
    int listed = 0;
    for (const TextItem& item : document.Page(1).texts) {
        const std::string line = Trim(item.text);
        listed += !line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                  line.find(" payment") != std::string::npos;
    }
    const std::size_t counted = std::stoul(more.substr(more.find("and ") + 4));
    EXPECT_EQ(listed + counted, model->PaymentSchedule.size()) << more;
    EXPECT_EQ(document.PageWidth(), 12240);
}

}  // namespace
}  // namespace quorvia
