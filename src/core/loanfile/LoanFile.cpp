#include "core/loanfile/LoanFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/InputFile.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/base/TextEncoding.h"

namespace quorvia {

namespace {

constexpr int kRequiredLines = 13;
// A real loan data file is under 1 KB.
constexpr std::size_t kLoanFileLimit = 64 * 1024;
// The lines written as numbers (print-statement form), 1-based; 14 and 15 may be missing.
constexpr int kNumberLines[] = {5, 6, 9, 10, 13};
// The lines that hold a field's number as typed, and those that hold a date.
constexpr int kNumberFieldLines[] = {2, 3, 4, 8, 11};
constexpr int kDateLines[] = {7, 12};

RunError NotALoanFile(const std::filesystem::path& path) {
    return {error_number::kPathFileAccess, path.string() + " is not a loan data file"};
}

RunError EmptyFile(const std::filesystem::path& path) {
    return {error_number::kPathFileAccess, path.string() + " is empty, not a loan data file"};
}

std::string FileBytes(const LoanFileEntries& e) {
    std::string text;
    auto line = [&](std::string_view value) {
        text += value;
        text += "\r\n";
    };
    line(e.name);
    line(e.amount);
    line(e.rate);
    line(e.term);
    line(LoanFileNumberLine(e.frequency));
    line(LoanFileNumberLine(e.semiMonthlyPair));
    line(e.firstPayment);
    line(e.payment);
    line(LoanFileNumberLine(e.fixedPrincipal));
    line(LoanFileNumberLine(e.fullPayout));
    line(e.oddDays);
    line(e.fundingDate);
    line(LoanFileNumberLine(e.interestMethod));
    line(LoanFileNumberLine(e.numberPayments));
    line(LoanFileNumberLine(e.reportStyle));
    return EncodeFileText(text);
}

// Digits, at most one decimal point and at least one digit, then an optional exponent.
bool IsPlainNumber(std::string_view text) {
    std::size_t digits = 0;
    std::size_t pos = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (std::isdigit(static_cast<unsigned char>(text[pos]))) {
            ++digits;
        } else if (text[pos] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        std::size_t exponentStart = pos;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

// A field that holds an amount or a rate as the form's fields take them ("250,000",
// "$1,000.00", "0.5000%"), or nothing (a term or odd days not given).
bool IsNumberOrEmpty(std::string_view line) {
    return AmountValue(line).has_value() || RatePercent(line).has_value();
}

bool IsDateOrEmpty(std::string_view line) {
    return TrimView(line).empty() || ParseDate(line).has_value();
}

// A number line: a whole number, blanks around it ignored. Nothing when it is no number.
std::optional<double> NumberLineValue(const std::string& line) {
    std::string_view text = TrimView(line);
    std::string_view magnitude = text;
    if (magnitude.starts_with('+') || magnitude.starts_with('-')) {
        magnitude.remove_prefix(1);
    }
    if (!IsPlainNumber(magnitude)) {
        return std::nullopt;
    }
    return RoundHalfEven(NumericValue(text));
}

bool FitsInt16(double value) {
    return std::isfinite(value) && value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

// Lines 14 and 15 fall back to the preferences when they are missing or hold no number.
int16_t OptionalNumberLine(const std::vector<std::string>& lines, std::size_t index,
                           int16_t fallback) {
    if (index >= lines.size()) {
        return fallback;
    }
    std::optional<double> value = NumberLineValue(lines[index]);
    return value && FitsInt16(*value) ? static_cast<int16_t>(*value) : fallback;
}

// The first thirteen lines are what makes a file a loan data file: the numbers are numbers,
// the dates dates. Anything else (a letter, notes, a list renamed .qrv) is refused before a
// single field is filled.
bool HoldsLoanEntries(const std::vector<std::string>& lines) {
    if (lines.size() < kRequiredLines) {
        return false;
    }
    auto all = [&lines](const auto& numbers, auto holdsWhatItShould) {
        return std::all_of(std::begin(numbers), std::end(numbers),
                           [&](int number) { return holdsWhatItShould(lines[number - 1]); });
    };
    return all(kNumberLines, [](const std::string& line) { return NumberLineValue(line); }) &&
           all(kNumberFieldLines, IsNumberOrEmpty) && all(kDateLines, IsDateOrEmpty);
}

}  // namespace

std::string LoanFileNumberLine(int value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::optional<RunError> WriteLoanFile(const std::filesystem::path& path,
                                      const LoanFileEntries& entries) {
    return WriteFileAtomically(path, FileBytes(entries));
}

std::optional<RunError> ReadLoanFile(const std::filesystem::path& path, LoanFileEntries& entries,
                                     int16_t defaultNumberPayments, int16_t defaultReportStyle) {
    std::string bytes;
    if (auto error = ReadInputFile(path, kLoanFileLimit, "loan data file", bytes)) {
        return error;
    }
    if (bytes.empty()) {
        return EmptyFile(path);
    }
    std::vector<std::string> lines;
    if (HoldsOnlyText(bytes)) {
        lines = SplitLines(DecodeFileText(bytes));
    }
    if (!HoldsLoanEntries(lines)) {
        return NotALoanFile(path);
    }
    LoanFileEntries read;
    int16_t numbers[std::size(kNumberLines)];
    for (std::size_t i = 0; i < std::size(kNumberLines); ++i) {
        double value = *NumberLineValue(lines[kNumberLines[i] - 1]);
        if (!FitsInt16(value)) {
            return RunError{error_number::kOverflow, "Overflow"};
        }
        numbers[i] = static_cast<int16_t>(value);
    }
    read.name = lines[0];
    read.amount = lines[1];
    read.rate = lines[2];
    read.term = lines[3];
    read.frequency = numbers[0];
    read.semiMonthlyPair = numbers[1];
    read.firstPayment = lines[6];
    read.payment = lines[7];
    read.fixedPrincipal = numbers[2];
    read.fullPayout = numbers[3];
    read.oddDays = lines[10];
    read.fundingDate = lines[11];
    read.interestMethod = numbers[4];
    read.numberPayments = OptionalNumberLine(lines, 13, defaultNumberPayments);
    read.reportStyle = OptionalNumberLine(lines, 14, defaultReportStyle);
    entries = std::move(read);
    return std::nullopt;
}

}  // namespace quorvia
