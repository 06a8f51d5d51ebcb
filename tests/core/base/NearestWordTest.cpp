#include "core/base/NearestWord.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace quorvia {
namespace {

TEST(EditDistanceTest, CountsEachKindOfSlipOnce) {
    EXPECT_EQ(EditDistance("--term", "--term"), 0);
    EXPECT_EQ(EditDistance("--trem", "--term"), 1);   // two letters swapped
    EXPECT_EQ(EditDistance("--trm", "--term"), 1);    // one left out
    EXPECT_EQ(EditDistance("--terrm", "--term"), 1);  // one too many
    EXPECT_EQ(EditDistance("--tarm", "--term"), 1);   // one wrong
    EXPECT_EQ(EditDistance("--TERM", "--term"), 0);   // case is no slip
    EXPECT_EQ(EditDistance("", "abc"), 3);
    EXPECT_EQ(EditDistance("abc", ""), 3);
    EXPECT_EQ(EditDistance("ca", "abc"), 3);
}

TEST(NearestWordTest, NamesTheClosestKnownWordOnlyWhenItIsClose) {
    const std::vector<std::string_view> known{"--amount", "--rate",  "--term",
                                              "--freq",   "--first", "--rate-change"};
    EXPECT_EQ(NearestWord("--trem", known), "--term");
    EXPECT_EQ(NearestWord("--fr", known), "--freq");
    EXPECT_EQ(NearestWord("-amount", known), "--amount");
    EXPECT_EQ(NearestWord("--rate-chnage", known), "--rate-change");
    // "--frst" is one edit from --first and two from --freq.
    EXPECT_EQ(NearestWord("--frst", known), "--first");
    EXPECT_EQ(NearestWord("--colour", known), std::nullopt);
    EXPECT_EQ(NearestWord("--prepaid", known), std::nullopt);
    EXPECT_EQ(NearestWord("--trem", {}), std::nullopt);
}

TEST(NearestWordTest, TheFirstOfEquallyCloseWordsWins) {
    EXPECT_EQ(NearestWord("--bat", {"--cat", "--bag"}), "--cat");
    EXPECT_EQ(NearestWord("--bat", {"--bag", "--cat"}), "--bag");
}

}  // namespace
}  // namespace quorvia
