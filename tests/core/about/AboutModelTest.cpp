#include "core/about/AboutModel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/about/BuildVersion.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

class RecordingStarter : public ProgramStarter {
  public:
    bool Start(const fs::path& program, std::string_view argument) override {
        started.push_back(program.string() + (argument.empty() ? "" : " " + std::string(argument)));
        return starts;
    }
    bool starts = true;
    std::vector<std::string> started;
};

fs::path MakeProgram(const fs::path& folder, const std::string& name, bool executable = true) {
    fs::create_directories(folder);
    fs::path program = folder / name;
    std::ofstream(program) << "#!/bin/sh\n";
    ::chmod(program.c_str(), executable ? 0755 : 0644);
    return program;
}

TEST(BuildVersionTest, TheVersionLineComesFromTheBuild) {
    std::string number = std::to_string(QUORVIA_VERSION_MAJOR) + "." +
                         std::to_string(QUORVIA_VERSION_MINOR) + "." +
                         std::to_string(QUORVIA_VERSION_PATCH);
    std::string bits = sizeof(void*) == 8 ? "64" : "32";
    EXPECT_EQ(AboutVersionText(), "Version " + number + " (" + bits + " bit version)");
    EXPECT_EQ(CommandLineVersionText("quorvia"),
              "quorvia " + number + " (" + bits + " bit version)");
}

class AboutModelTest : public ::testing::Test {
  protected:
    AboutModel Model(const std::string& searchPath) { return AboutModel(ui, starter, searchPath); }

    TempFolder folder;
    ScriptedUi ui;
    RecordingStarter starter;
};

TEST_F(AboutModelTest, LoadShowsTheVersionOfThisBuild) {
    AboutModel about = Model("");
    EXPECT_EQ(about.lblVersion, "Version number");
    about.Form_Load();
    EXPECT_EQ(about.lblVersion, AboutVersionText());
}

TEST_F(AboutModelTest, WithoutAnySystemInformationProgramItSaysSo) {
    MakeProgram(folder.Path() / "bin", "not-sysinfo");
    AboutModel about = Model((folder.Path() / "bin").string() + ":/nonexistent");
    about.cmdSysInfo_Click();
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(ui.LastFocus(), "cmdOK");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
}

TEST_F(AboutModelTest, StartsTheFirstProgramOfTheListFoundOnThePath) {
    fs::path first = folder.Path() / "first";
    fs::path second = folder.Path() / "second";
    MakeProgram(first, "hardinfo");
    MakeProgram(second, "gnome-control-center");
    AboutModel about = Model(first.string() + ":" + second.string());
    about.StartSysInfo();
    // The list's order decides, not the order of the folders.
    EXPECT_EQ(starter.started, std::vector<std::string>{(second / "gnome-control-center").string() +
                                                        " info-overview"});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AboutModelTest, AProgramThatDoesNotStartEndsInTheMessage) {
    MakeProgram(folder.Path(), "kinfocenter");
    MakeProgram(folder.Path(), "hardinfo");
    starter.starts = false;
    AboutModel about = Model(folder.Path().string());
    about.StartSysInfo();
    EXPECT_EQ(starter.started.size(), 1u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, std::string(kSysInfoUnavailable));
}

TEST(FindOnPathTest, OnlyExecutableFilesInAbsoluteFoldersCount) {
    TempFolder folder;
    MakeProgram(folder.Path() / "a", "tool", false);
    fs::create_directories(folder.Path() / "b" / "tool");
    fs::path real = MakeProgram(folder.Path() / "c", "tool");
    std::string path = (folder.Path() / "a").string() + ":" + (folder.Path() / "b").string() +
                       "::relative:" + (folder.Path() / "c").string();
    EXPECT_EQ(FindOnPath("tool", path), real);
    EXPECT_EQ(FindOnPath("tool", (folder.Path() / "a").string()), std::nullopt);
    EXPECT_EQ(FindOnPath("tool", ""), std::nullopt);
}

}  // namespace
}  // namespace quorvia
