#include "core/base/Csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quorvia {
namespace {

using Fields = std::vector<std::string>;

struct Read {
    long line;
    Fields fields;
    std::string problem;
    bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& read) {
    out << read.line << ":";
    for (const std::string& field : read.fields) {
        out << "[" << field << "]";
    }
    return out << read.problem;
}

std::vector<Read> ReadAll(const std::string& text, std::size_t limit = kCsvRecordLimit) {
    std::istringstream stream(text);
    CsvReader reader(stream, limit);
    std::vector<Read> records;
    for (CsvRecord record; reader.Next(record);) {
        records.push_back({record.line, record.fields, record.problem});
    }
    return records;
}

TEST(Csv, ReadsWhatSpreadsheetsWrite) {
    // CR LF or LF, quoted commas, doubled quotes and line ends inside quotes, empty fields, a
    // last line without its line end.
    EXPECT_EQ(ReadAll("id,name\r\n"
                      "1,\"Smith, J.\"\r\n"
                      "2,\"say \"\"hi\"\"\"\n"
                      "3,\"two\nlines\"\n"
                      ",\n"
                      "5,last"),
              (std::vector<Read>{{1, {"id", "name"}, ""},
                                 {2, {"1", "Smith, J."}, ""},
                                 {3, {"2", "say \"hi\""}, ""},
                                 {4, {"3", "two\nlines"}, ""},
                                 {6, {"", ""}, ""},
                                 {7, {"5", "last"}, ""}}));
}

TEST(Csv, SkipsTheByteOrderMarkAndEmptyLinesKeepingTheLineNumbers) {
    EXPECT_EQ(ReadAll("\xEF\xBB\xBFid\r\n\r\n\n7\r\n"),
              (std::vector<Read>{{1, {"id"}, ""}, {4, {"7"}, ""}}));
    // Not the whole mark: the bytes are the field's.
    EXPECT_EQ(ReadAll("\xEF\xBBx\n"), (std::vector<Read>{{1, {"\xEF\xBBx"}, ""}}));
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll("\r\n\n").empty());
}

TEST(Csv, ARecordThatCannotBeReadIsAProblemAndReadingGoesOnAtTheNextLine) {
    EXPECT_EQ(
        ReadAll("a,\"b\"c,d\n"
                "e\n"
                "0123456789,0123456789\n"
                "f\n"
                "\"open,g\n",
                16),
        (std::vector<Read>{{1, {}, "text follows the closing quote of a field"},
                           {2, {"e"}, ""},
                           {3, {}, "the record is longer than 16 characters"},
                           {4, {"f"}, ""},
                           {5, {}, "a quoted field is not closed before the end of the input"}}));
    // A record exactly at the limit is read; its line end does not count.
    EXPECT_EQ(ReadAll("0123456789abcdef\r\nx", 16),
              (std::vector<Read>{{1, {"0123456789abcdef"}, ""}, {2, {"x"}, ""}}));
}

TEST(Csv, AFieldIsQuotedOnlyWhenItMustBe) {
    EXPECT_EQ(CsvField("L-17"), "L-17");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("Smith, J."), "\"Smith, J.\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
}

}  // namespace
}  // namespace quorvia
