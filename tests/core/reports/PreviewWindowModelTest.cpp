#include "core/reports/PreviewWindowModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/reports/GotoPageModel.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedPrintOutput.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::RecordingStatus;
using testing::ScriptedFontChooser;
using testing::ScriptedPrintDialog;
using testing::ScriptedPrintOutput;

// The area below the toolbar: 800 x 600 pixels on a 96-dpi screen. With the bars' 255 twips
// the visible part is 11745 x 8745 twips.
constexpr int kAreaWidth = 12000;
constexpr int kAreaHeight = 9000;
constexpr int kVisibleWidth = kAreaWidth - 255;
constexpr int kVisibleHeight = kAreaHeight - 255;

class PreviewWindowModelTest : public ::testing::Test {
  protected:
    PreviewWindowModelTest() : printers({PdfPrinter()}) {
        state.AppPath = folder.Path();
        NewModel();
    }

    void NewModel() {
        model = std::make_unique<PreviewWindowModel>(state, ui, printers, metrics, status, dialog,
                                                     printDialog, output);
        model->ShowGotoPage = [this](int16_t highest) {
            askedHighest = highest;
            return gotoAnswer;
        };
    }

    int16_t WriteLoan(AmortInputs in) {
        Schedule schedule;
        EXPECT_FALSE(WriteSchedule(in, state.SemiMonthly, state.WorkFilePath(), {}, &schedule));
        return schedule.scheduledCount;
    }

    // The window opening on the loan's report and laying its area out.
    void Open(AmortInputs in, int16_t kind = kColumnarNoGrid) {
        int16_t rows = WriteLoan(in);
        model->Form_Load(rows, kind);
        model->SetUpDocPage(kAreaWidth, kAreaHeight);
    }
    void OpenLongReport() { Open(DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027")); }
    void OpenOnePageReport() { Open(DerivedLoan(5000, 6, 6, kMonthly, "01/15/2027")); }

    // The key as the window hands it over; returns what is left of the key code.
    int Key(int code, int shift = 0) {
        model->Form_KeyDown(code, shift);
        return code;
    }
    int Page() const { return model->Document().PreviewPage(); }

    TempFolder folder;
    AppState state;
    ScriptedUi ui;
    FakePrinterService printers;
    FixedTextMetrics metrics;
    RecordingStatus status;
    ScriptedFontChooser fonts;
    CDialog dialog{ui, fonts};
    ScriptedPrintDialog printDialogs;
    SharedPDialog printDialog{ui, printers, printDialogs, state.PrintOrientation,
                              state.PrintPaperSize};
    ScriptedPrintOutput output;
    std::unique_ptr<PreviewWindowModel> model;
    std::string gotoAnswer;
    int16_t askedHighest = 0;
};

TEST_F(PreviewWindowModelTest, LoadComposesTheReportAndShowsItsFirstPage) {
    OpenLongReport();
    const int pages = model->Document().PageCount();
    ASSERT_GT(pages, 3);
    EXPECT_TRUE(model->Visible);
    EXPECT_TRUE(model->PageVisible);
    EXPECT_EQ(model->Caption, "Amortization Schedule");
    EXPECT_EQ(model->PageLabel, "Page 1 of " + std::to_string(pages));
    EXPECT_FALSE(model->FirstButtonEnabled);
    EXPECT_FALSE(model->PreviousButtonEnabled);
    EXPECT_TRUE(model->NextButtonEnabled);
    EXPECT_TRUE(model->LastButtonEnabled);
    EXPECT_EQ(state.ZoomIndex, 3);
    EXPECT_EQ(model->ZoomListIndex, 3);
    EXPECT_EQ(ui.LastFocus(), "ThePage");
    EXPECT_EQ(ui.hourglassDepth, 0);

    ASSERT_GE(status.events.size(), 3u);
    EXPECT_EQ(status.events[0], "meter:0%");
    EXPECT_EQ(status.events[1], "label:Composing report ...");
    EXPECT_EQ(status.events[status.events.size() - 2], "meter:100%");
    EXPECT_EQ(status.events.back(), "hide");
}

TEST_F(PreviewWindowModelTest, SummaryReportHasItsOwnCaptionAndStatusText) {
    Open(DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027"), kSummaryOnly);
    EXPECT_EQ(model->Caption, "Amortization Schedule (Summary Report)");
    EXPECT_EQ(status.events[1], "label:Composing summary report ...");
}

TEST_F(PreviewWindowModelTest, MissingWorkFileHidesTheWindowWithAMessage) {
    model->Form_Load(360, kColumnarNoGrid);
    EXPECT_FALSE(model->Visible);
    EXPECT_EQ(ui.beeps, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Unable to locate temporary report file.");
    EXPECT_EQ(ui.messages[0].title, "Error composing report");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PreviewWindowModelTest, OnePageReportDisablesNavigationAndGoToOnlyBeeps) {
    OpenOnePageReport();
    ASSERT_EQ(model->Document().PageCount(), 1);
    EXPECT_EQ(model->PageLabel, "Page 1 of 1");
    EXPECT_FALSE(model->FirstButtonEnabled);
    EXPECT_FALSE(model->PreviousButtonEnabled);
    EXPECT_FALSE(model->NextButtonEnabled);
    EXPECT_FALSE(model->LastButtonEnabled);
    model->GotoButton_Click();
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(askedHighest, 0);
}

TEST_F(PreviewWindowModelTest, CtrlKeysPageThroughTheReportWithinItsBounds) {
    OpenLongReport();
    const int pages = model->Document().PageCount();
    EXPECT_EQ(Key(key_code::kHome, kCtrlMask), 0);
    EXPECT_EQ(Key(key_code::kPageUp, kCtrlMask), 0);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(ui.beeps, 0);

    EXPECT_EQ(Key(key_code::kPageDown, kCtrlMask), 0);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(model->PageLabel, "Page 2 of " + std::to_string(pages));
    EXPECT_TRUE(model->FirstButtonEnabled);

    Key(key_code::kEnd, kCtrlMask);
    EXPECT_EQ(Page(), pages);
    EXPECT_FALSE(model->NextButtonEnabled);
    EXPECT_FALSE(model->LastButtonEnabled);
    EXPECT_EQ(Key(key_code::kPageDown, kCtrlMask), 0);
    EXPECT_EQ(Key(key_code::kEnd, kCtrlMask), 0);
    EXPECT_EQ(Page(), pages);

    Key(key_code::kPageUp, kCtrlMask);
    EXPECT_EQ(Page(), pages - 1);
    Key(key_code::kHome, kCtrlMask);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(ui.beeps, 0);

    // Ctrl with Shift is not Ctrl: Home scrolls instead of paging.
    model->LastButton_Click();
    Key(key_code::kHome, kCtrlMask | kShiftMask);
    EXPECT_EQ(Page(), pages);
}

TEST_F(PreviewWindowModelTest, UnhandledKeysBeepExceptTheModifiersEnterAndF1) {
    OpenLongReport();
    EXPECT_EQ(Key('X'), 'X');
    EXPECT_EQ(Key('2'), '2');  // the zoom keys need Ctrl
    EXPECT_EQ(ui.beeps, 2);
    for (int silent :
         {key_code::kShift, key_code::kCtrl, key_code::kAlt, key_code::kEnter, key_code::kF1}) {
        Key(silent);
    }
    EXPECT_EQ(ui.beeps, 2);
}

TEST_F(PreviewWindowModelTest, FittingPageIsCentredWithoutBarsAndTheScrollKeysDoNothing) {
    OpenLongReport();
    EXPECT_EQ(Key('4', kCtrlMask), 0);
    EXPECT_EQ(state.ZoomIndex, 1);
    EXPECT_EQ(model->ThePage.width, 4896);
    EXPECT_EQ(model->ThePage.height, 6336);
    EXPECT_FALSE(model->HS.visible);
    EXPECT_FALSE(model->VS.visible);
    EXPECT_EQ(model->ThePage.left, (kVisibleWidth - 4896) / 2);
    EXPECT_EQ(model->ThePage.top, (kVisibleHeight - 6336) / 2);

    const TwipRect before = model->ThePage;
    for (int key : {key_code::kUp, key_code::kDown, key_code::kLeft, key_code::kRight,
                    key_code::kPageUp, key_code::kPageDown, key_code::kHome, key_code::kEnd}) {
        EXPECT_EQ(Key(key), 0) << key;
    }
    EXPECT_EQ(model->ThePage.left, before.left);
    EXPECT_EQ(model->ThePage.top, before.top);
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(PreviewWindowModelTest, EightyPercentScrollsOnlyUpAndDown) {
    OpenLongReport();
    EXPECT_FALSE(model->HS.visible);
    EXPECT_EQ(model->ThePage.left, (kVisibleWidth - 9792) / 2);
    ASSERT_TRUE(model->VS.visible);
    EXPECT_EQ(model->ThePage.top, 200);
    EXPECT_EQ(model->VS.max, 12672 + 400 - kVisibleHeight);
    EXPECT_EQ(model->VS.largeChange, kVisibleHeight / 4);
}

TEST_F(PreviewWindowModelTest, ScrollKeysMoveTheBarsWithinTheirRange) {
    OpenLongReport();
    Key('1', kCtrlMask);
    ASSERT_TRUE(model->HS.visible);
    ASSERT_TRUE(model->VS.visible);
    EXPECT_EQ(model->HS.max, 12240 + 400 - kVisibleWidth);
    EXPECT_EQ(model->VS.max, 15840 + 400 - kVisibleHeight);
    EXPECT_EQ(model->ThePage.left, 200);
    EXPECT_EQ(model->ThePage.top, 200);

    Key(key_code::kUp);
    Key(key_code::kLeft);
    EXPECT_EQ(model->VS.value, 0);
    EXPECT_EQ(model->HS.value, 0);
    Key(key_code::kDown);
    Key(key_code::kRight);
    EXPECT_EQ(model->VS.value, 200);
    EXPECT_EQ(model->HS.value, 100);
    EXPECT_EQ(model->ThePage.top, 0);
    EXPECT_EQ(model->ThePage.left, 100);
    Key(key_code::kPageDown);
    EXPECT_EQ(model->VS.value, 200 + model->VS.largeChange);

    Key(key_code::kEnd);
    EXPECT_EQ(model->VS.value, model->VS.max);
    EXPECT_EQ(model->HS.value, model->HS.max);
    EXPECT_EQ(model->ThePage.left, 200 - model->HS.max);
    Key(key_code::kDown);
    Key(key_code::kRight);
    EXPECT_EQ(model->VS.value, model->VS.max);
    EXPECT_EQ(model->HS.value, model->HS.max);
    Key(key_code::kHome);
    EXPECT_EQ(model->ThePage.left, 200);
    EXPECT_EQ(model->ThePage.top, 200);
    EXPECT_EQ(ui.beeps, 0);

    model->VS_Change(1000);
    EXPECT_EQ(model->ThePage.top, -800);
}

TEST_F(PreviewWindowModelTest, APageShownAnewStartsAtItsTop) {
    OpenLongReport();
    Key('1', kCtrlMask);
    Key(key_code::kEnd);
    ASSERT_GT(model->VS.value, 0);
    const int across = model->HS.value;
    model->NextButton_Click();
    EXPECT_EQ(model->VS.value, 0);
    EXPECT_EQ(model->ThePage.top, 200);
    EXPECT_EQ(model->HS.value, across);  // the reader's place across the page stays

    Key(key_code::kEnd);
    Key(key_code::kHome, kCtrlMask);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(model->ThePage.top, 200);

    // Going to the page already shown leaves it where it was.
    Key(key_code::kPageDown);
    const int down = model->VS.value;
    gotoAnswer = "1";
    model->GotoButton_Click();
    EXPECT_EQ(model->VS.value, down);
    gotoAnswer = "3";
    model->GotoButton_Click();
    EXPECT_EQ(model->VS.value, 0);
}

TEST_F(PreviewWindowModelTest, DraggingFollowsTheMouseAndKeepsTheMargins) {
    OpenLongReport();
    model->cmbZoom_Click(4);
    model->vsPrinter1_MouseDown(true, 1000.7, 1000.2);
    EXPECT_TRUE(model->Dragging);
    model->vsPrinter1_MouseMove(true, 500, 700);
    EXPECT_EQ(model->ThePage.left, -300);
    EXPECT_EQ(model->ThePage.top, -100);
    EXPECT_EQ(model->HS.value, 500);
    EXPECT_EQ(model->VS.value, 300);

    model->vsPrinter1_MouseMove(true, 9000, 9000);  // far right and down
    EXPECT_EQ(model->ThePage.left, 200);
    EXPECT_EQ(model->ThePage.top, 200);
    EXPECT_EQ(model->HS.value, 0);

    model->vsPrinter1_MouseMove(true, -90000, -90000);  // far left and up
    EXPECT_EQ(model->ThePage.left, kVisibleWidth - 200 - 12240);
    EXPECT_EQ(model->ThePage.top, kVisibleHeight - 200 - 15840);
    EXPECT_EQ(model->HS.value, model->HS.max);
    EXPECT_EQ(model->VS.value, model->VS.max);
    model->vsPrinter1_MouseUp();
    EXPECT_FALSE(model->Dragging);

    // Once the mouse is up the bars move the page again.
    model->HS_Change(0);
    EXPECT_EQ(model->ThePage.left, 200);

    model->cmbZoom_Click(1);  // the page fits: nothing to drag
    model->vsPrinter1_MouseDown(true, 1000, 1000);
    EXPECT_FALSE(model->Dragging);
}

TEST_F(PreviewWindowModelTest, ZoomIsRememberedForTheNextWindowExceptTwentyPercent) {
    OpenLongReport();
    model->cmbZoom_Click(4);
    NewModel();
    OpenLongReport();
    EXPECT_EQ(model->ZoomListIndex, 4);
    EXPECT_EQ(model->ThePage.width, 12240);

    Key('2', kCtrlMask);
    EXPECT_EQ(model->ThePage.width, 2448);
    NewModel();
    OpenLongReport();
    EXPECT_EQ(model->ZoomListIndex, 3);
    EXPECT_EQ(model->ThePage.width, 9792);
}

TEST_F(PreviewWindowModelTest, GoToTakesAPageInRangeOnly) {
    OpenLongReport();
    const int pages = model->Document().PageCount();
    gotoAnswer = "3";
    EXPECT_EQ(Key('G', kCtrlMask), 0);
    EXPECT_EQ(askedHighest, pages);
    EXPECT_EQ(Page(), 3);
    EXPECT_EQ(model->PageLabel, "Page 3 of " + std::to_string(pages));

    for (std::string answer : {std::string(), std::string("0"), std::to_string(pages + 1)}) {
        gotoAnswer = answer;
        model->GotoButton_Click();
        EXPECT_EQ(Page(), 3) << answer;
    }
    EXPECT_EQ(ui.beeps, 0);
}

TEST(GotoPageModelTest, InputTakesDigitsFullStopAndBackspaceOnly) {
    ScriptedUi ui;
    GotoPageModel dialog(ui, 12);
    for (int key : {int('0'), int('9'), int('.'), key_code::kBackspace}) {
        int ascii = key;
        dialog.ThisInput_KeyPress(ascii);
        EXPECT_EQ(ascii, key);
    }
    EXPECT_EQ(ui.beeps, 0);
    for (int key : {'a', 'Z', '-', ' '}) {
        int ascii = key;
        dialog.ThisInput_KeyPress(ascii);
        EXPECT_EQ(ascii, 0);
    }
    EXPECT_EQ(ui.beeps, 4);

    // After an Alt key, the access keys of the preview are dropped without a beep.
    int code = 'P';
    dialog.ThisInput_KeyDown(code, kAltMask);
    EXPECT_EQ(code, 0);
    int ascii = 'p';
    dialog.ThisInput_KeyPress(ascii);
    EXPECT_EQ(ascii, 0);
    EXPECT_EQ(ui.beeps, 4);
    ascii = 'p';
    dialog.ThisInput_KeyPress(ascii);  // the Alt is forgotten after one key
    EXPECT_EQ(ui.beeps, 5);

    ascii = key_code::kEnter;
    dialog.ThisInput_KeyPress(ascii);
    EXPECT_EQ(ascii, 0);
    EXPECT_EQ(ui.beeps, 5);
}

TEST(GotoPageModelTest, GoRefusesAPageOutOfRangeAndStopEmptiesTheInput) {
    ScriptedUi ui;
    GotoPageModel dialog(ui, 12);
    for (std::string input : {"0", "13", ""}) {
        dialog.ThisInput = input;
        dialog.GoButton_Click();
        EXPECT_FALSE(dialog.Hidden) << input;
    }
    EXPECT_EQ(ui.beeps, 3);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].prompt, "You must enter a value between 1 and 12");
    EXPECT_EQ(ui.messages[0].title, "Sorry!");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.LastFocus(), "ThisInput");

    dialog.ThisInput = "12";
    int enter = key_code::kEnter;
    dialog.Form_KeyDown(enter, 0);
    EXPECT_EQ(enter, 0);
    EXPECT_TRUE(dialog.Hidden);

    GotoPageModel stopped(ui, 12);
    stopped.ThisInput = "5";
    int esc = key_code::kEsc;
    stopped.Form_KeyDown(esc, 0);
    EXPECT_TRUE(stopped.Hidden);
    EXPECT_EQ(stopped.ThisInput, "");
}

TEST_F(PreviewWindowModelTest, FontChangeTellsThePersonAndRecomposes) {
    OpenLongReport();
    model->LastButton_Click();
    fonts.answer = FontChoice{"Arial", 10, true, true, false, false};
    EXPECT_EQ(Key('F', kCtrlMask), 0);

    const FontRequest& request = fonts.requests.at(0);
    EXPECT_EQ(request.initial.name, "Times New Roman");
    EXPECT_EQ(request.initial.size, 12);
    EXPECT_FALSE(request.initial.bold);
    EXPECT_EQ(request.minSize, 8);
    EXPECT_EQ(request.maxSize, 14);
    EXPECT_EQ(request.flags & 0x442u, 0x442u);

    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].prompt,
              "For the best looking results you should use a scaleable, proportionally spaced "
              "TrueType font.  (The program's 'default' font is 12 point Times New Roman.)");
    EXPECT_EQ(ui.messages[0].title, "SELECT A PRINTER FONT");
    EXPECT_EQ(ui.messages[1].prompt,
              "Italic styles are ignored by this program. Your font style will be changed to "
              "Bold.");
    EXPECT_EQ(ui.messages[1].title, "Please note...");
    EXPECT_EQ(ui.messages[2].prompt,
              "You changed your Font settings ... your report must be reformatted for these new "
              "settings - this will just take a few seconds.\r\n\r\n[Please remember that the "
              "report is formatted for your Printer, and some fonts may appear distorted or "
              "lines either 'clipped' or 'short' at lower preview zoom settings.  These "
              "problems will not appear in your actual printout.]\r\n\r\nTo save these "
              "settings as your program 'defaults' please use File|Preferences from the Main "
              "Menu.");
    EXPECT_EQ(ui.messages[2].title, "FONT or FONT ATTRIBUTES CHANGED");
    for (const Message& message : ui.messages) {
        EXPECT_EQ(message.icon, MsgIcon::Information);
    }

    EXPECT_EQ(state.ReportFontName, "Arial");
    EXPECT_EQ(state.ReportFontSize, 10);
    EXPECT_EQ(state.ReportFontStyle, "Bold");
    const ReportDocument& doc = model->Document();
    const ReportPage& page = doc.Page(1);
    ASSERT_FALSE(page.texts.empty());
    EXPECT_EQ(doc.Font(page.texts.back().font).name, "Arial");
    EXPECT_EQ(model->PageLabel,
              "Page " + std::to_string(Page()) + " of " + std::to_string(doc.PageCount()));
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PreviewWindowModelTest, UnchangedOrCancelledFontLeavesTheReportAlone) {
    OpenLongReport();
    const int pages = model->Document().PageCount();
    model->cmdFont_Click();  // cancelled
    fonts.answer = FontChoice{"Times New Roman", 12, false, false, false, false};
    model->cmdFont_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "SELECT A PRINTER FONT");
    EXPECT_EQ(model->Document().PageCount(), pages);
}

TEST_F(PreviewWindowModelTest, PitchFontsTakeTheirPrinterSize) {
    OpenLongReport();
    fonts.answer = FontChoice{"Courier 12CPI", 14, false, true, false, false};
    model->cmdFont_Click();
    EXPECT_EQ(state.ReportFontSize, 10);
    EXPECT_EQ(state.ReportFontStyle, "Normal");
    EXPECT_EQ(ui.messages.at(1).prompt.substr(ui.messages[1].prompt.size() - 8), "Regular.");

    fonts.answer = FontChoice{"Courier 10CPI", 8, false, false, false, false};
    model->cmdFont_Click();
    EXPECT_EQ(state.ReportFontSize, 12);
}

TEST_F(PreviewWindowModelTest, WithoutPrinterPrintAndFontsAreOff) {
    printers.current.reset();
    OpenLongReport();
    EXPECT_FALSE(model->PrintButtonEnabled);
    EXPECT_FALSE(model->cmdFontEnabled);
    ui.Clear();
    EXPECT_EQ(Key('P', kCtrlMask), 0);
    EXPECT_EQ(Key('F', kCtrlMask), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(fonts.requests.empty());
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(PreviewWindowModelTest, EscClosesAndStopsAllLayoutWork) {
    OpenLongReport();
    model->SetUpDocPage(kAreaWidth, kAreaHeight);
    EXPECT_EQ(model->ToolTips.size(), 11u);
    EXPECT_EQ(model->ToolTips[0].first, PreviewControl::CloseButton);
    EXPECT_EQ(model->ToolTips[0].second, " Close & exit the print preview window ");

    EXPECT_EQ(Key(key_code::kEsc), 0);
    EXPECT_FALSE(model->Visible);
    EXPECT_TRUE(model->Quitting);
    const TwipRect before = model->ThePage;
    model->Form_Resize(30000, 30000);
    model->cmbZoom_Click(0);
    EXPECT_EQ(model->ThePage.width, before.width);
    EXPECT_EQ(model->VSRect.left, kAreaWidth - 255);
}

TEST_F(PreviewWindowModelTest, TipsOffSetsNoToolTips) {
    state.ToolTipsChecked = false;
    OpenLongReport();
    EXPECT_TRUE(model->ToolTips.empty());
}

TEST_F(PreviewWindowModelTest, ReportPrinterIsMadeCurrentWhenInstalled) {
    PrinterInfo office{"Office", "cups", "CUPS:"};
    printers.printers.push_back(office);
    state.ReportPrinter = "Office,cups,CUPS:";
    OpenOnePageReport();
    ASSERT_EQ(printers.madeCurrent.size(), 1u);
    EXPECT_EQ(printers.madeCurrent[0].device, "Office");
}

// Printing: the print dialog answers with `answer`; the dialog object already exists.
class PrintButtonTest : public PreviewWindowModelTest {
  protected:
    void Print(ScriptedPrintDialog::Answer answer) {
        printDialog.Get();
        printDialogs.Queue(std::move(answer));
        ui.Clear();
        output.events.clear();
        model->PrintButton_Click();
    }
    static PrintDialogResult OnPdf(uint32_t flags = 0, int copies = 1, int from = 0, int to = 0) {
        return ScriptedPrintDialog::Choice("PDF", flags, copies, from, to);
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const Message& message : ui.messages) {
            titles.push_back(message.title);
        }
        return titles;
    }
};

TEST_F(PrintButtonTest, TheDialogOpensOnThePreviewedPageAndACancelPrintsNothing) {
    OpenLongReport();
    model->NextButton_Click();
    Print(ScriptedPrintDialog::Failure{0});

    const PrintDialogRequest& request = printDialogs.requests.back();
    EXPECT_EQ(request.fromPage, 2);
    EXPECT_EQ(request.toPage, 2);
    EXPECT_EQ(request.minPage, 1);
    EXPECT_EQ(request.maxPage, model->Document().PageCount());
    EXPECT_EQ(request.copies, 1);
    EXPECT_EQ(request.flags & kPdNoPageNums, 0u);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(output.events, std::vector<std::string>{"enddoc"});
    EXPECT_EQ(ui.LastFocus(), "ThePage");
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PrintButtonTest, CtrlPWithTheSamePrinterPrintsTheWholeDocumentWithoutRecomposing) {
    OpenLongReport();
    model->LastButton_Click();
    const std::size_t meters = status.meters.size();
    printDialog.Get();
    printDialogs.Queue(OnPdf());
    ui.Clear();
    output.events.clear();
    EXPECT_EQ(Key('P', kCtrlMask), 0);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(status.meters.size(), meters);
    EXPECT_EQ(output.events, (std::vector<std::string>{"collate:0", "copies:1", "document"}));
    EXPECT_EQ(output.documentPages, model->Document().PageCount());
    EXPECT_EQ(Page(), model->Document().PageCount());
    EXPECT_EQ(ui.LastFocus(), "ThePage");
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PrintButtonTest, ANewPrinterIsAnnouncedAndTheReportRecomposedForItBeforePrinting) {
    printers.printers.push_back({"Office", "HP LaserJet", "CUPS:"});
    OpenLongReport();
    ASSERT_EQ(output.DeviceName(), "PDF");
    const std::size_t meters = status.meters.size();
    PrintDialogResult choice = ScriptedPrintDialog::Choice("Office");
    choice.devMode.orientation = kOrientLandscape;
    choice.devMode.paperSize = kPaperA4;
    Print(choice);

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "You selected a new printer ... your report must be reformatted for this "
              "printer.\r\n\r\nTo save this printer as your program 'default printer' please "
              "use File | Preferences from the Main Menu.");
    EXPECT_EQ(ui.messages[0].title, "DEFAULT PRINTER CHANGED");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(output.events, (std::vector<std::string>{"enddoc", "device:Office,CUPS:", "collate:0",
                                                       "copies:1", "document"}));
    EXPECT_GT(status.meters.size(), meters);
    EXPECT_TRUE(model->PageVisible);
    EXPECT_EQ(model->PageLabel, "Page 1 of " + std::to_string(model->Document().PageCount()));
    EXPECT_EQ(output.documentPageSize, (PageSize{16840, 11900}));  // the paper chosen with it
    EXPECT_EQ(state.ReportPrinter, "");  // the preferences are not written

    // Choosing it again recomposes nothing.
    const std::size_t recomposed = status.meters.size();
    Print(choice);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(status.meters.size(), recomposed);
    EXPECT_EQ(std::count(output.events.begin(), output.events.end(), "enddoc"), 0);
}

TEST_F(PrintButtonTest, APaperOrOrientationChosenForPrintingIsThatOfThePreviewToo) {
    OpenLongReport();
    const int letterPages = model->Document().PageCount();
    const std::size_t meters = status.meters.size();
    PrintDialogResult choice = OnPdf();
    choice.devMode.orientation = kOrientLandscape;
    choice.devMode.paperSize = kPaperA4;
    Print(choice);

    EXPECT_TRUE(ui.messages.empty());  // the printer is the same
    EXPECT_GT(status.meters.size(), meters);
    EXPECT_EQ(output.events,
              (std::vector<std::string>{"enddoc", "collate:0", "copies:1", "document"}));
    EXPECT_EQ(output.documentPageSize, (PageSize{16840, 11900}));
    EXPECT_GT(model->Document().PageCount(), letterPages);
    EXPECT_EQ(model->ThePage.width, 13472);  // 80 % of the A4 page turned
    EXPECT_EQ(model->ThePage.height, 9520);
    EXPECT_EQ(state.PrintOrientation, kOrientLandscape);
    EXPECT_EQ(state.PrintPaperSize, kPaperA4);
}

TEST_F(PrintButtonTest, TheBuiltInPrinterProposesAFileNamedForTheBorrowerAndTheReport) {
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027");
    loan.BorrowerName = "SMITH, JOHN";
    Open(loan);
    Print(ScriptedPrintDialog::Failure{0});
    EXPECT_EQ(printDialogs.requests.back().pdfFileName, "SMITH, JOHN - Amortization Schedule.pdf");

    // The summary, in the data folder of the preferences.
    TempFolder data;
    state.DataDirectory = data.Path().string();
    NewModel();
    Open(loan, kSummaryOnly);
    Print(ScriptedPrintDialog::Failure{0});
    EXPECT_EQ(printDialogs.requests.back().pdfFileName,
              (data.Path() / "SMITH, JOHN - Amortization Summary.pdf").string());
}

TEST_F(PrintButtonTest, CollationAndCopiesThePrinterCannotDoAreNotedAndPrintingGoesOn) {
    OpenLongReport();
    output.collateError = print_error::kNotSupported;
    output.copiesError = print_error::kNotSupported;
    Print(OnPdf(kPdCollate, 2));

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].prompt,
              "This printer does not support collation ... normal printing will be used.");
    EXPECT_EQ(ui.messages[1].prompt,
              "This printer does not support multiple copies ... single copy printing will be "
              "used.");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Please note...", "Please note..."}));
    EXPECT_EQ(ui.messages[1].icon, MsgIcon::Information);
    EXPECT_EQ(output.events, (std::vector<std::string>{"collate:1", "collate:0", "copies:2",
                                                       "copies:1", "document"}));

    output.collateError = 0;
    output.copiesError = 0;
    Print(OnPdf(kPdCollate, 3));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(output.events, (std::vector<std::string>{"collate:1", "copies:3", "document"}));
}

TEST_F(PrintButtonTest, APageRangePrintsPageByPageAndTheShownPageComesBack) {
    OpenLongReport();
    model->NextButton_Click();
    Print(OnPdf(kPdPageNums, 1, 3, 5));

    EXPECT_EQ(output.events,
              (std::vector<std::string>{"collate:0", "copies:1", "page:3:Now Printing Page 3",
                                        "page:4:Now Printing Page 4", "page:5:Now Printing Page 5",
                                        "finish"}));
    EXPECT_EQ(output.previewPages, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(model->PageLabel, "Page 2 of " + std::to_string(model->Document().PageCount()));
    EXPECT_TRUE(model->FirstButtonEnabled);
}

TEST_F(PrintButtonTest, AFailureNamesAnUnavailablePrinterOrTheErrorCodeAndKeepsThePreview) {
    OpenLongReport();
    model->NextButton_Click();
    const std::string unavailable =
        "Windows reports the currently selected printer is unavailable ... please investigate "
        "and try again.";
    for (int code : {3, 4, 6}) {
        output.documentError = code;
        Print(OnPdf());
        ASSERT_EQ(ui.messages.size(), 1u) << code;
        EXPECT_EQ(ui.messages[0].prompt, unavailable);
        EXPECT_EQ(ui.messages[0].title, "Unable to access the printer");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
        EXPECT_EQ(output.events.back(), "enddoc");
        EXPECT_EQ(ui.LastFocus(), "ThePage");
    }

    output.documentError = 0;
    output.pageErrors[4] = 12;
    Print(OnPdf(kPdPageNums, 1, 3, 5));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Unexpected error received from the currently selected printer [12] ... please "
              "investigate and try again.");
    EXPECT_EQ(output.events.back(), "enddoc");
    EXPECT_EQ(std::count(output.events.begin(), output.events.end(), "finish"), 0);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PrintButtonTest, AFailedPrintDialogIsReportedAndNothingPrints) {
    OpenLongReport();
    Print(ScriptedPrintDialog::Failure{8});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Dialog Error...");
    EXPECT_EQ(ui.messages[0].prompt,
              "Error reported: CDERR_LOCKRESFAILURE\r\n\r\nPlease report this error to Technical "
              "Support.");
    EXPECT_EQ(output.events, std::vector<std::string>{"enddoc"});
}

TEST_F(PrintButtonTest, TheFirstPrintCreatesThePrintDialogObject) {
    OpenLongReport();
    printDialogs.Fail(4104);
    printDialogs.Cancel();
    printDialogs.Cancel();
    model->PrintButton_Click();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Dialog Error...", "Please select a Printer...",
                                                  "Cancelled"}));
    EXPECT_EQ(ui.messages[0].prompt.find("Error reported"), std::string::npos);
    EXPECT_EQ(printDialogs.requests.size(), 3u);
    EXPECT_EQ(output.events.back(), "enddoc");
}

}  // namespace
}  // namespace quorvia
