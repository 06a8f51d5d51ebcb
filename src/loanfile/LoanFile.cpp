#include "loanfile/LoanFile.h"

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "base/NumberText.h"
#include "base/Text.h"
#include "base/TextEncoding.h"

namespace quorvia {

namespace {

constexpr int kRequiredLines = 13;

RunError FileError(int number, const std::string& what) {
    return {number, what + (errno != 0 ? std::string(": ") + std::strerror(errno) : "")};
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
    std::optional<std::string> ansi = Utf8ToWindows1252(text);
    return ansi ? *ansi : text;
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
    std::filesystem::path temporary = path;
    temporary += ".saving-" + std::to_string(::getpid());
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return FileError(error_number::kPathFileAccess, "Path/File access error");
        }
        std::string bytes = FileBytes(entries);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary);
            return FileError(error_number::kPathFileAccess, "Disk write error");
        }
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return RunError{error_number::kPathFileAccess,
                        "Path/File access error: " + renamed.message()};
    }
    return std::nullopt;
}

std::optional<RunError> ReadLoanFile(const std::filesystem::path& path, LoanFileEntries& entries,
                                     int16_t defaultNumberPayments, int16_t defaultReportStyle) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return FileError(error_number::kFileNotFound, "File not found");
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    if (!IsValidUtf8(text)) {
        text = Windows1252ToUtf8(text);
    }
    std::vector<std::string> lines = SplitLines(text);
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
