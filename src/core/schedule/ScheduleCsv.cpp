#include "core/schedule/ScheduleCsv.h"

#include <cstdio>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"

namespace quorvia {

namespace {

std::string IsoDate(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", YearOf(date), MonthOf(date), DayOf(date));
    return text;
}

}  // namespace

// The text is sized to the number.
std::string PlainAmount(double amount) {
    int length = std::snprintf(nullptr, 0, "%.2f", amount);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2f", amount);
    return text;
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
