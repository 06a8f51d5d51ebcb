// Every report layout, composed with fixed metrics: nothing drawn outside its place.
#include <gtest/gtest.h>

#include "support/ReportLayoutCheck.h"

namespace quorvia {
namespace {

using testing::ExpectEveryLayoutClean;

TEST(ReportLayoutTest, EveryStyleSizeAndWeightKeepsItsTextsApartAndInsideTheMargins) {
    FixedTextMetrics metrics;
    ExpectEveryLayoutClean(metrics);
}

}  // namespace
}  // namespace quorvia
