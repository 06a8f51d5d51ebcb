#pragma once
// Amounts and interest rates as a person types or pastes them into a field or gives them on the
// command line. They are read as the number-text reader reads a number (NumberText.h), but the
// number must be the whole text: text that is not an amount or a rate is refused, never taken as
// its leading number or as 0.

#include <optional>
#include <string>
#include <string_view>

#include "core/base/Ui.h"

namespace quorvia {

// An amount: a number with an optional dollar sign before it or after its sign, and commas
// between the thousands before the decimal point ("250000", "250,000", "$250,000.00", "-$5").
// Blanks are ignored wherever they stand ("1 000", "$ 1,000"); blank text is 0. Anything else
// ("abc", "12x5", "(250000)", "1,00", "2,50,000") is not an amount: nothing.
std::optional<double> AmountValue(std::string_view text);

// An annual interest rate, in percent: a number with an optional "%" after it. A number of 1 or
// more is a percentage, one below 1 a fraction already (".0675" is 6.75); with the "%" it is a
// percentage whatever its size ("0.5%"). Blanks are ignored, blank text is 0; anything else is
// not a rate: nothing.
std::optional<double> RatePercent(std::string_view text);

// How a rate field shows a rate in percent once the person leaves it: four decimals ("6.7500"),
// and a "%" after a percentage below 1 ("0.5000%"), which without it would read as a fraction.
std::string RateFieldText(double percent);

// The rate as a report title prints it (before its "%"): as typed when typed as a percentage
// ("8.5"), otherwise the percentage it stands for (".0675" gives "6.7500").
std::string RateTitleText(std::string_view typed);

// What an amount or a rate entry takes, for the messages that refuse one.
inline constexpr std::string_view kAmountExample =
    "an amount such as 250000, 250,000 or $250,000.00";
inline constexpr std::string_view kRateExample = "a rate in percent such as 6.75, or .0675";

// The message that refuses an entry that is not a number, naming its field ("Loan Amount").
Message NotANumberMessage(std::string_view fieldName, std::string_view example);

}  // namespace quorvia
