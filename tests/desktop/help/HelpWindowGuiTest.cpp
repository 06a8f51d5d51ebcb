// The help collection built with the program, opened by the help engine the program uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/help/HelpTopics.h"
#include "desktop/help/QtHelpEngine.h"
#include "support/BatchProcess.h"
#include "support/HelpCollection.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::BuildDir;
using testing::SourceDir;

fs::path Collection() {
    return BuildDir() / "quorvia.qhc";
}

// Every `name="..."` (or `ref="..."`) of the help project's keywords.
std::vector<std::string> KeywordAttributes(const std::string& attribute) {
    std::ifstream file(SourceDir() / "help" / "quorvia.qhp");
    std::stringstream text;
    text << file.rdbuf();
    std::string project = text.str();
    std::regex keyword("<keyword[^>]*" + attribute + "=\"([^\"]*)\"");
    std::vector<std::string> values;
    for (std::sregex_iterator it(project.begin(), project.end(), keyword), end; it != end; ++it) {
        values.push_back((*it)[1].str());
    }
    return values;
}

TEST(HelpCollectionTest, HoldsEveryPageEveryTopicAndEveryKeyword) {
    ASSERT_TRUE(fs::exists(Collection())) << Collection() << " was not built";
    QHelpEngineCore core(QString::fromStdString(Collection().string()));
    core.setReadOnly(true);
    ASSERT_TRUE(core.setupData()) << core.error().toStdString();

    for (const auto& entry : fs::directory_iterator(SourceDir() / "help")) {
        if (entry.path().extension() == ".html") {
            EXPECT_FALSE(core.fileData(HelpPageUrl(entry.path().filename().string())).isEmpty())
                << entry.path().filename();
        }
    }
    for (const HelpTopic& topic : HelpTopics()) {
        QString page = QString::fromUtf8(core.fileData(HelpPageUrl(topic.page)));
        EXPECT_TRUE(page.contains(
            "<title>" + QString::fromUtf8(topic.title.data(), topic.title.size()) + "</title>"))
            << topic.page;
    }
    std::vector<std::string> keywords = KeywordAttributes("name");
    ASSERT_GT(keywords.size(), 40u);
    for (const std::string& keyword : keywords) {
        EXPECT_FALSE(core.documentsForKeyword(QString::fromStdString(keyword)).isEmpty())
            << keyword;
    }
    // A keyword that points at a section points at one its page has.
    for (const std::string& ref : KeywordAttributes("ref")) {
        auto hash = ref.find('#');
        QString page = QString::fromUtf8(core.fileData(HelpPageUrl(ref.substr(0, hash))));
        ASSERT_FALSE(page.isEmpty()) << ref;
        if (hash != std::string::npos) {
            EXPECT_TRUE(
                page.contains("id=\"" + QString::fromStdString(ref.substr(hash + 1)) + "\""))
                << ref;
        }
    }
}

// Each test opens a copy of the collection of its own: the help window writes its search index
// beside the collection, and tests may run side by side.
class HelpEngineGuiTest : public ::testing::Test {
  protected:
    HelpEngineGuiTest() {
        testing::InstallHelpCollection(folder.Path());
        engine.SetHelpFile(folder.Path() / "quorvia.qhc", {});
    }

    HelpWindow* Window() const { return engine.Window(); }
    QUrl Shown() const { return Window()->Browser()->source(); }

    TempFolder folder;
    QtHelpEngine engine;
};

TEST_F(HelpEngineGuiTest, EveryContextNumberOpensItsTopic) {
    ASSERT_TRUE(engine.HasHelpFile());
    for (const HelpTopic& topic : HelpTopics()) {
        ASSERT_EQ(engine.Call({HelpCommand::Context, topic.context, ""}), std::nullopt)
            << topic.context;
        ASSERT_NE(Window(), nullptr);
        EXPECT_TRUE(Window()->isVisible());
        EXPECT_EQ(Shown(), HelpPageUrl(topic.page)) << topic.context;
        EXPECT_EQ(Window()->Browser()->documentTitle().toStdString(), topic.title);
    }
    std::optional<RunError> failure = engine.Call({HelpCommand::Context, 999, ""});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->description, "The help file has no topic numbered 999.");
}

TEST_F(HelpEngineGuiTest, ContentsIndexHelpOnHelpAndQuit) {
    ASSERT_EQ(engine.Call({HelpCommand::Finder, 0, ""}), std::nullopt);
    EXPECT_EQ(Window()->Tabs()->currentIndex(), HelpWindow::ContentsTab);
    EXPECT_EQ(Shown(), HelpPageUrl("overview.html"));

    ASSERT_EQ(engine.Call({HelpCommand::PartialKey, 0, ""}), std::nullopt);
    EXPECT_EQ(Window()->Tabs()->currentIndex(), HelpWindow::IndexTab);
    EXPECT_TRUE(Window()->IndexFilter()->text().isEmpty());

    ASSERT_EQ(engine.Call({HelpCommand::HelpOnHelp, 0, ""}), std::nullopt);
    EXPECT_EQ(Shown(), HelpPageUrl("using-help.html"));

    // Back returns to the page shown before.
    Window()->Browser()->backward();
    EXPECT_EQ(Shown(), HelpPageUrl("overview.html"));

    ASSERT_EQ(engine.Call({HelpCommand::Quit, 0, ""}), std::nullopt);
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(HelpEngineGuiTest, HelpAskedForFromAModalWindowTakesInputBesideIt) {
    QDialog preview;
    preview.setModal(true);
    preview.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &preview);
    ASSERT_EQ(engine.Call({HelpCommand::Context, 3300, ""}), std::nullopt);
    ASSERT_NE(Window()->windowHandle(), nullptr);
    EXPECT_EQ(Window()->windowHandle()->transientParent(), preview.windowHandle());
    preview.close();
}

TEST_F(HelpEngineGuiTest, TheFullTextSearchFindsTheTopicsThatHoldAWord) {
    ASSERT_EQ(engine.Call({HelpCommand::Finder, 0, ""}), std::nullopt);
    Window()->Search("semi-monthly");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Window()->SearchResults().isEmpty(); }, 20000));
    EXPECT_TRUE(Window()->SearchResults().contains(HelpPageUrl("amortization-info.html")));
}

// An installed copy's collection is read where it stands; the index goes to the cache folder.
TEST(HelpEngineIndexTest, AnIndexFolderOfItsOwnLeavesTheCollectionsFolderAsItWas) {
    TempFolder program;
    TempFolder cache;
    testing::InstallHelpCollection(program.Path());
    auto listing = [&program] {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(program.Path())) {
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    const std::vector<fs::path> before = listing();
    QtHelpEngine engine;
    engine.SetHelpFile(program / "quorvia.qhc", cache.Path());
    ASSERT_EQ(engine.Call({HelpCommand::Finder, 0, ""}), std::nullopt);
    engine.Window()->Search("semi-monthly");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !engine.Window()->SearchResults().isEmpty(); }, 20000));
    EXPECT_EQ(listing(), before);
    EXPECT_TRUE(fs::exists(cache / "help" / "quorvia.qhc"));
    EXPECT_TRUE(fs::exists(cache / "help" / "help" / "quorvia.qch"));
}

TEST(HelpEngineMissingTest, AMissingCollectionIsNoHelpFileAndACallSaysWhy) {
    TempFolder folder;
    QtHelpEngine engine;
    EXPECT_FALSE(engine.HasHelpFile());
    engine.SetHelpFile(folder.Path() / "quorvia.qhc", {});
    EXPECT_FALSE(engine.HasHelpFile());
    std::optional<RunError> failure = engine.Call({HelpCommand::Context, 20, ""});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->description,
              "The help file " + (folder.Path() / "quorvia.qhc").string() + " cannot be found.");
    EXPECT_EQ(engine.Window(), nullptr);

    // A collection without its topics beside it.
    fs::copy_file(Collection(), folder.Path() / "quorvia.qhc");
    failure = engine.Call({HelpCommand::Context, 20, ""});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->description, "The help file " + (folder.Path() / "quorvia.qhc").string() +
                                        " cannot be read: its topics (help/quorvia.qch) are "
                                        "missing.");
    fs::remove(folder.Path() / "quorvia.qhc");
    engine.SetHelpFile({}, {});

    // A file that is not a help collection is found but cannot be read.
    std::ofstream(folder.Path() / "quorvia.qhc") << "not a collection";
    engine.SetHelpFile(folder.Path() / "quorvia.qhc", {});
    EXPECT_TRUE(engine.HasHelpFile());
    failure = engine.Call({HelpCommand::Finder, 0, ""});
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->description.find("cannot be read"), std::string::npos);
}

}  // namespace
}  // namespace quorvia
