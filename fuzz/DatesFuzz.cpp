// Date parsing and the calendar arithmetic the payment dates are built from. Input: the text
// of a date field on the first line; the rest picks a count of days and months to move by.

#include <string>

#include "FuzzSupport.h"
#include "core/base/Dates.h"

namespace {

using namespace quorvia;

std::string Shown(Date date) {
    return std::to_string(YearOf(date)) + "-" + std::to_string(MonthOf(date)) + "-" +
           std::to_string(DayOf(date));
}

// Every form the program writes a date in is read back as the same date.
void CheckTextForms(Date date) {
    for (std::string_view pattern : {"mm/dd/yyyy", "mmmm d, yyyy"}) {
        std::string text = FormatDate(date, pattern);
        QUORVIA_FUZZ_CHECK(ParseDate(text) == date, Shown(date) + " written as " + text);
    }
    std::string row = FormatDate(date, "mm/dd/yy");
    QUORVIA_FUZZ_CHECK(row.size() == 8, Shown(date) + " as a schedule row date: " + row);
}

void CheckArithmetic(Date date, int days, int months) {
    Date later = AddDays(date, days);
    QUORVIA_FUZZ_CHECK(later.ok(), Shown(date) + " plus days");
    QUORVIA_FUZZ_CHECK(DaysBetween(date, later) == days, Shown(date) + " to " + Shown(later));
    Date moved = AddMonths(date, months);
    QUORVIA_FUZZ_CHECK(moved.ok(), Shown(date) + " plus months");
    QUORVIA_FUZZ_CHECK(DayOf(moved) <= DayOf(date), Shown(date) + " moved to " + Shown(moved));
    int monthsMoved = (YearOf(moved) - YearOf(date)) * 12 + MonthOf(moved) - MonthOf(date);
    QUORVIA_FUZZ_CHECK(monthsMoved == months, Shown(date) + " moved to " + Shown(moved));
    QUORVIA_FUZZ_CHECK(BuildDate(YearOf(date), MonthOf(date) + months, DayOf(date) + days).ok(),
                       Shown(date));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::string_view text = input.Line();
    std::optional<Date> date = ParseDate(text);
    if (!date) {
        return 0;
    }
    QUORVIA_FUZZ_CHECK(date->ok() && YearOf(*date) >= 100 && YearOf(*date) <= 9999,
                       std::string(text) + " read as " + Shown(*date));
    CheckTextForms(*date);
    // Up to forty years either way: the longest schedule reaches that far from its dates.
    int days = input.Count(-15000, 15000);
    int months = input.Count(-480, 480);
    CheckArithmetic(*date, days, months);
    return 0;
}
