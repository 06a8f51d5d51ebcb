#pragma once
// The calendar rules of the amortization form that need no form: the semi-monthly due-day
// pairs, one step to the next due day of a pair, and the year the schedule counts in.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/base/Dates.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

// The date fields hold this form after leaving them succeeded.
inline constexpr std::string_view kDateFieldText = "mm/dd/yyyy";

inline constexpr std::array<std::string_view, 4> kDueDatePairCaptions{"1st & 16th", "5th & 20th",
                                                                      "10th & 25th", "15th & 30th"};

// Sets the pair 1 to 4 and its two due days into the choice; any other pair selects pair 1.
void ChooseDueDatePair(SemiMonthlyChoice& choice, int pair);

// The next due day after `current`: the second due day of the same month when the current
// half (element 3) is 1, else the first due day of the following month; the half flips.
// The date is built with carry, so day 30 of February is the 1st or 2nd of March.
Date NextDueDay(Date current, SemiMonthlyChoice& choice);

// The year the schedule counts a payment in: a year below 1980 is taken as 100 years later.
int16_t CountingYear(Date date);

}  // namespace quorvia
