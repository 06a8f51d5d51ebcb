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

TEST(LoanFile, WritesFifteenLinesWithPrintStyleNumbers) {
    TempFolder folder;
    ASSERT_FALSE(WriteLoanFile(folder / "a.qrv", SampleEntries()));
    EXPECT_EQ(Contents(folder / "a.qrv"),
              "Jos\xE9 M\xFCller, Esq.\r\n100000.00\r\n8.5000\r\n360\r\n 6 \r\n 4 \r\n"
              "02/15/1999\r\n0.00\r\n 1 \r\n 1 \r\n\r\n01/20/1999\r\n 1 \r\n 1 \r\n 3 \r\n");
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
    std::ofstream(folder / "short.qrv", std::ios::binary) << "a\r\nb\r\nc\r\n";
    std::ofstream(folder / "bad.qrv", std::ios::binary)
        << "a\r\n1\r\n2\r\n3\r\n99999\r\n1\r\nx\r\ny\r\n0\r\n0\r\n\r\n\r\n0\r\n";
    LoanFileEntries entries = SampleEntries();
    EXPECT_TRUE(ReadLoanFile(folder / "empty.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "short.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "bad.qrv", entries, 0, 0));
    EXPECT_TRUE(ReadLoanFile(folder / "missing.qrv", entries, 0, 0));
    EXPECT_EQ(entries.name, SampleEntries().name);
}

TEST(LoanFile, ReadsAWindows1252FileFromAnOlderCopy) {
    TempFolder folder;
    std::ofstream(folder / "w.qrv", std::ios::binary)
        << "Fran\xE7oise \x93"
           "Fifi\x94 L\xE9vy\r\n1\r\n2\r\n3\r\n 1 \r\n 1 \r\nx\r\ny\r\n 0 \r\n"
           " 0 \r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n";
    LoanFileEntries read;
    ASSERT_FALSE(ReadLoanFile(folder / "w.qrv", read, 0, 0));
    EXPECT_EQ(read.name, "Françoise “Fifi” Lévy");
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
