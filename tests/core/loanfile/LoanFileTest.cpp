#include "core/loanfile/LoanFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "support/FileSizeLimit.h"
#include "support/ScheduleTestSupport.h"

namespace quorvia {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

LoanFileEntries SampleEntries() {
    LoanFileEntries e;
    e.name = "José Müller, Esq.";
    e.amount = "100000.00";
    e.rate = "8.5000";
    e.term = "360";
    e.frequency = 6;
    e.semiMonthlyPair = 4;
    e.firstPayment = "02/15/1999";
    e.payment = "0.00";
    e.fixedPrincipal = 1;
    e.fullPayout = 1;
    e.oddDays = "";
    e.fundingDate = "01/20/1999";
    e.interestMethod = 1;
    e.numberPayments = 1;
    e.reportStyle = 3;
    return e;
}

// Plain ASCII is written as it is; anything else as UTF-8 after the byte-order mark.
TEST(LoanFile, WritesFifteenLinesWithPrintStyleNumbers) {
    TempFolder folder;
    LoanFileEntries plain = SampleEntries();
    plain.name = "Joe Miller, Esq.";
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", plain));
    EXPECT_EQ(Contents(folder / "a.qrv"),
              "Joe Miller, Esq.\r\n100000.00\r\n8.5000\r\n360\r\n 6 \r\n 4 \r\n"
              "02/15/1999\r\n0.00\r\n 1 \r\n 1 \r\n\r\n01/20/1999\r\n 1 \r\n 1 \r\n 3 \r\n");
    ASSERT_FALSE(WriteLoanFile(folder / "b.qrv", SampleEntries()));
    EXPECT_EQ(Contents(folder / "b.qrv").substr(0, 24),
              "\xEF\xBB\xBF"
              "Jos\xC3\xA9 M\xC3\xBCller, Esq.\r\n");
    EXPECT_EQ(LoanFileNumberLine(-1), "-1 ");
}

TEST(LoanFile, RoundTripsEveryField) {
    TempFolder folder;
    LoanFileEntries written = SampleEntries();
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", written));
    LoanFileEntries read;
    ASSERT_FALSE(ReadLoanFile(folder / "a.qrv", read, 0, 0));
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.amount, written.amount);
    EXPECT_EQ(read.rate, written.rate);
    EXPECT_EQ(read.term, written.term);
    EXPECT_EQ(read.frequency, 6);
    EXPECT_EQ(read.semiMonthlyPair, 4);
    EXPECT_EQ(read.firstPayment, written.firstPayment);
    EXPECT_EQ(read.payment, written.payment);
    EXPECT_EQ(read.fixedPrincipal, 1);
    EXPECT_EQ(read.fullPayout, 1);
    EXPECT_EQ(read.oddDays, "");
    EXPECT_EQ(read.fundingDate, written.fundingDate);
    EXPECT_EQ(read.interestMethod, 1);
    EXPECT_EQ(read.numberPayments, 1);
    EXPECT_EQ(read.reportStyle, 3);
}

TEST(LoanFile, KeepsCharactersOutsideWindows1252AsUtf8AfterAByteOrderMark) {
    TempFolder folder;
    LoanFileEntries e = SampleEntries();
    e.name = "Łukasz Żółw";
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", e));
    EXPECT_EQ(Contents(folder / "a.qrv").substr(0, 13),
              "\xEF\xBB\xBF"
              "Łukasz Ż");
    LoanFileEntries read;
    ASSERT_FALSE(ReadLoanFile(folder / "a.qrv", read, 0, 0));
    EXPECT_EQ(read.name, "Łukasz Żółw");
}

// Loading a file and saving it again gives the same bytes, whatever the text.
TEST(LoanFile, LoadingAndSavingGivesTheSameTextBack) {
    TempFolder folder;
    // "Â£100 Club" in Windows-1252 is C3 82 C2 A3 ...: bytes that are also valid UTF-8.
    const std::string names[] = {"Â£100 Club", "ï»¿Odd start", "Łódź", "plain", "€ “x” é"};
    for (const std::string& name : names) {
        LoanFileEntries e = SampleEntries();
        e.name = name;
        ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", e));
        std::string saved = Contents(folder / "a.qrv");
        for (int round = 0; round < 2; ++round) {
            LoanFileEntries read;
            ASSERT_FALSE(ReadLoanFile(folder / "a.qrv", read, 0, 0));
            EXPECT_EQ(read.name, name);
            ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", read));
            EXPECT_EQ(Contents(folder / "a.qrv"), saved) << name;
        }
    }
}

TEST(LoanFile, ReadsThirteenLinesWithTheDefaultsForTheRest) {
    TempFolder folder;
    std::ofstream(folder / "old.qrv", std::ios::binary)
        << "Smith\r\n5000\r\n9\r\n24\r\n 1 \r\n 0 \r\n03/01/1998\r\n0\r\n 0 \r\n 1 \r\n 12\r\n"
           "\r\n 0 \r\n";
    LoanFileEntries read;
    ASSERT_FALSE(ReadLoanFile(folder / "old.qrv", read, 1, 2));
    EXPECT_EQ(read.name, "Smith");
    EXPECT_EQ(read.frequency, 1);
    EXPECT_EQ(read.oddDays, " 12");
    EXPECT_EQ(read.numberPayments, 1);
    EXPECT_EQ(read.reportStyle, 2);
}

TEST(LoanFile, ShortOrEmptyFilesLeaveTheEntriesAlone) {
    TempFolder folder;
    std::ofstream(folder / "empty.qrv", std::ios::binary) << "";
    std::ofstream(folder / "short.qrv", std::ios::binary)
        << "a\r\n1\r\n2\r\n3\r\n 1 \r\n 1 \r\n04/10/1998\r\n0\r\n 0 \r\n 0 \r\n\r\n\r\n";
    std::ofstream(folder / "bad.qrv", std::ios::binary)
        << "a\r\n1\r\n2\r\n3\r\n99999\r\n1\r\n04/10/1998\r\n0\r\n0\r\n0\r\n\r\n\r\n0\r\n";
    LoanFileEntries entries = SampleEntries();
    EXPECT_TRUE(ReadLoanFile(folder / "empty.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "short.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "bad.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "missing.qrv", entries, 0, 0));
    EXPECT_EQ(entries.name, SampleEntries().name);
    EXPECT_EQ(ReadLoanFile(folder / "empty.qrv", entries, 0, 0)->description,
              (folder / "empty.qrv").string() + " is empty, not a loan data file");
    EXPECT_EQ(ReadLoanFile(folder / "short.qrv", entries, 0, 0)->description,
              (folder / "short.qrv").string() + " is not a loan data file");
    EXPECT_EQ(ReadLoanFile(folder / "bad.qrv", entries, 0, 0)->description, "Overflow");
}

TEST(LoanFile, ReadsPlainUtf8FromOtherToolsAndWindows1252FromAnOlderCopy) {
    TempFolder folder;
    const std::string rest =
        "\r\n1\r\n2\r\n3\r\n 1 \r\n 1 \r\n04/10/1998\r\n0\r\n 0 \r\n 0 \r\n\r\n\r\n 0 \r\n";
    folder.Write("w.qrv",
                 "Fran\xE7oise \x93"
                 "Fifi\x94 L\xE9vy" +
                     rest);
    folder.Write("u.qrv",
                 "Ren\xC3\xA9"
                 "e M\xC3\xBCller" +
                     rest);
    folder.Write("bom.qrv",
                 "\xEF\xBB\xBF\xC2\xA3"
                 "100 Club" +
                     rest);
    const std::pair<const char*, const char*> files[] = {
        {"w.qrv", "Françoise “Fifi” Lévy"}, {"u.qrv", "Renée Müller"}, {"bom.qrv", "£100 Club"}};
    for (const auto& [file, name] : files) {
        LoanFileEntries read;
        ASSERT_FALSE(ReadLoanFile(folder / file, read, 0, 0)) << file;
        EXPECT_EQ(read.name, name);
    }
}

// A file is refused whole, before any field is filled, unless its numbers are numbers and its
// dates dates: a text file renamed .qrv never puts its lines into the form.
TEST(LoanFile, RefusesAFileWhoseNumbersOrDatesAreNot) {
    TempFolder folder;
    const std::vector<std::string> valid = {
        "Ann", "$250,000.00", "0.5000%", "", " 1 ", "1",   "04/10/1998", "1,621.50",
        " 0 ", "-1",          " 12",     "", "0",   " 1 ", " 3 "};
    auto fileWith = [&](std::size_t line, const std::string& text) {
        std::vector<std::string> lines = valid;
        lines[line - 1] = text;
        std::string content;
        for (const std::string& each : lines) {
            content += each + "\r\n";
        }
        return folder.Write("loan.qrv", content);
    };
    LoanFileEntries read;
    ASSERT_FALSE(ReadLoanFile(fileWith(1, "Ann"), read, 0, 0));
    EXPECT_EQ(read.amount, "$250,000.00");
    EXPECT_EQ(read.fullPayout, -1);

    const std::pair<std::size_t, std::string> refused[] = {
        {2, "abc12x5"}, {3, "make run  # installs"},
        {4, "3 years"}, {5, "Monthly"},
        {6, ""},        {7, "13/45/1998"},
        {8, "1,2,,3"},  {9, "yes"},
        {11, "1.2.3"},  {12, "soon"},
        {13, "1 0"},
    };
    for (const auto& [line, text] : refused) {
        LoanFileEntries entries = SampleEntries();
        std::optional<RunError> error = ReadLoanFile(fileWith(line, text), entries, 0, 0);
        ASSERT_TRUE(error) << "line " << line << ": " << text;
        EXPECT_EQ(error->description, (folder / "loan.qrv").string() + " is not a loan data file");
        EXPECT_EQ(entries.name, SampleEntries().name);
    }
    // Lines 14 and 15 that hold no number take the preferences, as missing ones do.
    ASSERT_FALSE(ReadLoanFile(fileWith(15, "summary"), read, 0, 2));
    EXPECT_EQ(read.reportStyle, 2);
}

TEST(LoanFile, AFailedSaveKeepsThePreviousFile) {
    TempFolder folder;
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", SampleEntries()));
    std::string before = Contents(folder / "a.qrv");
    LoanFileEntries changed = SampleEntries();
    changed.name = std::string(200, 'C');
    {
        FileSizeLimit fullDisk(100);
        std::optional<RunError> error = WriteLoanFile(folder / "a.qrv", changed);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->description,
                  "Cannot write " + (folder / "a.qrv").string() + ": File too large");
    }
    EXPECT_EQ(Contents(folder / "a.qrv"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    EXPECT_TRUE(WriteLoanFile(folder / "no-such-folder" / "b.qrv", changed));
}

// A real loan data file is under 1 KB; anything that is not a small regular text file is
// refused at once, with what it is.
TEST(LoanFile, ReadsOnlySmallRegularTextFiles) {
    TempFolder folder;
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", SampleEntries()));
    std::string fits = Contents(folder / "a.qrv");
    fits += std::string(64 * 1024 - fits.size(), ' ');
    folder.Write("fits.qrv", fits);
    folder.Write("large.qrv", fits + " ");
    folder.Write("binary.qrv", std::string("a\r\nb\0c\r\n", 8) + std::string(20, '\n'));
    std::filesystem::create_directory(folder / "folder.qrv");
    ASSERT_EQ(::mkfifo((folder / "pipe.qrv").c_str(), 0600), 0);

    LoanFileEntries entries;
    EXPECT_FALSE(ReadLoanFile(folder / "fits.qrv", entries, 0, 0));
    const std::pair<const char*, std::string> refused[] = {
        {"large.qrv", " is too large for a loan data file (over 64 KB)"},
        {"binary.qrv", " is not a loan data file"},
        {"folder.qrv", " is a folder"},
        {"pipe.qrv", " is not a regular file"},
    };
    for (const auto& [name, says] : refused) {
        auto started = std::chrono::steady_clock::now();
        std::optional<RunError> error = ReadLoanFile(folder / name, entries, 0, 0);
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->description, (folder / name).string() + says);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << name;
    }
    std::optional<RunError> zero = ReadLoanFile("/dev/zero", entries, 0, 0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->description, "/dev/zero is not a regular file");
}

}  // namespace
}  // namespace quorvia
