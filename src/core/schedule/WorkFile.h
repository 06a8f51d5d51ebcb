#pragma once
// The schedule work file: the computed schedule, formatted for printing, carried from the
// engine to the report composers. One record per line, five quoted fields separated by
// commas. A double quote inside a field is written doubled ("") and read back as one, so no
// borrower name can break a record. This file alone prints the schedule's amounts and reads
// them back.

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/RunError.h"
#include "core/schedule/Schedule.h"

namespace quorvia {

using WorkRecord = std::array<std::string, 5>;

// A record as read back: the five fields as printed and the amount each shows, in cents. The
// first field (a due date or a label) and a blank or a word show none: zero.
struct WorkFileRecord {
    WorkRecord fields;
    std::array<int64_t, 5> cents{};
};

inline constexpr std::string_view kWorkFileName = "~amort.tmp";

// Marker words in field 1.
namespace work_marker {
inline constexpr std::string_view kYearTotal = "yrtot";
inline constexpr std::string_view kTotals = "totls";
inline constexpr std::string_view kFooter = "footr";
inline constexpr std::string_view kNewPage = "newpage";
}  // namespace work_marker

// One record as a line (without the line end), and back.
std::string EncodeWorkRecord(const WorkRecord& record);
std::optional<WorkRecord> DecodeWorkRecord(std::string_view line);

// Writes records to a fresh file: an existing file or symbolic link at the path is removed
// first, never followed. Records are buffered and written when the writer is closed.
class WorkFileWriter {
  public:
    WorkFileWriter() = default;
    ~WorkFileWriter();
    WorkFileWriter(const WorkFileWriter&) = delete;
    WorkFileWriter& operator=(const WorkFileWriter&) = delete;

    std::optional<RunError> Create(const std::filesystem::path& path);
    // The records of a computed schedule: the title block, the opening balance, the payments
    // with each year's interest after the payment that closes the year, the totals, the notes
    // (first the events the schedule assumed, one a note, then what became of the balance).
    void Write(const Schedule& schedule);
    // A record whose first field is the text and whose other fields are one blank.
    void WriteLine(std::string_view field1);
    void Write(const WorkRecord& record);
    void Write(std::string_view f1, std::string_view f2, std::string_view f3, std::string_view f4,
               std::string_view f5);
    // Writes a marker record: the word in field 1 only, or in all five fields.
    void WriteMarker(std::string_view word, bool inEveryField);
    std::optional<RunError> Close();

  private:
    void WriteHeading(const Schedule& schedule);
    void WritePayment(const PaymentRow& row, bool numbered);
    void WriteTotalsAndNotes(const Schedule& schedule);

    std::FILE* file_ = nullptr;
    std::string buffer_;
};

// Reads records one by one until the end of the file.
class WorkFileReader {
  public:
    WorkFileReader() = default;
    ~WorkFileReader();
    WorkFileReader(const WorkFileReader&) = delete;
    WorkFileReader& operator=(const WorkFileReader&) = delete;

    std::optional<RunError> Open(const std::filesystem::path& path);
    bool AtEnd() const { return position_ >= text_.size(); }
    // The next record; an error when the file ends in the middle of a record or a line is
    // not a record of five fields.
    std::optional<RunError> Read(WorkFileRecord& record);

  private:
    std::string text_;
    std::size_t position_ = 0;
};

// Removes a file, ignoring any failure (a missing file included).
void RemoveFileQuietly(const std::filesystem::path& path);

}  // namespace quorvia
