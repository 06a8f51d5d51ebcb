#include "desktop/platform/QtDialogControl.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTextEdit>

#include "core/printing/CDialogService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class QtDialogControlGuiTest : public ::testing::Test {
  protected:
    std::string Path(std::string_view name) const { return (folder / name).string(); }

    TempFolder folder;
    ScriptedUi ui;
    testing::ScriptedFontChooser fonts;
    testing::ScriptedFileChooser files;
    CDialog dialog{ui, fonts, files};
};

TEST_F(QtDialogControlGuiTest, EachKindOfControlIsSavedAndLoadedThroughTheDialogs) {
    QListWidget list;
    list.addItems({"first", "second"});
    QtDialogControl listControl(&list);
    EXPECT_EQ(listControl.Kind(), ControlKind::List);
    files.Choose(Path("items.lst"));
    ASSERT_TRUE(dialog.ShowSave(&listControl));
    EXPECT_EQ(dialog.Filter, "Data Files|*.dat;*.lst|All Files (*.*)|*.*|");
    EXPECT_EQ(TempFolder::Read(folder / "items.lst"), "first\nsecond\n");
    list.clear();
    files.Choose(Path("items.lst"));
    ASSERT_TRUE(dialog.ShowOpen(&listControl));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), "second");

    QLineEdit line("José's note");
    QtDialogControl lineControl(&line);
    EXPECT_EQ(lineControl.Kind(), ControlKind::Text);
    ASSERT_FALSE(lineControl.SaveTo(folder / "note.txt", ControlKind::Text));
    line.clear();
    ASSERT_FALSE(lineControl.LoadFrom(folder / "note.txt", ControlKind::Text));
    EXPECT_EQ(line.text(), "José's note");
    EXPECT_TRUE(lineControl.SaveTo(folder / "x.lst", ControlKind::List));

    QTextEdit rich;
    rich.setHtml("<b>bold</b> words");
    QtDialogControl richControl(&rich);
    EXPECT_EQ(richControl.Kind(), ControlKind::RichText);
    ASSERT_FALSE(richControl.SaveTo(folder / "doc.html", ControlKind::RichText));
    ASSERT_FALSE(richControl.SaveTo(folder / "doc.txt", ControlKind::Text));
    EXPECT_EQ(TempFolder::Read(folder / "doc.txt"), "bold words");
    rich.clear();
    ASSERT_FALSE(richControl.LoadFrom(folder / "doc.html", ControlKind::RichText));
    EXPECT_EQ(rich.toPlainText(), "bold words");
    EXPECT_TRUE(rich.toHtml().contains("font-weight"));
}

TEST_F(QtDialogControlGuiTest, APictureKeepsItsPixelsAndAFileThatIsNoPictureIsRefused) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QLabel label;
    label.setPixmap(QPixmap::fromImage(image));
    QtDialogControl picture(&label);
    EXPECT_EQ(picture.Kind(), ControlKind::Picture);
    ASSERT_FALSE(picture.SaveTo(folder / "red.bmp", ControlKind::Picture));
    EXPECT_EQ(TempFolder::Read(folder / "red.bmp").substr(0, 2), "BM");

    QLabel other;
    QtDialogControl otherPicture(&other);
    ASSERT_FALSE(otherPicture.LoadFrom(folder / "red.bmp", ControlKind::Picture));
    EXPECT_EQ(other.pixmap().size(), QSize(4, 3));
    EXPECT_EQ(other.pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));

    folder.Write("fake.bmp", "not a picture");
    std::optional<RunError> error =
        otherPicture.LoadFrom(folder / "fake.bmp", ControlKind::Picture);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 481);
    EXPECT_TRUE(otherPicture.LoadFrom(folder / "missing.bmp", ControlKind::Picture));
}

}  // namespace
}  // namespace quorvia
