#pragma once
// The schedule as a CSV file for spreadsheets.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/RunError.h"
#include "core/schedule/Schedule.h"

namespace quorvia {

// An amount as files for other programs carry it: every digit however large, two decimals, no
// grouping, a decimal point whatever the locale ("1234567.89", "-50.00").
std::string PlainAmount(double amount);

// "1998-04-10": the four-digit year, the month, the day.
std::string IsoDate(Date date);

inline constexpr std::string_view kScheduleCsvHeader =
    "number,due_date,payment,interest,principal,balance\r\n";

// One payment as a row of the CSV text, appended with its line end.
void AppendScheduleCsvRow(std::string& csv, const PaymentRow& row);

// One row per payment under a header row: ISO dates (four-digit years), plain numbers with two
// decimals and every digit however large, CRLF line ends.
std::string ScheduleCsv(const Schedule& schedule);

// Writes the CSV text through the atomic writer: a reader sees the old file or the new one.
std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const Schedule& schedule);

}  // namespace quorvia
