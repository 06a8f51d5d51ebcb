#include "core/app/MainActionTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvia {
namespace {

TEST(MainActionTableTest, EveryActionHasOneUniqueName) {
    std::set<std::string_view> names;
    for (const MainActionEntry& entry : MainActionTable()) {
        EXPECT_FALSE(entry.name.empty()) << IndexOf(entry.action);
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_EQ(NameOf(entry.action), entry.name);
    }
    EXPECT_EQ(names.size(), kMainActionCount);
    EXPECT_EQ(NameOf(MainAction::mnuFile), "mnuFile");
    EXPECT_EQ(NameOf(MainAction::mnuHelpTips), "mnuHelpTips");
    EXPECT_EQ(NameOf(MainAction::tbHelp), "tbHelp");
}

// The window builds whatever the table says: a command without a handler, or an item before
// any menu, would crash it at the first click or at start-up.
TEST(MainActionTableTest, EveryEntryCanBeBuiltAndClicked) {
    bool inMenu = false;
    for (const MainActionEntry& entry : MainActionTable()) {
        const std::string name(entry.name);
        switch (entry.kind) {
            case MainActionKind::Menu:
                inMenu = true;
                EXPECT_EQ(entry.handler, nullptr) << name;
                break;
            case MainActionKind::Item:
                EXPECT_TRUE(inMenu) << name;
                EXPECT_NE(entry.handler, nullptr) << name;
                break;
            case MainActionKind::Separator:
                EXPECT_TRUE(inMenu) << name;
                EXPECT_TRUE(entry.caption.empty()) << name;
                break;
            case MainActionKind::BarItem:
                EXPECT_NE(entry.handler, nullptr) << name;
                break;
            case MainActionKind::Tool:
                EXPECT_EQ(entry.handler, nullptr) << name;
                EXPECT_FALSE(entry.icon.empty()) << name;
                EXPECT_FALSE(entry.caption.empty()) << name;
                break;
        }
    }
}

}  // namespace
}  // namespace quorvia
