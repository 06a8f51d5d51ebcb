// Every report layout, composed with fixed metrics: nothing drawn outside its place.
#include <gtest/gtest.h>

#include "support/ReportLayoutCheck.h"

namespace quorvia {
namespace {

using testing::ExpectEveryLayoutClean;

TEST(ReportLayoutTest, EveryStyleSizeWeightAndPageKeepsItsTextsApartAndInsideTheMargins) {
    FixedTextMetrics metrics;
    // Wide characters: the summary's rows fit across some pages only.
    EXPECT_GT(ExpectEveryLayoutClean(metrics), 0);
}

}  // namespace
}  // namespace quorvia
