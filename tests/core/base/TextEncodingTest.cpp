#include "core/base/TextEncoding.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(TextEncoding, TellsUtf8FromWindows1252) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("Jos\xC3\xA9"));
    EXPECT_FALSE(IsValidUtf8("Jos\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // an overlong slash
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));      // cut short
}

TEST(TextEncoding, ConvertsBothWaysIncludingTheHighControls) {
    EXPECT_EQ(Windows1252ToUtf8("\x80 \x93x\x94 \xE9"), "€ “x” é");
    EXPECT_EQ(Utf8ToWindows1252("€ “x” é"), std::optional<std::string>("\x80 \x93x\x94 \xE9"));
    EXPECT_EQ(Utf8ToWindows1252("Łódź"), std::nullopt);
}

}  // namespace
}  // namespace quorvia
