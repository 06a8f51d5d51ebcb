#pragma once
// The entries of one amortization form as a loan data file keeps them: the form fills them for
// a save and takes them back on a load.

#include <cstdint>
#include <string>

namespace quorvia {

// The fifteen lines in their order. Text lines hold a field exactly as it shows; number
// lines hold an option index or a check box value.
struct LoanFileEntries {
    std::string name;             // 1
    std::string amount;           // 2
    std::string rate;             // 3
    std::string term;             // 4
    int16_t frequency = 1;        // 5: 1 Monthly .. 6 Semi-Monthly
    int16_t semiMonthlyPair = 1;  // 6: 1..4
    std::string firstPayment;     // 7
    std::string payment;          // 8
    int16_t fixedPrincipal = 0;   // 9
    int16_t fullPayout = 0;       // 10
    std::string oddDays;          // 11
    std::string fundingDate;      // 12
    int16_t interestMethod = 0;   // 13: 0 equal 30-day months, 1 exact days
    int16_t numberPayments = 0;   // 14, may be missing
    int16_t reportStyle = 0;      // 15, may be missing

    bool operator==(const LoanFileEntries&) const = default;
};

}  // namespace quorvia
