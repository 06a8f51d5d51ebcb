#pragma once
// The federal calendar of the annual percentage rate: the standard intervals of time a period
// between two dates can be (a number of days, weeks or months, or a semimonth), the unit period
// a stream of payments is measured in, and how many whole unit periods and which fraction of
// one lie between two dates. All months count as equal: whole months are measured back from the
// later date and the days left over count as thirtieths of a month.

#include <vector>

#include "core/base/Dates.h"

namespace quorvia {

enum class IntervalKind { Days, Weeks, SemiMonth, Months };

struct UnitPeriod {
    IntervalKind kind = IntervalKind::Months;
    int count = 1;  // days, weeks or months; 1 for a semimonth

    bool operator==(const UnitPeriod&) const = default;
};

inline constexpr UnitPeriod kOneYear{IntervalKind::Months, 12};

// 365 ÷ days, 52 ÷ weeks, 24 semimonths, 12 ÷ months.
double UnitPeriodsPerYear(UnitPeriod unit);

// The length of the interval in days, a month taken as a twelfth of 365 days: how intervals
// are compared with one another.
double ApproximateDays(UnitPeriod unit);

// Where a date stands from the start of the transaction: whole unit periods and the fraction
// of one before them.
struct UnitPosition {
    int whole = 0;
    double fraction = 0;
};

// The day of the month a payment series is due on. A payment on the last day of a shorter
// month stands for that day: with payments due on the 31st, February 28 is measured from
// January 31 and to March 31, and with the 30th, from January 30.
class DueDays {
  public:
    // `seriesDay` is the latest day of the month any payment of the series falls on.
    explicit DueDays(int seriesDay) : seriesDay_(seriesDay) {}

    // The date `months` whole months before `date`, on the day the series is due.
    Date MonthsBefore(Date date, int months) const;

    // The whole months from `from` to `to`, measured back from `to`; zero when less than one.
    int FullMonths(Date from, Date to) const;

    // The period from `from` to `to` as a standard interval: whole months, a semimonth (from
    // one due day of a semi-monthly pair to the next), whole weeks, or else days.
    UnitPeriod PeriodBetween(Date from, Date to) const;

    // Whole unit periods and the fraction of one from `from` to `to` (which is not earlier).
    UnitPosition Position(Date from, Date to, UnitPeriod unit) const;

  private:
    int DueDayOf(Date date) const;

    int seriesDay_;
};

// The latest day of the month among the dates.
int SeriesDayOf(const std::vector<Date>& dates);

// The unit period of a transaction from the periods between its dates (the start of the term,
// then each payment): the period that occurs most often, not longer than a year, the shorter
// of two that occur equally often; when no period occurs twice, the standard interval nearest
// the average period, the shorter when two are equally near.
UnitPeriod UnitPeriodOf(const std::vector<Date>& dates, const DueDays& dueDays);

}  // namespace quorvia
