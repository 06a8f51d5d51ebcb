#include "core/loanfile/LoanFile.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/InputFile.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/base/TextEncoding.h"

namespace quorvia {

namespace {

constexpr int kRequiredLines = 13;
// A real loan data file is under 1 KB.
constexpr std::size_t kLoanFileLimit = 64 * 1024;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Windows-1252, as older copies of the program read and write, when every character fits and
// the bytes cannot be mistaken for the mark; else UTF-8 after a byte-order mark. Reading
// follows the mark, so a saved file always loads back as the same text.
std::string Encoded(const std::string& text) {
    std::optional<std::string> ansi = Utf8ToWindows1252(text);
    if (ansi && !ansi->starts_with(kUtf8Bom)) {
        return *ansi;
    }
    return std::string(kUtf8Bom) + text;
}

std::string Decoded(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        if (IsValidUtf8(bytes)) {
            return std::string(bytes);
        }
    }
    return Windows1252ToUtf8(bytes);
}

RunError NotALoanFile(const std::filesystem::path& path) {
    return {error_number::kPathFileAccess, path.string() + " is not a loan data file"};
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
    return Encoded(text);
}

// A number line read as a 16-bit integer, blanks around it ignored.
std::optional<int16_t> NumberLine(const std::string& line) {
    double value = RoundHalfEven(NumericValue(line));
    if (!std::isfinite(value) || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(value);
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
    if (!HoldsOnlyText(bytes)) {
        return NotALoanFile(path);
    }
    std::vector<std::string> lines = SplitLines(Decoded(bytes));
    if (lines.size() < kRequiredLines) {
        return RunError{error_number::kInputPastEnd, "Input past end of file"};
    }
    LoanFileEntries read;
    const int numberLines[] = {5, 6, 9, 10, 13};
    std::optional<int16_t> numbers[5];
    for (int i = 0; i < 5; ++i) {
        numbers[i] = NumberLine(lines[numberLines[i] - 1]);
        if (!numbers[i]) {
            return RunError{error_number::kOverflow, "Overflow"};
        }
    }
    read.name = lines[0];
    read.amount = lines[1];
    read.rate = lines[2];
    read.term = lines[3];
    read.frequency = *numbers[0];
    read.semiMonthlyPair = *numbers[1];
    read.firstPayment = lines[6];
    read.payment = lines[7];
    read.fixedPrincipal = *numbers[2];
    read.fullPayout = *numbers[3];
    read.oddDays = lines[10];
    read.fundingDate = lines[11];
    read.interestMethod = *numbers[4];
    std::optional<int16_t> line14 = lines.size() > 13 ? NumberLine(lines[13]) : std::nullopt;
    std::optional<int16_t> line15 = lines.size() > 14 ? NumberLine(lines[14]) : std::nullopt;
    read.numberPayments = line14.value_or(defaultNumberPayments);
    read.reportStyle = line15.value_or(defaultReportStyle);
    entries = std::move(read);
    return std::nullopt;
}

}  // namespace quorvia
