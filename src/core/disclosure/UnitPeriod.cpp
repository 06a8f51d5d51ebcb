#include "core/disclosure/UnitPeriod.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvia {

namespace {

using std::chrono::month_day_last;
using std::chrono::year_month_day_last;

constexpr int kDaysPerMonth = 30;
constexpr int kDaysPerSemiMonth = 15;
constexpr double kDaysPerYear = 365;

int MonthIndex(Date date) {
    return YearOf(date) * 12 + MonthOf(date) - 1;
}

bool IsLastDayOfMonth(Date date) {
    return date.day() == year_month_day_last{date.year(), month_day_last{date.month()}}.day();
}

// A whole count of units and the rest, the rest as a fraction of a unit.
UnitPosition Divide(int amount, int perUnit) {
    return {amount / perUnit, static_cast<double>(amount % perUnit) / perUnit};
}

// The standard intervals of time: a day, a week, a semimonth, a month, and the multiples of a
// week or a month up to a year, shortest first within each kind.
std::vector<UnitPeriod> StandardIntervals() {
    std::vector<UnitPeriod> intervals{{IntervalKind::Days, 1}, {IntervalKind::SemiMonth, 1}};
    for (int weeks = 1; weeks <= 52; ++weeks) {
        intervals.push_back({IntervalKind::Weeks, weeks});
    }
    for (int months = 1; months <= 12; ++months) {
        intervals.push_back({IntervalKind::Months, months});
    }
    return intervals;
}

UnitPeriod NearestStandardInterval(double days) {
    UnitPeriod nearest{IntervalKind::Days, 1};
    for (const UnitPeriod& interval : StandardIntervals()) {
        double distance = std::fabs(ApproximateDays(interval) - days);
        double best = std::fabs(ApproximateDays(nearest) - days);
        if (distance < best ||
            (distance == best && ApproximateDays(interval) < ApproximateDays(nearest))) {
            nearest = interval;
        }
    }
    return nearest;
}

}  // namespace

double UnitPeriodsPerYear(UnitPeriod unit) {
    switch (unit.kind) {
        case IntervalKind::Days:
            return kDaysPerYear / unit.count;
        case IntervalKind::Weeks:
            return 52.0 / unit.count;
        case IntervalKind::SemiMonth:
            return 24;
        case IntervalKind::Months:
            break;
    }
    return 12.0 / unit.count;
}

double ApproximateDays(UnitPeriod unit) {
    switch (unit.kind) {
        case IntervalKind::Days:
            return unit.count;
        case IntervalKind::Weeks:
            return 7.0 * unit.count;
        case IntervalKind::SemiMonth:
        case IntervalKind::Months:
            break;
    }
    return kDaysPerYear / UnitPeriodsPerYear(unit);
}

int DueDays::DueDayOf(Date date) const {
    return IsLastDayOfMonth(date) ? std::max(DayOf(date), seriesDay_) : DayOf(date);
}

Date DueDays::MonthsBefore(Date date, int months) const {
    return DayOfMonthFrom(date, -months, DueDayOf(date));
}

int DueDays::FullMonths(Date from, Date to) const {
    int months = MonthIndex(to) - MonthIndex(from);
    while (months > 0 && MonthsBefore(to, months) < from) {
        --months;
    }
    return std::max(months, 0);
}

UnitPeriod DueDays::PeriodBetween(Date from, Date to) const {
    int months = FullMonths(from, to);
    if (months >= 1 && MonthsBefore(to, months) == from) {
        return {IntervalKind::Months, months};
    }
    int monthsApart = MonthIndex(to) - MonthIndex(from);
    int dayStep = DueDayOf(to) - DueDayOf(from);
    if ((monthsApart == 0 && dayStep == kDaysPerSemiMonth) ||
        (monthsApart == 1 && dayStep == -kDaysPerSemiMonth)) {
        return {IntervalKind::SemiMonth, 1};
    }
    int days = DaysBetween(from, to);
    if (days > 0 && days % 7 == 0) {
        return {IntervalKind::Weeks, days / 7};
    }
    return {IntervalKind::Days, days};
}

UnitPosition DueDays::Position(Date from, Date to, UnitPeriod unit) const {
    switch (unit.kind) {
        case IntervalKind::Days:
            return Divide(DaysBetween(from, to), unit.count);
        case IntervalKind::Weeks:
            return Divide(DaysBetween(from, to), 7 * unit.count);
        case IntervalKind::SemiMonth:
        case IntervalKind::Months:
            break;
    }
    int months = FullMonths(from, to);
    int days = DaysBetween(from, MonthsBefore(to, months));
    if (unit.kind == IntervalKind::SemiMonth) {
        return Divide(kDaysPerMonth * months + days, kDaysPerSemiMonth);
    }
    if (unit.count < 12) {
        return Divide(kDaysPerMonth * months + days, kDaysPerMonth * unit.count);
    }
    // A year: whole years back from the later date; what is left counts in twelfths when it is
    // whole months, else in days of a 365-day year.
    UnitPosition position{months / 12, 0};
    if (days == 0) {
        position.fraction = (months % 12) / 12.0;
    } else {
        position.fraction = DaysBetween(from, MonthsBefore(to, 12 * position.whole)) / kDaysPerYear;
    }
    return position;
}

int SeriesDayOf(const std::vector<Date>& dates) {
    int day = 1;
    for (Date date : dates) {
        day = std::max(day, DayOf(date));
    }
    return day;
}

UnitPeriod UnitPeriodOf(const std::vector<Date>& dates, const DueDays& dueDays) {
    std::vector<std::pair<UnitPeriod, int>> seen;
    for (std::size_t i = 1; i < dates.size(); ++i) {
        UnitPeriod period = dueDays.PeriodBetween(dates[i - 1], dates[i]);
        if (!(ApproximateDays(period) > 0) || ApproximateDays(period) > kDaysPerYear) {
            continue;  // two payments due the same day, or longer than any unit period
        }
        auto found = std::find_if(seen.begin(), seen.end(),
                                  [&](const auto& entry) { return entry.first == period; });
        if (found == seen.end()) {
            seen.push_back({period, 1});
        } else {
            ++found->second;
        }
    }
    const std::pair<UnitPeriod, int>* common = nullptr;
    for (const auto& entry : seen) {
        if (entry.second < 2) {
            continue;
        }
        if (common == nullptr || entry.second > common->second ||
            (entry.second == common->second &&
             ApproximateDays(entry.first) < ApproximateDays(common->first))) {
            common = &entry;
        }
    }
    if (common != nullptr) {
        return common->first;
    }
    double averageDays = static_cast<double>(DaysBetween(dates.front(), dates.back())) /
                         static_cast<double>(dates.size() - 1);
    return NearestStandardInterval(averageDays);
}

}  // namespace quorvia
