#include "core/app/DesktopCommandLine.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

using Action = DesktopCommandLine::Action;

// After "--" every argument is a file, whatever it starts with; a lone "-" is a name too.
TEST(DesktopCommandLineTest, AFileNamedLikeAnOptionFollowsTheEndOfOptions) {
    DesktopCommandLine dashed = ParseDesktopCommandLine({"--", "--help.qrv"});
    EXPECT_EQ(dashed.action, Action::Run);
    EXPECT_EQ(dashed.file, "--help.qrv");
    EXPECT_EQ(ParseDesktopCommandLine({"-"}).file, "-");
    EXPECT_EQ(ParseDesktopCommandLine({"--", "a.qrv", "b.qrv"}).action, Action::UsageError);
    EXPECT_EQ(ParseDesktopCommandLine({"a.qrv", "--help"}).action, Action::Help);
}

}  // namespace
}  // namespace quorvia
