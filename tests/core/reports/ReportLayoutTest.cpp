// Every report layout, composed with fixed metrics: nothing drawn outside its place.
#include <gtest/gtest.h>

#include "support/ReportLayoutCheck.h"

namespace quorvia {
namespace {

using testing::ComposeEveryLayout;
using testing::LayoutCase;
using testing::LayoutFaults;

TEST(ReportLayoutTest, EveryStyleSizeAndWeightKeepsItsTextsApartAndInsideTheMargins) {
    FixedTextMetrics metrics;
    int compositions = 0;
    ComposeEveryLayout(metrics, [&](const LayoutCase& layout, const ReportDocument& doc) {
        ++compositions;
        ASSERT_GT(doc.PageCount(), 1) << layout.Name();
        for (const std::string& fault : LayoutFaults(doc, metrics)) {
            ADD_FAILURE() << layout.Name() << ", " << fault;
        }
    });
    EXPECT_EQ(compositions, (3 * 2 + 1) * 7 * 2);
}

}  // namespace
}  // namespace quorvia
