#pragma once
// The payment-date rules of the amortization form: the semi-monthly due-day pairs and the
// steps from due day to due day, the computed first payment date, the year the schedule
// counts in, and (in PaymentDates.cpp) the form's handlers for its two date fields, the pair
// list and the date part of a frequency change.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/amortization/AmortControls.h"
#include "core/base/Dates.h"
#include "core/base/Ui.h"
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

// A loan loaded from a file names its pair but not yet its days; they follow from the pair.
void EnsurePairDays(SemiMonthlyChoice& choice);

bool OnDueDayPair(Date date, const SemiMonthlyChoice& choice);

// Takes the pair selected in the list (list index 0 to 3) into the choice; a list with no
// valid selection selects the first pair.
void TakePairFromList(int& listIndex, SemiMonthlyChoice& choice);

// Steps `first` from due day to due day until it is after `funding` (or, with
// includeFundingDay false, no longer before it).
Date FirstDueDayAfter(Date first, Date funding, bool includeFundingDay, SemiMonthlyChoice& choice);

// A first payment date off the pair moved onto it: the due day of its month the funding date
// suggests, then on past the funding date.
Date CorrectedToDueDayPair(Date first, Date funding, SemiMonthlyChoice& choice);

// Today plus one period; for a semi-monthly loan with exact days, moved to the due day of that
// month.
Date ComputedFirstPaymentDate(Date today, int frequency, bool exactDays, SemiMonthlyChoice& choice);

// The warning for a date field whose text is not a date.
void ShowDateFormatWarning(Ui& ui, AmortField field);

// The year the schedule counts a payment in: a year below 1980 is taken as 100 years later.
int16_t CountingYear(Date date);

}  // namespace quorvia
