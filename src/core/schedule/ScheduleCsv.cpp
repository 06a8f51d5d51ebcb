#include "core/schedule/ScheduleCsv.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"

namespace quorvia {

namespace {

// The sign, the 309 digits of the largest double, the point and two decimals.
constexpr std::size_t kLongestPlainAmount = 320;

std::string IsoDate(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", YearOf(date), MonthOf(date), DayOf(date));
    return text;
}

}  // namespace

// std::to_chars, unlike printf, writes a point whatever the program's locale: under one with a
// decimal comma the amounts would otherwise split into extra fields.
std::string PlainAmount(double amount) {
    char text[kLongestPlainAmount];
    auto [end, failed] =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 2);
    return failed == std::errc() ? std::string(text, end) : std::string();
}

std::string ScheduleCsv(const Schedule& schedule) {
    std::string csv = "number,due_date,payment,interest,principal,balance\r\n";
    for (const PaymentRow& row : schedule.rows) {
        csv += std::to_string(row.number) + ',' + IsoDate(row.dueDate) + ',' +
               PlainAmount(row.payment) + ',' + PlainAmount(row.interest) + ',' +
               PlainAmount(row.principal) + ',' + PlainAmount(row.balance) + "\r\n";
    }
    return csv;
}

std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const Schedule& schedule) {
    return WriteFileAtomically(path, ScheduleCsv(schedule));
}

}  // namespace quorvia
