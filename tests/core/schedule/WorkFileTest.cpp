#include "core/schedule/WorkFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::Loan;
using testing::ReadWorkFile;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The records of the loan's work file.
std::vector<WorkRecord> WorkFileOf(AmortInputs in, SemiMonthlyChoice semiMonthly = {},
                                   const ScheduleEvents& events = {}) {
    TempFolder folder;
    auto error = WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, nullptr, events);
    EXPECT_FALSE(error) << (error ? error->description : "");
    return ReadWorkFile(folder / "~amort.tmp");
}

// The first fields of the records after the marker `word`.
std::vector<std::string> AfterMarkers(const std::vector<WorkRecord>& records,
                                      std::string_view word) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        if (records[i][0] == word) {
            lines.push_back(records[i + 1][0]);
        }
    }
    return lines;
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
    WorkFileRecord record;
    int count = 0;
    while (!reader.AtEnd()) {
        ASSERT_FALSE(reader.Read(record));
        ++count;
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(record.fields[0], "yrtot");
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
    WorkFileRecord record;
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

TEST(ScheduleWorkFile, RecordsHaveTheirFixedLayout) {
    TempFolder folder;
    AmortInputs in = DerivedLoan(100000, 8.5, 12, 1, "01/15/1999");
    in.BorrowerName = "Ann \"Nan\" O'Hara";
    in.RateText = "8.5";
    in.NumberPaymentRows = true;
    SemiMonthlyChoice semiMonthly{};
    ASSERT_FALSE(WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr));
    std::ifstream file(folder / "~amort.tmp", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 21u);  // no note: the last payment leaves nothing
    EXPECT_EQ(lines[0],
              "\"Interest is computed using equal 30 day months\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[1], "\"ANN \"\"NAN\"\" O'HARA\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[2],
              "\"Amortization of a $100,000.00 Loan at 8.5% with 12 Monthly Payments\",\" \",\" "
              "\",\" \",\" \"\r");
    EXPECT_EQ(lines[3], "\" \",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[4], "\" \",\" \",\" \",\" \",\"100,000.00\"\r");
    EXPECT_EQ(lines[5].substr(0, 26), "\"1.   01/15/99\",\"8,721.98\"");
    EXPECT_EQ(lines[17], "\"yrtot\",\" \",\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[18].substr(0, 35), "\"Interest for 1999\",\"4,663.74*\",\" \"");
    EXPECT_EQ(lines[19], "\"totls\",\"totls\",\"totls\",\"totls\",\"totls\"\r");
    EXPECT_EQ(lines[20].substr(0, 9), "\"TOTALS\",");
    EXPECT_EQ(lines[20].substr(lines[20].size() - 5), ",\" \"\r");

    std::optional<WorkRecord> name = DecodeWorkRecord(lines[1].substr(0, lines[1].size() - 1));
    ASSERT_TRUE(name);
    EXPECT_EQ((*name)[0], "ANN \"NAN\" O'HARA");
}

TEST(ScheduleWorkFile, TheFourthTitleLineNamesTheFundingDateOrTheOddDays) {
    AmortInputs odd = DerivedLoan(100000, 8.5, 360, 1, "01/15/1999");
    odd.OddDays = 17;
    std::vector<WorkRecord> records = WorkFileOf(odd);
    EXPECT_EQ(records[3][0],
              "Odd days to first scheduled payment = 17  (1st payment adjusted accordingly)");
    EXPECT_EQ(records[5][1], "1,164.80");  // the first payment with the odd days' interest
    EXPECT_EQ(records[5][2], "1,104.22");

    AmortInputs exact = Loan(36500, 10, 3, 1, "02/01/1999");
    testing::UseExactDays(exact, "01/01/1999");
    exact.Payment = 1000;
    records = WorkFileOf(exact);
    EXPECT_EQ(records[0][0], "Interest is computed using exact days between payment dates");
    EXPECT_EQ(records[3][0], "Loan proceeds disbursed on January 1, 1999");
    EXPECT_EQ(records[5][2], "310.00");
}

TEST(ScheduleWorkFile, YearLinesFollowThePaymentThatClosesTheYear) {
    std::vector<WorkRecord> december = WorkFileOf(DerivedLoan(12000, 8, 12, 1, "01/15/1999"));
    ASSERT_GE(december.size(), 20u);
    EXPECT_EQ(december[5 + 12][0], "yrtot");
    EXPECT_EQ(december[5 + 14][0], "totls");
    EXPECT_EQ(AfterMarkers(december, "yrtot"), std::vector<std::string>{"Interest for 1999"});

    std::vector<WorkRecord> twoYears = WorkFileOf(DerivedLoan(1000, 8, 3, 1, "11/15/1999"));
    EXPECT_EQ(twoYears[5 + 2][0], "yrtot");  // after the December payment
    EXPECT_EQ(AfterMarkers(twoYears, "yrtot"),
              (std::vector<std::string>{"Interest for 1999", "Interest for 2000"}));
}

TEST(ScheduleWorkFile, NotesFollowTheTotals) {
    std::vector<WorkRecord> remaining = WorkFileOf(DerivedLoan(100000, 8.5, 360, 1, "01/15/1999"));
    std::vector<std::string> notes = AfterMarkers(remaining, "footr");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].rfind("Note: Principal balance remaining at end of term = $", 0), 0u);

    AmortInputs early = Loan(10000, 8, 60, 1, "01/15/1999");
    early.Payment = 1000;
    early.NumberPaymentRows = true;
    std::vector<WorkRecord> liquidated = WorkFileOf(early);
    EXPECT_EQ(AfterMarkers(liquidated, "footr"),
              std::vector<std::string>{
                  "Note: Payment schedule liquidated loan prior to specified term!"});
    EXPECT_EQ(liquidated[5 + 10][0].substr(0, 6), "11.   ");
    EXPECT_EQ(liquidated[5 + 10][4], "0.00");

    AmortInputs exact = Loan(1000, 0, 12, 1, "01/15/1999");
    exact.Payment = 100;
    std::vector<WorkRecord> paidOff = WorkFileOf(exact);
    EXPECT_TRUE(AfterMarkers(paidOff, "footr").empty());
    std::vector<std::string> totals = AfterMarkers(paidOff, "totls");
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_EQ(paidOff.back()[1], "1,000.00");
    EXPECT_EQ(paidOff.back()[2], ".00");
}

// A printed schedule says what it assumed: each event, in payment order, before what became
// of the balance.
TEST(ScheduleWorkFile, NotesStateTheEventsFirst) {
    std::vector<WorkRecord> records = WorkFileOf(DerivedLoan(100000, 6, 360, 1, "04/10/1998"), {},
                                                 {RateChange(0.0725, 61), ExtraPrincipal(200, 13)});
    EXPECT_EQ(AfterMarkers(records, "footr"),
              (std::vector<std::string>{
                  "Extra principal of $200.00 with each payment from payment 13",
                  "Rate 7.2500% from payment 61",
                  "Note: Payment schedule liquidated loan prior to specified term!"}));
    EXPECT_EQ(records.back(), (WorkRecord{"Note: Payment schedule liquidated loan prior to "
                                          "specified term!",
                                          " ", " ", " ", " "}));
}

TEST(ScheduleWorkFile, NegativeAmountsKeepTheirSign) {
    AmortInputs in = Loan(10000, 12, 12, 1, "01/15/1999");
    in.Payment = 50;  // the interest is 100 a month
    std::vector<WorkRecord> records = WorkFileOf(in);
    EXPECT_EQ(records[5][3], "-50.00");
    EXPECT_EQ(records[5][4], "10,050.00");
}

TEST(ScheduleWorkFile, ReadsBackEachAmountAsPrinted) {
    TempFolder folder;
    WorkFileWriter writer;
    ASSERT_FALSE(writer.Create(folder / "w.tmp"));
    writer.Write("1.   01/15/99", "1,164.80", ".00", "-50.00", "123,456,789.01");
    writer.Write("Interest for 1999", "4,663.74*", " ", " ", " ");
    writer.Write("other shapes", "1,234.5", "12", "-7.25*", "10,000,000,000,000.00");
    writer.WriteMarker("totls", true);
    ASSERT_FALSE(writer.Close());

    WorkFileReader reader;
    ASSERT_FALSE(reader.Open(folder / "w.tmp"));
    WorkFileRecord row;
    ASSERT_FALSE(reader.Read(row));
    EXPECT_EQ(row.fields[1], "1,164.80");  // the printed text stays as it is
    EXPECT_EQ(row.cents, (std::array<int64_t, 5>{0, 116480, 0, -5000, 12345678901}));
    WorkFileRecord year;
    ASSERT_FALSE(reader.Read(year));
    EXPECT_EQ(year.cents, (std::array<int64_t, 5>{0, 466374, 0, 0, 0}));
    WorkFileRecord other;
    ASSERT_FALSE(reader.Read(other));
    EXPECT_EQ(other.cents, (std::array<int64_t, 5>{0, 123450, 1200, -725, 1000000000000000}));
    WorkFileRecord marker;
    ASSERT_FALSE(reader.Read(marker));
    EXPECT_EQ(marker.cents, (std::array<int64_t, 5>{}));
}

TEST(ScheduleWorkFile, AScheduleReadsBackToItsOwnAmounts) {
    AmortInputs in = DerivedLoan(250000.55, 7.25, 36, 1, "03/15/2001");
    in.OddDays = -5;
    SemiMonthlyChoice semiMonthly{};
    TempFolder folder;
    Schedule schedule;
    ASSERT_FALSE(WriteSchedule(in, semiMonthly, folder / "~amort.tmp", nullptr, &schedule));
    WorkFileReader reader;
    ASSERT_FALSE(reader.Open(folder / "~amort.tmp"));
    WorkFileRecord record;
    for (int skip = 0; skip < 5; ++skip) {
        ASSERT_FALSE(reader.Read(record));
    }
    for (const PaymentRow& row : schedule.rows) {
        do {
            ASSERT_FALSE(reader.Read(record));
        } while (record.fields[0] == "yrtot" || record.fields[0].starts_with("Interest for"));
        EXPECT_EQ(record.cents[1], std::llround(row.payment * 100)) << row.number;
        EXPECT_EQ(record.cents[2], std::llround(row.interest * 100)) << row.number;
        EXPECT_EQ(record.cents[3], std::llround(row.principal * 100)) << row.number;
        EXPECT_EQ(record.cents[4], std::llround(row.balance * 100)) << row.number;
    }
}

}  // namespace
}  // namespace quorvia
