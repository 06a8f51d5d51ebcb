#include "core/schedule/WorkFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/base/Dates.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendField(std::string& line, std::string_view field) {
    line += '"';
    if (field.empty()) {
        line += ' ';  // a field is never empty
    }
    for (char c : field) {
        if (c == '"') {
            line += "\"\"";
        } else if (c == '\r' || c == '\n') {
            line += ' ';  // a line break would split the record
        } else {
            line += c;
        }
    }
    line += '"';
}

void AppendRecord(std::string& out, std::string_view f1, std::string_view f2, std::string_view f3,
                  std::string_view f4, std::string_view f5) {
    AppendField(out, f1);
    out += ',';
    AppendField(out, f2);
    out += ',';
    AppendField(out, f3);
    out += ',';
    AppendField(out, f4);
    out += ',';
    AppendField(out, f5);
}

RunError IoError(int number, std::string_view what, const std::filesystem::path& path) {
    return {number, std::string(what) + " " + path.string() + ": " + std::strerror(errno)};
}

// An amount in the shape the writer prints ("1,234.56", "-50.00", ".00", "4,663.74*"), read
// digit by digit; nothing when the text has another shape or too many digits to be exact.
std::optional<int64_t> PrintedCents(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    text.remove_prefix(negative ? 1 : 0);
    if (text.ends_with('*')) {
        text.remove_suffix(1);
    }
    std::size_t point = text.size() - std::min<std::size_t>(text.size(), 3);
    if (text.size() < 3 || text[point] != '.') {
        return std::nullopt;
    }
    int64_t cents = 0;
    int digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) {
                return std::nullopt;
            }
            cents = cents * 10 + (c - '0');
        } else if (!(c == ',' && i < point) && i != point) {
            return std::nullopt;
        }
    }
    return negative ? -cents : cents;
}

// An amount as the work file prints it, in cents.
int64_t CentsOf(std::string_view text) {
    text = TrimView(text);
    if (std::optional<int64_t> cents = PrintedCents(text)) {
        return *cents;
    }
    std::string digits;
    for (char c : text) {
        if (c != ',') {
            digits += c;
        }
    }
    return std::llround(NumericValue(digits) * 100);
}

}  // namespace

std::string EncodeWorkRecord(const WorkRecord& record) {
    std::string line;
    AppendRecord(line, record[0], record[1], record[2], record[3], record[4]);
    return line;
}

std::optional<WorkRecord> DecodeWorkRecord(std::string_view line) {
    WorkRecord record;
    std::size_t pos = 0;
    for (std::size_t field = 0; field < record.size(); ++field) {
        if (field > 0) {
            if (pos >= line.size() || line[pos] != ',') {
                return std::nullopt;
            }
            ++pos;
        }
        if (pos >= line.size() || line[pos] != '"') {
            return std::nullopt;
        }
        ++pos;
        std::string& text = record[field];
        while (true) {
            if (pos >= line.size()) {
                return std::nullopt;
            }
            if (line[pos] == '"') {
                if (pos + 1 < line.size() && line[pos + 1] == '"') {
                    text += '"';
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            text += line[pos++];
        }
    }
    if (pos != line.size()) {
        return std::nullopt;
    }
    return record;
}

WorkFileWriter::~WorkFileWriter() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

std::optional<RunError> WorkFileWriter::Create(const std::filesystem::path& path) {
    // Remove whatever stands at the path (a symbolic link is removed, not followed), then
    // create the file exclusively so that nothing can be slipped in between.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return IoError(error_number::kPathFileAccess, "Cannot create", path);
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        return IoError(error_number::kPathFileAccess, "Cannot create", path);
    }
    buffer_.clear();
    buffer_.reserve(256 * 1024);
    return std::nullopt;
}

void WorkFileWriter::Write(const Schedule& schedule) {
    WriteHeading(schedule);
    Write(" ", " ", " ", " ", FormatNumber(schedule.openingBalance, "###,###,###.00"));
    auto subtotal = schedule.yearSubtotals.begin();
    for (std::size_t written = 0; written <= schedule.rows.size(); ++written) {
        for (; subtotal != schedule.yearSubtotals.end() && subtotal->afterRows == written;
             ++subtotal) {
            WriteMarker(work_marker::kYearTotal, false);
            Write("Interest for " + FormatNumber(subtotal->year, "####"),
                  FormatNumber(subtotal->interest, "###,###,###.00") + "*", " ", " ", " ");
        }
        if (written < schedule.rows.size()) {
            WritePayment(schedule.rows[written], schedule.numberedRows);
        }
    }
    WriteTotalsAndNotes(schedule);
}

void WorkFileWriter::WriteHeading(const Schedule& schedule) {
    const ScheduleHeading& heading = schedule.heading;
    WriteLine(heading.exactDays ? "Interest is computed using exact days between payment dates"
                                : "Interest is computed using equal 30 day months");
    WriteLine(TrimView(heading.borrowerName).empty() ? " " : UpperCase(heading.borrowerName));
    WriteLine("Amortization of a $" + FormatNumber(heading.statedAmount, "###,###,###.00") +
              " Loan at " + heading.rateText + "% with " +
              FormatNumber(schedule.scheduledCount, "##0") + " " + heading.frequencyName +
              " Payments");
    if (heading.fundingDate) {
        WriteLine("Loan proceeds disbursed on " + FormatDate(*heading.fundingDate, "mmmm d, yyyy"));
    } else if (heading.oddDays != 0) {
        WriteLine("Odd days to first scheduled payment = " + FormatNumber(heading.oddDays, "##0") +
                  "  (1st payment adjusted accordingly)");
    } else {
        WriteLine(" ");
    }
}

void WorkFileWriter::WritePayment(const PaymentRow& row, bool numbered) {
    std::string dueDate = numbered ? FormatNumber(row.number, "###") + ".   " : "";
    dueDate += FormatDate(row.dueDate, "mm/dd/yy");
    Write(dueDate, FormatNumber(row.payment, "###,###,##0.00"),
          FormatNumber(row.interest, "#,###,##0.00"), FormatNumber(row.principal, "###,###,##0.00"),
          FormatNumber(row.balance, "###,###,##0.00"));
}

void WorkFileWriter::WriteTotalsAndNotes(const Schedule& schedule) {
    WriteMarker(work_marker::kTotals, true);
    Write("TOTALS", FormatNumber(schedule.totals.payments, "###,######.00"),
          FormatNumber(schedule.totals.interest, "##,######.00"),
          FormatNumber(schedule.totals.principal, "###,######.00"), " ");
    for (const ScheduleEvent& event : schedule.events) {
        WriteMarker(work_marker::kFooter, true);
        WriteLine(DescribeEvent(event));
    }
    if (schedule.remainingBalance > 0) {
        WriteMarker(work_marker::kFooter, true);
        WriteLine("Note: Principal balance remaining at end of term = " +
                  FormatNumber(schedule.remainingBalance, "$##,###,##0.00"));
    }
    if (schedule.liquidatedEarly) {
        WriteMarker(work_marker::kFooter, true);
        WriteLine("Note: Payment schedule liquidated loan prior to specified term!");
    }
}

void WorkFileWriter::WriteLine(std::string_view field1) {
    Write(field1, " ", " ", " ", " ");
}

void WorkFileWriter::Write(const WorkRecord& record) {
    Write(record[0], record[1], record[2], record[3], record[4]);
}

void WorkFileWriter::Write(std::string_view f1, std::string_view f2, std::string_view f3,
                           std::string_view f4, std::string_view f5) {
    AppendRecord(buffer_, f1, f2, f3, f4, f5);
    buffer_ += kLineEnd;
}

void WorkFileWriter::WriteMarker(std::string_view word, bool inEveryField) {
    if (inEveryField) {
        Write(word, word, word, word, word);
    } else {
        WriteLine(word);
    }
}

std::optional<RunError> WorkFileWriter::Close() {
    if (file_ == nullptr) {
        return RunError{error_number::kPathFileAccess, "The schedule work file is not open."};
    }
    bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed) {
        return RunError{
            error_number::kPathFileAccess,
            std::string("Cannot write the schedule work file: ") + std::strerror(errno)};
    }
    return std::nullopt;
}

WorkFileReader::~WorkFileReader() = default;

std::optional<RunError> WorkFileReader::Open(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return RunError{error_number::kFileNotFound, "File not found"};
    }
    std::ostringstream content;
    content << in.rdbuf();
    text_ = std::move(content).str();
    position_ = 0;
    return std::nullopt;
}

std::optional<RunError> WorkFileReader::Read(WorkFileRecord& record) {
    if (AtEnd()) {
        return RunError{error_number::kInputPastEnd, "Input past end of file"};
    }
    std::size_t end = text_.find('\n', position_);
    std::string_view line(text_);
    line = line.substr(position_, end == std::string::npos ? std::string::npos : end - position_);
    position_ = end == std::string::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::optional<WorkRecord> decoded = DecodeWorkRecord(line);
    if (!decoded) {
        return RunError{error_number::kInputPastEnd, "Input past end of file"};
    }
    record.fields = std::move(*decoded);
    record.cents[0] = 0;
    for (std::size_t i = 1; i < record.fields.size(); ++i) {
        record.cents[i] = CentsOf(record.fields[i]);
    }
    return std::nullopt;
}

void RemoveFileQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace quorvia
