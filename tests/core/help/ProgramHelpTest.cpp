#include "core/help/ProgramHelp.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/help/HelpTopics.h"
#include "support/ScriptedHelp.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

TEST(HelpTopicsTest, TheMenuTopicsAndEveryWindowHaveADistinctPage) {
    std::set<int> contexts;
    std::set<std::string_view> pages;
    for (const HelpTopic& topic : HelpTopics()) {
        EXPECT_TRUE(contexts.insert(topic.context).second) << topic.context;
        EXPECT_TRUE(pages.insert(topic.page).second) << topic.page;
        EXPECT_EQ(TopicOfContext(topic.context), &topic);
    }
    for (int context : {10, 20, 25, 1205, help_context::kAmortForm, help_context::kPreviewWindow,
                        help_context::kDisclosureForm, help_context::kCalculatorForm,
                        help_context::kPreferencesForm}) {
        EXPECT_TRUE(contexts.contains(context)) << context;
    }
    EXPECT_EQ(TopicOfContext(0), nullptr);
    EXPECT_EQ(TopicOfContext(11), nullptr);
}

class ProgramHelpTest : public ::testing::Test {
  protected:
    ScriptedHelp engine;
    ScriptedUi ui;
    ProgramHelp help{engine, ui, "Quorvia"};
};

TEST_F(ProgramHelpTest, EachRequestIsOneCallWithItsCommand) {
    help.Contents();
    help.Search();
    help.HelpOnHelp();
    help.Topic(1205);
    help.Quit();
    EXPECT_EQ(engine.Log(), (std::vector<std::string>{"Finder", "PartialKey ''", "HelpOnHelp",
                                                      "Context 1205", "Quit"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProgramHelpTest, ContentsAndSearchWithoutAHelpFileTellThePersonAndCallNothing) {
    engine.hasHelpFile = false;
    help.Contents();
    help.Search();
    EXPECT_TRUE(engine.calls.empty());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].prompt, std::string(kNoHelpFile));
    EXPECT_EQ(ui.messages[1].title, "Quorvia");
    EXPECT_EQ(ui.messages[1].icon, MsgIcon::Information);
}

TEST_F(ProgramHelpTest, AFailedCallShowsTheDescriptionButQuittingStaysQuiet) {
    engine.failure = RunError{5, "The help file has no topic numbered 77."};
    help.Topic(77);
    help.HelpOnHelp();
    help.Quit();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].prompt, "The help file has no topic numbered 77.");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(engine.calls.size(), 3u);
}

}  // namespace
}  // namespace quorvia
