#pragma once
// The loan data file: the entries of one amortization form, fifteen lines of text.

#include <filesystem>
#include <optional>
#include <string>

#include "core/amortization/LoanFileEntries.h"
#include "core/base/RunError.h"

namespace quorvia {

inline constexpr std::string_view kLoanFileExtension = ".QRV";

// Writes the file through a temporary file in the same folder renamed over the target, so a
// failed save never destroys the previous file. Plain ASCII text is written as it is, any
// other as UTF-8 after a byte-order mark.
std::optional<RunError> WriteLoanFile(const std::filesystem::path& path,
                                      const LoanFileEntries& entries);

// Reads a file of 13 to 15 lines; lines 14 and 15 take the given defaults when missing.
// A file that starts with the UTF-8 byte-order mark or is valid UTF-8 is read as UTF-8, any
// other as Windows-1252 (older copies of the program wrote it). Anything but a regular text
// file of at most 64 KB whose numbers are numbers and whose dates are dates is refused with a
// message that says what the file is ("... is not a loan data file", "... is empty, not a
// loan data file"). On an error `entries` is unchanged.
std::optional<RunError> ReadLoanFile(const std::filesystem::path& path, LoanFileEntries& entries,
                                     int16_t defaultNumberPayments, int16_t defaultReportStyle);

// A number line in the print-statement form: " 1 ", "-1 ".
std::string LoanFileNumberLine(int value);

}  // namespace quorvia
