#include "desktop/about/AboutForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "core/about/BuildVersion.h"
#include "desktop/platform/QtUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class NoStarter : public ProgramStarter {
  public:
    bool Start(const std::filesystem::path&, std::string_view) override {
        ++starts;
        return true;
    }
    int starts = 0;
};

class AboutFormGuiTest : public ::testing::Test {
  protected:
    AboutFormGuiTest() {
        ui.SetMessageHook([this](const Message& message) {
            messages.push_back(message);
            return std::optional<MsgAnswer>(MsgAnswer::Ok);
        });
    }

    TempFolder emptyFolder;
    QtUi ui;
    NoStarter starter;
    std::vector<Message> messages;
};

TEST_F(AboutFormGuiTest, ShowsTheVersionOfThisBuildAndTheDisclaimer) {
    AboutForm about(ui, starter, "", nullptr);
    EXPECT_EQ(about.objectName(), "frmAbout1");
    EXPECT_EQ(about.windowTitle(), "About Quorvia");
    EXPECT_EQ(about.VersionLabel()->text().toStdString(),
              "Version " + std::to_string(QUORVIA_VERSION_MAJOR) + "." +
                  std::to_string(QUORVIA_VERSION_MINOR) + "." +
                  std::to_string(QUORVIA_VERSION_PATCH) +
                  (sizeof(void*) == 8 ? " (64 bit version)" : " (32 bit version)"));
    auto* disclaimer = about.findChild<QLabel*>("lblDisclaimer");
    ASSERT_NE(disclaimer, nullptr);
    EXPECT_EQ(disclaimer->text().toStdString(), std::string(kAboutDisclaimer));
    EXPECT_NE(about.findChild<QLabel*>("picIcon")->pixmap().isNull(), true);
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "OK");
    EXPECT_EQ(about.SysInfoButton()->text(), "&System Info...");
}

TEST_F(AboutFormGuiTest, SystemInfoWithoutAProgramShowsTheMessageAndStaysOpen) {
    AboutForm about(ui, starter, emptyFolder.Path().string(), nullptr);
    about.show();
    QTest::mouseClick(about.SysInfoButton(), Qt::LeftButton);
    EXPECT_EQ(starter.starts, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(about.isVisible());

    QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace quorvia
