#include "core/app/MainWindowTitle.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(MainWindowTitleTest, NamesTheLoanFileOfTheOpenFormAndMarksUnsavedInput) {
    AppState state;
    state.LoanFilePath = "/home/ann/smith.qrv";
    state.InputUnsaved = true;
    // Without the amortization form no loan is open, whatever the last file was.
    EXPECT_EQ(MainWindowTitleOf(state), (MainWindowTitle{"Quorvia", false}));

    state.FormOpen[1] = true;
    EXPECT_EQ(MainWindowTitleOf(state), (MainWindowTitle{"smith.qrv[*] - Quorvia", true}));
    state.InputUnsaved = false;
    EXPECT_EQ(MainWindowTitleOf(state), (MainWindowTitle{"smith.qrv[*] - Quorvia", false}));

    state.LoanFilePath.clear();
    EXPECT_EQ(MainWindowTitleOf(state).text, "Untitled[*] - Quorvia");

    // The window would take a "[*]" of the name for the mark.
    state.LoanFilePath = "/loans/a[*]b[*].qrv";
    EXPECT_EQ(MainWindowTitleOf(state).text, "a[*][*]b[*][*].qrv[*] - Quorvia");
}

}  // namespace
}  // namespace quorvia
