#include "core/schedule/ScheduleCsv.h"

#include <cstdio>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"

namespace quorvia {

namespace {

// Every digit of the amount, however large: the text is sized to the number.
std::string Plain(double amount) {
    int length = std::snprintf(nullptr, 0, "%.2f", amount);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2f", amount);
    return text;
}

std::string IsoDate(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", YearOf(date), MonthOf(date), DayOf(date));
    return text;
}

}  // namespace

std::string ScheduleCsv(const Schedule& schedule) {
    std::string csv = "number,due_date,payment,interest,principal,balance\r\n";
    for (const PaymentRow& row : schedule.rows) {
        csv += std::to_string(row.number) + ',' + IsoDate(row.dueDate) + ',' + Plain(row.payment) +
               ',' + Plain(row.interest) + ',' + Plain(row.principal) + ',' + Plain(row.balance) +
               "\r\n";
    }
    return csv;
}

std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const Schedule& schedule) {
    return WriteFileAtomically(path, ScheduleCsv(schedule));
}

}  // namespace quorvia
