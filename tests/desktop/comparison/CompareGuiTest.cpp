// The comparison window opened from the main window's menu bar and toolbar: the amortization
// form's loan in the first column, an extra 200 a month in the second, and what it saves.

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <cmath>

#include "desktop/amortization/AmortForm.h"
#include "desktop/comparison/CompareForm.h"
#include "desktop/comparison/ComparisonPage.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/PdfText.h"
#include "support/PrintingParts.h"

namespace quorvia {
namespace {

// What a person does in the comparison window, and what the tests read of it.
struct CompareSteps {
    template <typename T = QLineEdit>
    static T* Control(QWidget& form, const char* name) {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void Type(QWidget& form, const char* name, const char* text) {
        QLineEdit* edit = Control(form, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void Click(QWidget& form, const char* name) {
        Control<QPushButton>(form, name)->click();
    }
    static QString Figure(QWidget& form, int row, int column) {
        QTableWidgetItem* item = Control<QTableWidget>(form, "tblFigures")->item(row, column);
        return item ? item->text() : QString("(none)");
    }

    // Adds an extra 200 with every payment to a second column and compares.
    static void CompareWithExtra200(QWidget& form) {
        Click(form, "cmdAddScenario");
        Control<QComboBox>(form, "cboScenario")->setCurrentIndex(1);
        Type(form, "txtValue", "200");
        Type(form, "txtFrom", "1");
        Click(form, "cmdAddEvent");
        ASSERT_EQ(Control<QListWidget>(form, "lstEvents(2)")->count(), 1);
        EXPECT_EQ(Control<QListWidget>(form, "lstEvents(2)")->item(0)->text(),
                  "Extra principal of $200.00 with each payment from payment 1");
        Click(form, "cmdCompare");
    }

    // The figures quorvia-batch schedule --summary prints for 100,000 at 6 % over 360 months
    // with and without --extra 200.
    // Each chart's lines: their names and how many points each has.
    static std::vector<std::pair<QString, qsizetype>> Lines(QWidget& form, const char* chart) {
        std::vector<std::pair<QString, qsizetype>> lines;
        for (QAbstractSeries* series : Control<QChartView>(form, chart)->chart()->series()) {
            auto* line = qobject_cast<QLineSeries*>(series);
            lines.emplace_back(series->name(), line ? line->count() : -1);
        }
        return lines;
    }

    static void ExpectSavings(QWidget& form) {
        EXPECT_EQ(Figure(form, 0, 0), "$599.55");
        EXPECT_EQ(Figure(form, 1, 0), "360");
        EXPECT_EQ(Figure(form, 3, 0), "$115,838.44");
        EXPECT_EQ(Figure(form, 0, 1), "$599.55");
        EXPECT_EQ(Figure(form, 1, 1), "197");
        EXPECT_EQ(Figure(form, 3, 1), "$57,386.79");
        EXPECT_EQ(Figure(form, 5, 0), "");
        EXPECT_EQ(Figure(form, 5, 1), "$58,451.65");
        EXPECT_EQ(Figure(form, 6, 1), "13 years 7 months");
    }
};

class CompareGuiTest : public ::testing::Test,
                       protected testing::MainWindowParts,
                       protected CompareSteps {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

// The comparison window on its own, with a scripted print dialog and the PDF printer.
class ComparePrintGuiTest : public ::testing::Test, protected CompareSteps {
  protected:
    ComparePrintGuiTest() {
        state.AppPath = folder.Path();
        state.DocumentsFolder = folder.Path();
        ui.SetBeepHook([] {});
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::Ok);
        });
    }

    TempFolder folder;
    AppState state;
    QtUi ui;
    std::vector<Message> messages;
    testing::PrintingParts printing{state, ui, folder.Path() / "printed.pdf"};
};

TEST_F(CompareGuiTest, TheFormsLoanIsTheFirstColumnAndAnExtra200SavesItsInterest) {
    window.Action(MainAction::mnuAmort)->trigger();
    AmortForm* amort = window.OpenAmortForm();
    ASSERT_NE(amort, nullptr);
    Type(*amort, "txtAmount", "100000");
    Type(*amort, "txtRate", "6");
    Type(*amort, "txtTerm", "360");
    Control(*amort, "txtName")->setFocus();
    const QString amount = Control(*amort, "txtAmount")->text();
    const QString firstPayment = Control(*amort, "txtPymt1")->text();

    bool shown = false;
    testing::WhenModalShows("Compare", [&](QWidget& form) {
        shown = true;
        EXPECT_EQ(Control(form, "txtAmount(1)")->text(), amount);
        EXPECT_EQ(Control(form, "txtTerm(1)")->text(), "360");
        EXPECT_EQ(Control(form, "txtPymt1(1)")->text(), firstPayment);
        EXPECT_FALSE(Control(form, "txtAmount(2)")->isVisible());
        CompareWithExtra200(form);
        EXPECT_TRUE(Control(form, "txtAmount(2)")->isVisible());
        EXPECT_EQ(Control(form, "txtAmount(2)")->text(), amount);
        ExpectSavings(form);
        EXPECT_TRUE(messages.empty());
        const std::vector<std::pair<QString, qsizetype>> lines = {{"Scenario 1", 360},
                                                                  {"Scenario 2", 197}};
        EXPECT_EQ(Lines(form, "chtBalance"), lines);
        EXPECT_EQ(Lines(form, "chtInterest"), lines);
        // Printed in black and white, the lines differ by their pens.
        auto pen = [&](int line) {
            return static_cast<QLineSeries*>(
                       Control<QChartView>(form, "chtBalance")->chart()->series()[line])
                ->pen()
                .style();
        };
        EXPECT_NE(pen(0), pen(1));

        // The comparison on one page of PDF, the figures in it.
        const auto pdf = folder.Path() / "comparison.pdf";
        ASSERT_FALSE(
            WriteComparisonPdf(static_cast<CompareForm&>(form).Model(), kPaperLetter, pdf));
        QProcess info;
        info.start("pdfinfo", {QString::fromStdString(pdf.string())});
        ASSERT_TRUE(info.waitForFinished());
        EXPECT_TRUE(
            QString(info.readAllStandardOutput()).contains(QRegularExpression("\\nPages: +1\\n")));
        QProcess text;
        text.start("pdftotext", {QString::fromStdString(pdf.string()), "-"});
        ASSERT_TRUE(text.waitForFinished());
        const QByteArray words = text.readAllStandardOutput();
        for (const char* shown : {"Comparison of Scenarios", "$58,451.65", "13 years 7 months",
                                  "Extra principal of $200.00 with each payment from payment 1",
                                  "Remaining balance", "Interest paid so far"}) {
            EXPECT_TRUE(words.contains(shown)) << shown;
        }

        // A third column is one more line once compared again; a change empties the charts.
        Click(form, "cmdAddScenario");
        EXPECT_TRUE(Lines(form, "chtBalance").empty());
        Type(form, "txtTerm(3)", "180");
        Click(form, "cmdCompare");
        ASSERT_EQ(Lines(form, "chtInterest").size(), 3u);
        EXPECT_EQ(Lines(form, "chtInterest")[2],
                  std::make_pair(QString("Scenario 3"), qsizetype(180)));

        // A changed term clears the figures until the next comparison.
        Type(form, "txtRate(2)", "5");
        EXPECT_EQ(Figure(form, 1, 1), "");
        Click(form, "cmdClose");
        EXPECT_FALSE(form.isVisible());
    });
    window.Action(MainAction::mnuCompare)->trigger();
    EXPECT_TRUE(shown);
    // The amortization form keeps its loan as it was.
    EXPECT_EQ(Control(*amort, "txtAmount")->text(), amount);
}

TEST_F(CompareGuiTest, TheToolbarOpensATypedComparisonWithUpToFourColumns) {
    bool shown = false;
    testing::WhenModalShows("Compare", [&](QWidget& form) {
        shown = true;
        EXPECT_EQ(Control(form, "txtAmount(1)")->text(), "");
        EXPECT_EQ(Control(form, "txtPymt1(1)")->text(), "01/07/2027");
        Type(form, "txtAmount(1)", "100000");
        Type(form, "txtRate(1)", "6");
        Type(form, "txtTerm(1)", "360");
        CompareWithExtra200(form);
        ExpectSavings(form);

        Click(form, "cmdAddScenario");
        Click(form, "cmdAddScenario");
        EXPECT_FALSE(Control<QPushButton>(form, "cmdAddScenario")->isEnabled());
        EXPECT_EQ(Control<QTableWidget>(form, "tblFigures")->columnCount(), 4);
        Click(form, "cmdRemoveScenario(2)");
        EXPECT_EQ(Control<QComboBox>(form, "cboScenario")->count(), 3);
        EXPECT_EQ(Control<QListWidget>(form, "lstEvents(2)")->count(), 0);

        // An event the column cannot take is refused with a message, and nothing is added.
        Control<QComboBox>(form, "cboKind")->setCurrentIndex(2);
        Type(form, "txtValue", "7.25");
        Type(form, "txtFrom", "1");
        Click(form, "cmdAddEvent");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "COMPARISON");
        EXPECT_EQ(Control<QListWidget>(form, "lstEvents(1)")->count(), 0);
        EXPECT_EQ(Control(form, "txtValue")->text(), "7.25");
    });
    window.Action(MainAction::tbCompare)->trigger();
    EXPECT_TRUE(shown);
}

// Printed on the paper the print dialog leaves, turned landscape, one page with the figures; each
// column's disclosure opens over the window with that column's own payments.
TEST_F(ComparePrintGuiTest, PrintsOnOnePageAndOpensEachColumnsDisclosure) {
    CompareForm form(
        state, ui, [] { return MakeDate(2026, 12, 7); }, printing.files, printing.Services(),
        nullptr);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, "txtAmount(1)", "100000");
    Type(form, "txtRate(1)", "6");
    Type(form, "txtTerm(1)", "360");
    CompareWithExtra200(form);
    ExpectSavings(form);

    PrintDialogResult onA4 = testing::ScriptedPrintDialog::Choice("PDF");
    onA4.devMode.paperSize = kPaperA4;
    printing.printDialogs.Queue(
        testing::ScriptedPrintDialog::Choice("PDF"));  // the default printer
    printing.printDialogs.Queue(onA4);
    Click(form, "cmdPrint");
    ASSERT_TRUE(std::filesystem::exists(printing.pdf));
    EXPECT_EQ(testing::PdfPageCount(printing.pdf), 1);
    const std::string text = testing::PageText(printing.pdf, 1);
    for (const char* shown : {"Comparison of Scenarios", "$58,451.65", "13 years 7 months",
                              "Remaining balance", "Interest paid so far"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    }
    const std::string info = testing::RunCommand("pdfinfo '" + printing.pdf.string() + "'");
    EXPECT_NE(info.find("842 x 595"), std::string::npos) << info;

    // The second column's disclosure: its 197 payments, the last one smaller.
    QString schedule;
    testing::WhenModalShows("Disclosure", [&](QWidget& disclosure) {
        schedule = Control<QLabel>(disclosure, "lblPaymentSchedule")->text();
        Click(disclosure, "cmdClose");
    });
    Click(form, "cmdDisclosure(2)");
    EXPECT_TRUE(schedule.startsWith("196 payments of $799.55 monthly")) << schedule.toStdString();
    EXPECT_TRUE(messages.empty()) << messages.front().prompt;
}

// An interest-free loan: its interest line lies on zero, and the dollar axis still has a scale.
TEST(CompareChartsGuiTest, AnInterestFreeLoanStillHasADollarScale) {
    std::vector<ScenarioFigures> figures(1);
    figures[0].schedule.rows = {{1, MakeDate(2027, 1, 7), 500, 0, 500, 500},
                                {2, MakeDate(2027, 2, 7), 500, 0, 500, 0}};
    for (CompareChart which : {CompareChart::Balance, CompareChart::Interest}) {
        QChart chart;
        DrawCompareChart(chart, which, figures);
        const QList<QAbstractAxis*> axes = chart.axes(Qt::Vertical);
        ASSERT_EQ(axes.size(), 1);
        auto* money = qobject_cast<QValueAxis*>(axes[0]);
        ASSERT_NE(money, nullptr);
        EXPECT_EQ(money->min(), 0);
        EXPECT_TRUE(std::isfinite(money->max()) && money->max() > 0) << money->max();
    }
}

}  // namespace
}  // namespace quorvia
