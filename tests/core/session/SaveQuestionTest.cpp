#include "core/session/SaveQuestion.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace quorvia::testing {
namespace {

TEST(SaveQuestionTest, NothingUnsavedGoesOnWithoutAsking) {
    AppState state;
    ScriptedUi ui;
    ui.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(AskToSaveInput(state, ui, SaveDefault::Yes), MsgAnswer::No);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveQuestionTest, UnsavedInputIsAskedAboutWithTheCallersDefault) {
    AppState state;
    state.InputUnsaved = true;
    ScriptedUi ui;
    for (auto [defaultButton, expected] :
         {std::pair{SaveDefault::Yes, 1}, std::pair{SaveDefault::Cancel, 3}}) {
        ui.Clear();
        ui.QueueAnswer(MsgAnswer::Cancel);
        EXPECT_EQ(AskToSaveInput(state, ui, defaultButton), MsgAnswer::Cancel);
        ASSERT_EQ(ui.messages.size(), 1u);
        const Message& m = ui.messages[0];
        EXPECT_EQ(m.prompt, "You have not saved your current input.  Do you want to do so now?");
        EXPECT_EQ(m.title, "CAUTION");
        EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m.icon, MsgIcon::Question);
        EXPECT_EQ(m.defaultButton, expected);
    }
    EXPECT_TRUE(state.InputUnsaved) << "asking saves nothing and clears nothing";
}

}  // namespace
}  // namespace quorvia::testing
