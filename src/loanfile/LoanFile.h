#pragma once
// The loan data file: the entries of one amortization form, fifteen lines of text.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "base/RunError.h"

namespace quorvia {

inline constexpr std::string_view kLoanFileExtension = ".QRV";

// The fifteen lines in their order. Text lines hold a field exactly as it shows; number
// lines hold an option index or a check box value.
struct LoanFileEntries {
    std::string name;             // 1
    std::string amount;           // 2
    std::string rate;             // 3
    std::string term;             // 4
    int16_t frequency = 1;        // 5: 1 Monthly .. 6 Semi-Monthly
    int16_t semiMonthlyPair = 1;  // 6: 1..4
    std::string firstPayment;     // 7
    std::string payment;          // 8
    int16_t fixedPrincipal = 0;   // 9
    int16_t fullPayout = 0;       // 10
    std::string oddDays;          // 11
    std::string fundingDate;      // 12
    int16_t interestMethod = 0;   // 13: 0 equal 30-day months, 1 exact days
    int16_t numberPayments = 0;   // 14, may be missing
    int16_t reportStyle = 0;      // 15, may be missing
};

// Writes the file through a temporary file in the same folder renamed over the target, so a
// failed save never destroys the previous file. Text is written as Windows-1252 when every
// character fits, else as UTF-8 after a byte-order mark.
std::optional<RunError> WriteLoanFile(const std::filesystem::path& path,
                                      const LoanFileEntries& entries);

// Reads a file of 13 to 15 lines; lines 14 and 15 take the given defaults when missing.
// A file that starts with the UTF-8 byte-order mark is read as UTF-8, any other as
// Windows-1252. Anything but a regular text file of at most 64 KB is refused with a message
// that says what the file is. On an error `entries` is unchanged.
std::optional<RunError> ReadLoanFile(const std::filesystem::path& path, LoanFileEntries& entries,
                                     int16_t defaultNumberPayments, int16_t defaultReportStyle);

// A number line in the print-statement form: " 1 ", "-1 ".
std::string LoanFileNumberLine(int value);

}  // namespace quorvia
