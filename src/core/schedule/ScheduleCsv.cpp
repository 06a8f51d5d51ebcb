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

void AppendDigits(char* end, int value, int count) {
    for (int i = 0; i < count; ++i, value /= 10) {
        *--end = static_cast<char>('0' + value % 10);
    }
}

// "1998-04-10": the year in four digits at least. Written digit by digit: a portfolio writes
// one for every payment of every loan.
void AppendIsoDate(std::string& out, Date date) {
    const int year = YearOf(date);
    if (year < 0 || year > 9999) {
        char text[32];
        int length =
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, MonthOf(date), DayOf(date));
        out.append(text, static_cast<std::size_t>(length));
        return;
    }
    char text[] = "yyyy-mm-dd";
    AppendDigits(text + 4, year, 4);
    AppendDigits(text + 7, MonthOf(date), 2);
    AppendDigits(text + 10, DayOf(date), 2);
    out.append(text, sizeof text - 1);
}

void AppendAmount(std::string& out, double amount) {
    char text[kLongestPlainAmount];
    auto [end, failed] =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 2);
    if (failed == std::errc()) {
        out.append(text, end);
    }
}

void AppendWholeNumber(std::string& out, long number) {
    char text[24];
    auto [end, failed] = std::to_chars(text, text + sizeof text, number);
    out.append(text, end);
}

}  // namespace

std::string IsoDate(Date date) {
    std::string text;
    AppendIsoDate(text, date);
    return text;
}

// std::to_chars, unlike printf, writes a point whatever the program's locale: under one with a
// decimal comma the amounts would otherwise split into extra fields.
std::string PlainAmount(double amount) {
    std::string text;
    AppendAmount(text, amount);
    return text;
}

void AppendScheduleCsvRow(std::string& csv, const PaymentRow& row) {
    AppendWholeNumber(csv, row.number);
    csv += ',';
    AppendIsoDate(csv, row.dueDate);
    for (double amount : {row.payment, row.interest, row.principal, row.balance}) {
        csv += ',';
        AppendAmount(csv, amount);
    }
    csv += "\r\n";
}

std::string ScheduleCsv(const Schedule& schedule) {
    std::string csv(kScheduleCsvHeader);
    for (const PaymentRow& row : schedule.rows) {
        AppendScheduleCsvRow(csv, row);
    }
    return csv;
}

std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const Schedule& schedule) {
    return WriteFileAtomically(path, ScheduleCsv(schedule));
}

}  // namespace quorvia
