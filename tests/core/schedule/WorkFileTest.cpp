#include "core/schedule/WorkFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WorkRecord, QuotesEveryFieldAndDoublesQuotesInside) {
    WorkRecord record{"Say \"hi\"", "", "a,b", "x", "y"};
    std::string line = EncodeWorkRecord(record);
    EXPECT_EQ(line, "\"Say \"\"hi\"\"\",\" \",\"a,b\",\"x\",\"y\"");
    std::optional<WorkRecord> back = DecodeWorkRecord(line);
    ASSERT_TRUE(back);
    EXPECT_EQ((*back)[0], "Say \"hi\"");
    EXPECT_EQ((*back)[1], " ");
    EXPECT_EQ((*back)[2], "a,b");
}

TEST(WorkRecord, RefusesLinesThatAreNotFiveQuotedFields) {
    EXPECT_FALSE(DecodeWorkRecord("\"a\",\"b\",\"c\",\"d\""));
    EXPECT_FALSE(DecodeWorkRecord("\"a\",\"b\",\"c\",\"d\",\"e"));
    EXPECT_FALSE(DecodeWorkRecord("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\""));
    EXPECT_FALSE(DecodeWorkRecord("a,b,c,d,e"));
    EXPECT_FALSE(DecodeWorkRecord(""));
}

TEST(WorkFile, LineBreaksInAFieldCannotSplitARecord) {
    WorkRecord record{"two\r\nlines", " ", " ", " ", " "};
    std::optional<WorkRecord> back = DecodeWorkRecord(EncodeWorkRecord(record));
    ASSERT_TRUE(back);
    EXPECT_EQ((*back)[0], "two  lines");
}

TEST(WorkFile, WritesCrLfRecordsAndReadsThemBack) {
    TempFolder folder;
    WorkFileWriter writer;
    ASSERT_FALSE(writer.Create(folder / "w.tmp"));
    writer.WriteLine("title");
    writer.WriteMarker("totls", true);
    writer.WriteMarker("yrtot", false);
    ASSERT_FALSE(writer.Close());
    EXPECT_EQ(Contents(folder / "w.tmp"),
              "\"title\",\" \",\" \",\" \",\" \"\r\n"
              "\"totls\",\"totls\",\"totls\",\"totls\",\"totls\"\r\n"
              "\"yrtot\",\" \",\" \",\" \",\" \"\r\n");

    WorkFileReader reader;
    ASSERT_FALSE(reader.Open(folder / "w.tmp"));
    WorkRecord record;
    int count = 0;
    while (!reader.AtEnd()) {
        ASSERT_FALSE(reader.Read(record));
        ++count;
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(record[0], "yrtot");
    EXPECT_TRUE(reader.Read(record).has_value());  // past the end
}

TEST(WorkFile, ReaderReportsAMissingFileAndATruncatedRecord) {
    TempFolder folder;
    WorkFileReader reader;
    auto missing = reader.Open(folder / "none.tmp");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->number, error_number::kFileNotFound);

    std::ofstream(folder / "cut.tmp", std::ios::binary) << "\"a\",\" \",\" \"";
    ASSERT_FALSE(reader.Open(folder / "cut.tmp"));
    WorkRecord record;
    EXPECT_TRUE(reader.Read(record).has_value());
}

TEST(WorkFile, IsCreatedFreshNeverThroughALink) {
    TempFolder folder;
    std::ofstream(folder / "precious.txt") << "keep me";
    std::filesystem::create_symlink(folder / "precious.txt", folder / "~amort.tmp");

    WorkFileWriter writer;
    ASSERT_FALSE(writer.Create(folder / "~amort.tmp"));
    writer.WriteLine("new");
    ASSERT_FALSE(writer.Close());

    EXPECT_EQ(Contents(folder / "precious.txt"), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "~amort.tmp"));
    EXPECT_EQ(Contents(folder / "~amort.tmp"), "\"new\",\" \",\" \",\" \",\" \"\r\n");
}

TEST(WorkFile, CreateFailsCleanlyInAMissingFolder) {
    TempFolder folder;
    WorkFileWriter writer;
    auto error = writer.Create(folder / "no" / "such" / "~amort.tmp");
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->description.empty());
    EXPECT_TRUE(writer.Close().has_value());
}

}  // namespace
}  // namespace quorvia
