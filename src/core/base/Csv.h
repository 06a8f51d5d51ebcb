#pragma once
// CSV text as spreadsheets and other programs write it: fields separated by commas, a field in
// double quotes may hold commas, line ends and doubled quotes, records end with CR LF or LF.
// The reader takes one record at a time from a stream, so a file of any length is read in the
// memory of its longest record.

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// A record longer than this is no record a person or a program meant to write.
inline constexpr std::size_t kCsvRecordLimit = 64 * 1024;

struct CsvRecord {
    std::vector<std::string> fields;
    // The line of the input the record starts on, counted from 1.
    long line = 0;
    // Why the record could not be read (a quote left open, text after a closing quote, a
    // record over the limit); empty when it was. A record that cannot be read has no fields.
    std::string problem;
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& input, std::size_t recordLimit = kCsvRecordLimit);

    // The next record, skipping empty lines; false at the end of the input. After a record
    // that cannot be read, reading goes on at the next line.
    bool Next(CsvRecord& record);

  private:
    int Get();
    int Peek();
    void SkipRestOfLine();
    void SkipByteOrderMark();

    std::streambuf& input_;
    std::size_t recordLimit_;
    long line_ = 1;
    // Bytes read while looking for the byte-order mark that turned out to be text.
    std::string heldBytes_;
    std::size_t held_ = 0;
};

// A field as a CSV file carries it: in double quotes, with its quotes doubled, when it holds
// a comma, a quote or a line end; as it is otherwise.
std::string CsvField(std::string_view text);

}  // namespace quorvia
