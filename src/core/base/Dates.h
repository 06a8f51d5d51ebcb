#pragma once
// Calendar dates without time, and the text forms the program reads and writes.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

using Date = std::chrono::year_month_day;

Date MakeDate(int year, int month, int day);  // the date must exist
int YearOf(Date date);
int MonthOf(Date date);
int DayOf(Date date);

// Builds a date from year, month and day, carrying an excess (or missing) day or month
// forward or back: April 31 is May 1, month 13 is January of the next year, day 0 is the last
// day of the month before.
Date BuildDate(int year, int month, int day);

// Adds whole months keeping the day of the month, clamped to the last day of a shorter month.
Date AddMonths(Date date, int months);

// Day `day` of the month `months` after the month of `date` (before it when negative), or that
// month's last day when the month is shorter.
Date DayOfMonthFrom(Date date, int months, int day);
Date AddDays(Date date, int days);
Date AddWeeks(Date date, int weeks);

// Adds count units of a date interval: "m" months, "ww" weeks, "d" days, "yyyy" years (as 12
// months, so February 29 becomes February 28 in a common year). Any other interval leaves the
// date unchanged.
Date AddInterval(Date date, std::string_view interval, int count);

// Calendar days from `from` to `to` (negative when `to` is earlier).
int DaysBetween(Date from, Date to);

bool IsWeekend(Date date);

// Parses the usual short-date notations: m/d/yy, m/d/yyyy, m-d-yyyy, m.d.yyyy (one or two
// digits for month and day, the same separator twice), yyyy-mm-dd, yyyy/mm/dd, and month names
// written out or abbreviated to three letters or more, in any case: "March 5, 1998",
// "5 March 1998", "Mar 5 98", "5-Mar-98". Blanks around the text are ignored. Two-digit years
// 00-29 are in the 2000s, 30-99 in the 1900s; four-digit years 100-9999 are taken as written.
// Returns nothing for text that is not a valid date, has anything left over, or lacks the year.
std::optional<Date> ParseDate(std::string_view text);

// Text forms: "mm/dd/yyyy" (fields), "mm/dd/yy" (schedule rows), "mmmm d, yyyy" (titles).
std::string FormatDate(Date date, std::string_view pattern);

}  // namespace quorvia
