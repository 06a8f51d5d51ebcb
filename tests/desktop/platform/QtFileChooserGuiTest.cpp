#include "desktop/platform/QtFileChooser.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "core/printing/CDialogService.h"
#include "support/FileDialogTyping.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class QtFileChooserGuiTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScriptedUi ui;
    testing::ScriptedFontChooser fonts;
    QtFileChooser files;
    CDialog dialog{ui, fonts, files};
};

TEST_F(QtFileChooserGuiTest, NameFiltersShowEachPatternOnce) {
    QStringList filters = QtNameFilters({{"Quorvia Files  (*.qrv)", "*.qrv"},
                                         {"All Document files", "*.rtf;*.txt"},
                                         {"All Files (*.*)", "*.*"}});
    EXPECT_EQ(filters, QStringList({"Quorvia Files  (*.qrv)", "All Document files (*.rtf *.txt)",
                                    "All Files (*.*)"}));
}

TEST_F(QtFileChooserGuiTest, TheDialogShowsTheRequestAndASeveralFileChoiceBecomesFullPaths) {
    folder.Write("a.qrv", "a");
    folder.Write("b.qrv", "b");
    folder.Write("c.txt", "c");
    dialog.AddFilter("Quorvia Files ", "*.qrv");
    dialog.AddFilter("All Files", "*.*", true);
    dialog.DialogTitle = "Pick loans";
    dialog.InitDir = folder.Path().string();
    dialog.SetMultiSelect(2);
    QString title;
    QString shownFilter;
    QString shownFolder;
    testing::WhenTheDialogShows([&](QFileDialog& shown) {
        title = shown.windowTitle();
        shownFilter = shown.selectedNameFilter();
        shownFolder = shown.directory().absolutePath();
        EXPECT_EQ(shown.fileMode(), QFileDialog::ExistingFiles);
        EXPECT_TRUE(shown.testOption(QFileDialog::DontUseNativeDialog));
        testing::TypeName(shown, "\"b.qrv\" \"a.qrv\"");
    });
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(title, "Pick loans");
    EXPECT_EQ(shownFilter, "All Files (*.*)");
    EXPECT_EQ(shownFolder.toStdString(), folder.Path().string());
    ASSERT_EQ(dialog.SelectedFileCount(), 2);
    EXPECT_EQ(dialog.SelectedFile(1), (folder / "b.qrv").string());
    EXPECT_EQ(dialog.SelectedFile(2), (folder / "a.qrv").string());
    EXPECT_EQ(dialog.FilterIndex, 2);
}

TEST_F(QtFileChooserGuiTest, ACancelIsNoErrorAndASaveNameComesBackAsTyped) {
    dialog.InitDir = folder.Path().string();
    dialog.Filename = "*.qrv";
    dialog.AddFilter("Quorvia Files ", "*.qrv");
    testing::WhenTheDialogShows([](QFileDialog& shown) { shown.reject(); });
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_TRUE(ui.messages.empty());

    dialog.Flags = 0x802;
    testing::WhenTheDialogShows([](QFileDialog& shown) {
        EXPECT_EQ(shown.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(shown.testOption(QFileDialog::DontConfirmOverwrite));
        testing::TypeName(shown, "new loan");
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.SelectedFile(1), (folder / "new loan").string());
    EXPECT_EQ(dialog.FileTitle, "new loan");
    EXPECT_EQ(dialog.FileExt, static_cast<int16_t>(dialog.Filename.size()));
}

}  // namespace
}  // namespace quorvia
