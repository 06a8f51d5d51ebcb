#include "core/amortization/AmortControls.h"

#include <array>

#include "core/amortization/AmortFormModel.h"
#include "core/amortization/PaymentDates.h"
#include "core/base/FormTexts.h"

namespace quorvia {

namespace {

constexpr std::array<std::string_view, 19> kControlNames{
    "txtName",    "txtAmount",   "txtRate", "txtTerm", "txtPymt1", "txtPymt",      "txtNoInt",
    "txtStartDt", "txtOdd",      "optCalc", "optFreq", "optStyle", "cboSemiMthly", "chkFix",
    "chkBalDue",  "chkNbrPymts", "comOK",   "comClr",  "comQuit",
};

using F = AmortField;
using C = AmortControl;
using M = AmortFormModel;

const std::array<AmortFieldRow, kAmortFieldCount> kFields{{
    {F::Name, C::txtName, &M::txtName, "", AmortKeys::Any,
     "Enter borrower's name (or your organization's name)  to appear at top of printout "
     "(optional)",
     C::optCalc},
    {F::Amount, C::txtAmount, &M::txtAmount, kAmountMask, AmortKeys::Any,
     "Enter the amount of the loan proceeds", C::txtRate},
    {F::Rate, C::txtRate, &M::txtRate, kRateMask, AmortKeys::Decimal,
     "Enter the annual interest rate (note rate) in the format 'xx.xxxx' (e.g.: 10.75)",
     C::txtTerm},
    {F::Term, C::txtTerm, &M::txtTerm, kCountMask, AmortKeys::Any,
     "Enter the term of the loan (in months) or the number of months to a 'balloon' payment",
     C::txtPymt1},
    {F::FirstPayment, C::txtPymt1, &M::txtPymt1, kDateFieldText, AmortKeys::Any,
     "Enter the month, day and year of the first scheduled loan payment", C::optFreq},
    {F::Payment, C::txtPymt, &M::txtPymt, "#######0.00", AmortKeys::Any,
     "Enter the amount of scheduled payments (or zero to compute payment based on Term entered)",
     std::nullopt},
    {F::InterestFree, C::txtNoInt, &M::txtNoInt, kCountMask, AmortKeys::Digits,
     "Enter the NUMBER of payments to be made FREE of interest accrual(s)", std::nullopt},
    {F::FundingDate, C::txtStartDt, &M::txtStartDt, kDateFieldText, AmortKeys::Any,
     "Enter the date that loan proceeds will be disbursed (mm/dd/yy[yy])", C::chkFix},
    {F::OddDays, C::txtOdd, &M::txtOdd, kCountMask, AmortKeys::Any,
     "Add or subtract (negative) number of days to 1st payment (based on payment frequency)",
     C::chkFix},
}};

const std::array<AmortCheckRow, 3> kChecks{{
    {AmortCheck::Fix, C::chkFix, &M::chkFix,
     "Use Periodic Payment as a 'fixed' principal pymt. & add accrued interest for each payment "
     "period"},
    {AmortCheck::BalDue, C::chkBalDue, &M::chkBalDue,
     "Adjust last scheduled payment (+ or -) for full payout of remaining principal balance"},
    {AmortCheck::NbrPymts, C::chkNbrPymts, &M::chkNbrPymts,
     "Print the sequential payment number to the left of each Due Date"},
}};

}  // namespace

std::string_view ControlName(AmortControl control) {
    return kControlNames[static_cast<std::size_t>(control)];
}

std::string OptionName(AmortControl group, int index) {
    return std::string(ControlName(group)) + "(" + std::to_string(index) + ")";
}

const AmortFieldRow& FieldRow(AmortField field) {
    return kFields[static_cast<std::size_t>(field)];
}

const AmortCheckRow& CheckRow(AmortCheck check) {
    return kChecks[static_cast<std::size_t>(check)];
}

}  // namespace quorvia
