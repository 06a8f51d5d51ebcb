#pragma once
// The annual percentage rate of a closed-end loan: the yearly rate that ties the money the
// borrower receives to the payments the borrower makes, in amount and in time. Each payment
// stands a number of whole unit periods and a fraction of one after the advance; the rate per
// unit period is the one at which the payments, discounted back to the advance, are worth
// exactly the amount financed, and the annual rate is that rate times the unit periods in a
// year. Two ways of charging the rate are offered:
//   - actuarial: at the end of each unit period (or fraction of one) the finance charge earned
//     is added to the balance and any payment taken off it, so unpaid finance charge earns more;
//   - United States Rule: the finance charge is worked out at each payment and never added to
//     the balance; a payment that does not cover it leaves the rest owed until later payments
//     pay it, and a payment period longer than one unit period earns simple interest.

#include <optional>
#include <string>
#include <vector>

#include "core/base/Dates.h"
#include "core/disclosure/UnitPeriod.h"

namespace quorvia {

struct Advance {
    Date date{};
    double amount = 0;
};

struct ScheduledPayment {
    Date date{};
    double amount = 0;
};

struct CreditTransaction {
    std::vector<Advance> advances;
    std::vector<ScheduledPayment> payments;  // in date order
};

enum class AprMethod { Actuarial, UnitedStatesRule };

// The rate per unit period is solved to within this. Even with daily unit periods the annual
// rate is then exact to within a millionth of a percentage point, where a disclosure may be
// off by an eighth of one.
inline constexpr double kUnitRateTolerance = 1e-14;

struct AprResult {
    // The annual percentage rate in percent (9.69 for 9.69 %); nothing when `refusal` says why
    // no rate can be given.
    std::optional<double> percent;
    std::string refusal;
    UnitPeriod unitPeriod;
    double unitPeriodsPerYear = 0;
};

// The rate of a transaction with one advance. A single payment is measured over the whole
// term: whole months under a year make the unit period, else the days of the term, and a term
// of a year or more is measured in years.
AprResult AnnualPercentageRate(const CreditTransaction& transaction, AprMethod method);

}  // namespace quorvia
