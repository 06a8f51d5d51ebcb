#pragma once
// A tour of every window of the program, opened in turn the way a person reaches it, each
// handed to a visitor while it is shown: the main window, the amortization form on both tabs,
// the loan calculator, the status window, a message box, the preview of a typed loan with its
// Go to page and Font dialogs and its Truth-in-Lending Disclosure, the comparison of that loan,
// Print Setup with the printer
// dialog, Preferences on each tab, About and Help.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "desktop/amortization/AmortForm.h"
#include "desktop/app/FrmprntgForm.h"
#include "desktop/app/MainWindow.h"
#include "desktop/calculator/LncalcForm.h"
#include "support/HelpCollection.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"

namespace quorvia::testing {

// The window shown, and what it is to a person ("preview", "Preferences, General").
using WindowVisitor = std::function<void(QWidget& window, const std::string& name)>;

class WindowTour : public MainWindowParts {
  public:
    WindowTour() {
        ui.SetBeepHook([] {});
    }

    void Run(const WindowVisitor& visit) {
        InstallHelpCollection(folder.Path());
        ASSERT_TRUE(window.Start(folder.Path(), [] { return OtherCopy::None; }));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        visit(window, "main window");

        window.Action(MainAction::mnuAmort)->trigger();
        AmortForm* amort = window.OpenAmortForm();
        ASSERT_NE(amort, nullptr);
        visit(*amort, "amortization form");
        auto* tabs = amort->findChild<QTabWidget*>("vsTab");
        tabs->setCurrentIndex(1);
        visit(*amort, "amortization form, Report Style");
        tabs->setCurrentIndex(0);

        window.Action(MainAction::mnuCalc)->trigger();
        ASSERT_NE(window.OpenCalcForm(), nullptr);
        visit(*window.OpenCalcForm(), "loan calculator");
        window.UnloadCalcForm();

        FrmprntgForm status(&window);
        status.ShowCentred();
        visit(status, "status window");
        status.hide();

        QtUi shown(&window);
        WhenModalShows("QMessageBox", [&](QWidget& box) { visit(box, "message box"); });
        shown.MsgBox({kLongMessage, "FONT or FONT ATTRIBUTES CHANGED", MsgButtons::Ok,
                      MsgIcon::Information});

        VisitPreview(*amort, visit);

        // The typed loan beside a copy of it, compared: the figures and the charts.
        WhenModalShows("Compare", [&](QWidget& form) {
            Click(form, "cmdAddScenario");
            Click(form, "cmdCompare");
            visit(form, "comparison");
        });
        window.Action(MainAction::mnuCompare)->trigger();

        WhenModalShows("PrtrSel", [&](QWidget& form) {
            visit(form, "Print Setup");
            WhenModalShows("PrintSetupDialog",
                           [&](QWidget& dialog) { visit(dialog, "printer dialog"); });
            Click(form, "SelectButton");
        });
        window.Action(MainAction::mnuFilePrtSetup)->trigger();

        WhenModalShows("Prefs", [&](QWidget& form) {
            auto* pages = form.findChild<QTabWidget*>("vsTab");
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                visit(form, "Preferences, " + pages->tabText(page).remove('&').toStdString());
            }
        });
        window.Action(MainAction::mnuFilePref)->trigger();

        WhenModalShows("frmAbout1", [&](QWidget& about) { visit(about, "About"); });
        window.Action(MainAction::mnuHelpAbout)->trigger();

        window.Action(MainAction::mnuHelpIndex)->trigger();
        HelpWindow* help = window.Help().Window();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        visit(*help, "Help");
        help->close();
    }

  private:
    // The longest message the program shows: the notice after a font change in the preview.
    static constexpr const char* kLongMessage =
        "You changed your Font settings ... your report must be reformatted for these new "
        "settings - this will just take a few seconds.\r\n\r\n[Please remember that the report "
        "is formatted for your Printer, and some fonts may appear distorted or lines either "
        "'clipped' or 'short' at lower preview zoom settings.  These problems will not appear "
        "in your actual printout.]\r\n\r\nTo save these settings as your program 'defaults' "
        "please use File|Preferences from the Main Menu.";

    static void Click(QWidget& form, const char* button) {
        auto* pushed = form.findChild<QPushButton*>(button);
        ASSERT_NE(pushed, nullptr) << button;
        pushed->click();
    }

    // A typed loan, Okay, and the preview with its own dialogs.
    void VisitPreview(AmortForm& amort, const WindowVisitor& visit) {
        const std::pair<const char*, const char*> loan[] = {
            {"txtAmount", "100000"}, {"txtRate", "8.5"}, {"txtTerm", "360"}};
        for (auto [field, text] : loan) {
            auto* edit = amort.findChild<QLineEdit*>(field);
            edit->setFocus();
            QTest::keyClicks(edit, text);
        }
        WhenModalShows("PreviewWindow", [&](QWidget& preview) {
            visit(preview, "preview");
            WhenModalShows("GotoPage", [&](QWidget& dialog) { visit(dialog, "Go to page"); });
            Click(preview, "GotoButton");
            WhenModalShows("FontDialog", [&](QWidget& dialog) { visit(dialog, "Font"); });
            Click(preview, "cmdFont");
            WhenModalShows("Disclosure", [&](QWidget& form) {
                visit(form, "Truth-in-Lending Disclosure");
                Click(form, "cmdClose");
            });
            Click(preview, "DisclosureButton");
            QTest::keyClick(preview.findChild<QWidget*>("ThePage"), Qt::Key_Escape);
        });
        Click(amort, "comOK");
    }
};

}  // namespace quorvia::testing
