// The font dialog and the families a report can be printed in.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>

#include "desktop/platform/FontDialog.h"
#include "desktop/platform/PdfPrinterService.h"
#include "desktop/platform/QtPrinterService.h"
#include "desktop/platform/ReportFontFamilies.h"

namespace quorvia {
namespace {

FontRequest ReportFontRequest(const std::string& name, double size, bool bold) {
    FontRequest request;
    request.initial = {name, size, bold, false, false, false};
    request.minSize = 8;
    request.maxSize = 14;
    request.flags = kCfPrinterFonts | kCfLimitSize;
    return request;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

TEST(FontDialogGuiTest, OpensOnTheFontAsTheReportDrawsItAndOkChangesNothing) {
    FontDialog dialog(ReportFontRequest("Times New Roman", 12, false), ReportFontFamilies());
    auto* families = dialog.findChild<QListWidget*>("lstFamily");
    auto* styles = dialog.findChild<QListWidget*>("lstStyle");
    auto* sizes = dialog.findChild<QListWidget*>("lstSize");
    EXPECT_EQ(dialog.windowTitle(), "Font");
    ASSERT_NE(families->currentItem(), nullptr);
    EXPECT_EQ(families->currentItem()->text(), "Liberation Serif");
    EXPECT_EQ(styles->currentItem()->text(), "Regular");
    EXPECT_EQ(Items(sizes), (QStringList{"8", "9", "10", "11", "12", "13", "14"}));
    EXPECT_EQ(sizes->currentItem()->text(), "12");

    FontChoice unchanged = dialog.Choice();
    EXPECT_EQ(unchanged.name, "Times New Roman");
    EXPECT_EQ(unchanged.size, 12);
    EXPECT_FALSE(unchanged.bold);
    EXPECT_FALSE(unchanged.italic);

    families->setCurrentItem(families->findItems("Liberation Mono", Qt::MatchExactly).value(0));
    styles->setCurrentRow(1);
    sizes->setCurrentRow(sizes->count() - 1);
    FontChoice changed = dialog.Choice();
    EXPECT_EQ(changed.name, "Liberation Mono");
    EXPECT_EQ(changed.size, 14);
    EXPECT_TRUE(changed.bold);
}

// A report is printed regular or bold, upright and without effects: nothing else is offered,
// so nothing is refused or ignored afterwards.
TEST(FontDialogGuiTest, OffersOnlyTheWeightsAReportUses) {
    FontRequest request = ReportFontRequest("Arial", 10, true);
    request.initial.italic = request.initial.underline = request.initial.strikethru = true;
    FontDialog dialog(request, ReportFontFamilies());
    auto* styles = dialog.findChild<QListWidget*>("lstStyle");
    EXPECT_EQ(Items(styles), (QStringList{"Regular", "Bold"}));
    EXPECT_EQ(styles->currentItem()->text(), "Bold");
    EXPECT_TRUE(dialog.findChildren<QAbstractButton*>().size() <= 2);  // OK and Cancel
    for (int row : {0, 1}) {
        styles->setCurrentRow(row);
        FontChoice choice = dialog.Choice();
        EXPECT_EQ(choice.bold, row == 1);
        EXPECT_FALSE(choice.italic || choice.underline || choice.strikethru);
    }
}

TEST(FontDialogGuiTest, TheDesktopAndTheBatchToolAcceptTheSameFamilies) {
    QtPrinterService desktop;
    PdfPrinterService batch;
    for (const char* name : {"Times New Roman", "Arial", "Courier New", "Liberation Serif",
                             "DejaVu Sans", "No Such Font Family"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(desktop.HasFont(name), batch.HasFont(name));
        EXPECT_EQ(batch.HasFont(name), std::string(name) != "No Such Font Family");
    }
    EXPECT_EQ(desktop.Fonts(), batch.Fonts());
    EXPECT_EQ(RenderedFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(RenderedFamily("Arial"), "Liberation Sans");
}

}  // namespace
}  // namespace quorvia
