#include "core/amortization/AmortControls.h"

#include <gtest/gtest.h>

#include <set>

#include "support/AmortFormFixture.h"

namespace quorvia::testing {
namespace {

TEST(AmortControlsTest, EveryControlHasItsOwnName) {
    std::set<std::string_view> names;
    for (int i = 0; i <= static_cast<int>(AmortControl::comQuit); ++i) {
        std::string_view name = ControlName(static_cast<AmortControl>(i));
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << name;
    }
    EXPECT_EQ(ControlName(AmortControl::txtPymt1), "txtPymt1");
    EXPECT_EQ(ControlName(AmortControl::comQuit), "comQuit");
    EXPECT_EQ(OptionName(AmortControl::optFreq, 3), "optFreq(3)");
}

TEST(AmortControlsTest, TheTablesStandInTheOrderOfTheirEnums) {
    for (size_t i = 0; i < kAmortFieldCount; ++i) {
        EXPECT_EQ(FieldRow(static_cast<AmortField>(i)).field, static_cast<AmortField>(i));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(CheckRow(static_cast<AmortCheck>(i)).check, static_cast<AmortCheck>(i));
    }
}

// Each row's text box is the one its control name shows: typing into a field by its enum
// reaches the member of the same name.
TEST_F(AmortFormTest, EachFieldRowReachesTheTextBoxOfItsControl) {
    const std::pair<AmortField, const AmortFormModel::TextBox*> boxes[] = {
        {F::Name, &form.txtName},          {F::Amount, &form.txtAmount},
        {F::Rate, &form.txtRate},          {F::Term, &form.txtTerm},
        {F::FirstPayment, &form.txtPymt1}, {F::Payment, &form.txtPymt},
        {F::InterestFree, &form.txtNoInt}, {F::FundingDate, &form.txtStartDt},
        {F::OddDays, &form.txtOdd},
    };
    const char* names[] = {"txtName", "txtAmount", "txtRate",    "txtTerm", "txtPymt1",
                           "txtPymt", "txtNoInt",  "txtStartDt", "txtOdd"};
    for (size_t i = 0; i < std::size(boxes); ++i) {
        EXPECT_EQ(&form.FieldOf(boxes[i].first), boxes[i].second);
        EXPECT_EQ(ControlName(FieldRow(boxes[i].first).control), names[i]);
    }
    form.Check_Click(AmortCheck::NbrPymts, 1);
    EXPECT_EQ(form.chkNbrPymts, 1);
    EXPECT_EQ(form.chkFix, 0);
    EXPECT_EQ(form.chkBalDue, 0);
}

}  // namespace
}  // namespace quorvia::testing
