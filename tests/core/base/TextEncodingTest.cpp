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

TEST(TextEncoding, ConvertsWindows1252IncludingTheHighControls) {
    EXPECT_EQ(Windows1252ToUtf8("\x80 \x93x\x94 \xE9"), "€ “x” é");
}

// Files written by other tools: plain UTF-8 is UTF-8, with the mark or without it; bytes that
// are not UTF-8 come from an older copy of the program.
TEST(TextEncoding, AFileIsUtf8WhenMarkedOrValidElseWindows1252) {
    EXPECT_EQ(DecodeFileText("Ren\xC3\xA9"
                             "e M\xC3\xBCller"),
              "Renée Müller");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFRen\xC3\xA9"
                             "e"),
              "Renée");
    EXPECT_EQ(DecodeFileText("Ren\xE9"
                             "e \x93M\xFCller\x94"),
              "Renée “Müller”");
    // A mark before bytes that are not UTF-8 is Windows-1252 too, mark and all.
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xE9"), "ï»¿é");
}

}  // namespace
}  // namespace quorvia
