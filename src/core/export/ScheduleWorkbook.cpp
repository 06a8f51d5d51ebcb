#include "core/export/ScheduleWorkbook.h"

#include <fcntl.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/schedule/ScheduleCsv.h"
#include "core/schedule/ScheduleTexts.h"

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMoneyFormat = "$#,##0.00";
constexpr std::string_view kMoneyMask = "$#,##0.00";
constexpr const char* kDateFormat = "mm/dd/yyyy";
constexpr std::string_view kDateText = "mm/dd/yyyy";
// Room beside a column's widest text, and the widest column a spreadsheet takes, in characters.
constexpr double kColumnPadding = 2;
constexpr double kWidestColumn = 255;
constexpr std::size_t kMostRateDecimals = 10;

// The columns of the schedule sheet.
enum ScheduleColumn : lxw_col_t { kNumber, kDueDate, kPayment, kInterest, kPrincipal, kBalance };
constexpr const char* kHeadings[] = {"No.",      "Pymt Due Date", "Payment",
                                     "Interest", "Principal",     "Balance"};

// Spreadsheets read serial dates before March 1900 differently, and none goes past 9999: such
// a date is written as text in the same form.
bool IsSpreadsheetDate(Date date) {
    return date >= MakeDate(1900, 3, 1) && date <= MakeDate(9999, 12, 31);
}

// The amount to the cent, as the CSV shows it: the cell holds what it displays, and its column
// adds up as the report does.
double ShownAmount(double amount) {
    std::string text = PlainAmount(amount);
    double shown = amount;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

// Characters of UTF-8 text: its bytes less the continuation bytes.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A control character would make the workbook unreadable; it is shown as a blank.
std::string CellText(std::string_view text) {
    std::string cell(text);
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return cell;
}

// The rate with as many decimals as its text shows ("8.5000" as 8.5000 %).
std::string PercentFormat(std::string_view rateText) {
    rateText = TrimView(rateText);
    std::size_t point = rateText.find('.');
    std::string_view digits = point == std::string_view::npos ? "" : rateText.substr(point + 1);
    std::size_t decimals =
        std::min({digits.find_first_not_of("0123456789"), digits.size(), kMostRateDecimals});
    return decimals == 0 ? "0%" : "0." + std::string(decimals, '0') + "%";
}

// libxlsxwriter prints numbers with printf: where the locale writes a decimal comma the
// workbook would hold "768,91", which no spreadsheet reads. While the object lives this
// thread writes numbers the C way.
class CNumbers {
  public:
    CNumbers() : c_(::newlocale(LC_ALL_MASK, "C", locale_t{})) {
        if (c_ != locale_t{}) {
            previous_ = ::uselocale(c_);
        }
    }
    ~CNumbers() {
        if (c_ != locale_t{}) {
            ::uselocale(previous_);
            ::freelocale(c_);
        }
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

  private:
    locale_t c_;
    locale_t previous_ = LC_GLOBAL_LOCALE;
};

// The file libxlsxwriter writes the workbook into, in the temporary folder; it is removed with
// the object, whatever happened.
class ScratchFile {
  public:
    // Without a file `error` holds the reason.
    ScratchFile(const fs::path& folder, std::string& error) {
        std::string pattern = (folder / "quorvia-xlsx-XXXXXX").string();
        descriptor_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (descriptor_ < 0) {
            error = std::strerror(errno);
            return;
        }
        path_ = pattern;
    }
    ~ScratchFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
            ::unlink(path_.c_str());
        }
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return path_; }

    // Zero, or the errno of the read that failed.
    int ReadBack(std::string& bytes) const {
        bytes.clear();
        char buffer[64 * 1024];
        for (off_t offset = 0;;) {
            ssize_t read = ::pread(descriptor_, buffer, sizeof buffer, offset);
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read <= 0) {
                return read < 0 ? errno : 0;
            }
            bytes.append(buffer, static_cast<std::size_t>(read));
            offset += read;
        }
    }

  private:
    int descriptor_ = -1;
    std::string path_;
};

struct Formats {
    Formats(lxw_workbook* book, std::string_view rateText)
        : heading(workbook_add_format(book)),
          bold(workbook_add_format(book)),
          money(workbook_add_format(book)),
          boldMoney(workbook_add_format(book)),
          date(workbook_add_format(book)),
          percent(workbook_add_format(book)) {
        format_set_bold(heading);
        format_set_align(heading, LXW_ALIGN_CENTER);
        format_set_bold(bold);
        format_set_num_format(money, kMoneyFormat);
        format_set_num_format(boldMoney, kMoneyFormat);
        format_set_bold(boldMoney);
        format_set_num_format(date, kDateFormat);
        format_set_num_format(percent, PercentFormat(rateText).c_str());
    }

    lxw_format* heading;
    lxw_format* bold;
    lxw_format* money;
    lxw_format* boldMoney;
    lxw_format* date;
    lxw_format* percent;
};

// One sheet being filled in: it keeps the width each column needs, and the first cell that
// could not be written.
class Sheet {
  public:
    Sheet(lxw_workbook* book, const char* name, const Formats& formats, lxw_error& failed)
        : sheet_(workbook_add_worksheet(book, name)), formats_(formats), failed_(failed) {}

    void Text(lxw_row_t row, lxw_col_t col, std::string_view text, lxw_format* format = nullptr) {
        Fit(col, text);
        Overflowing(row, col, text, format);
    }
    // Text that runs on across the empty cells beside it: its column keeps its width.
    void Overflowing(lxw_row_t row, lxw_col_t col, std::string_view text,
                     lxw_format* format = nullptr) {
        Keep(worksheet_write_string(sheet_, row, col, CellText(text).c_str(), format));
    }
    void Number(lxw_row_t row, lxw_col_t col, double value, lxw_format* format,
                std::string_view shown) {
        Fit(col, shown);
        Keep(worksheet_write_number(sheet_, row, col, value, format));
    }
    void Count(lxw_row_t row, lxw_col_t col, double value) {
        Number(row, col, value, nullptr, GeneralNumber(value));
    }
    void Money(lxw_row_t row, lxw_col_t col, double amount, bool bold = false) {
        double shown = ShownAmount(amount);
        Number(row, col, shown, bold ? formats_.boldMoney : formats_.money,
               FormatNumber(shown, kMoneyMask));
    }
    void Day(lxw_row_t row, lxw_col_t col, Date date) {
        if (!IsSpreadsheetDate(date)) {
            Text(row, col, FormatDate(date, kDateText));
            return;
        }
        lxw_datetime when{YearOf(date), MonthOf(date), DayOf(date), 0, 0, 0};
        Fit(col, kDateText);
        Keep(worksheet_write_datetime(sheet_, row, col, &when, formats_.date));
    }
    // The first row stays in view while the rows scroll, and heads every printed page; a page
    // is as wide as all the columns.
    void HeadingRow() {
        worksheet_freeze_panes(sheet_, 1, 0);
        Keep(worksheet_repeat_rows(sheet_, 0, 0));
        worksheet_fit_to_pages(sheet_, 1, 0);
    }
    void FitColumns() {
        for (std::size_t col = 0; col < widths_.size(); ++col) {
            double width = std::min(widths_[col] + kColumnPadding, kWidestColumn);
            Keep(worksheet_set_column(sheet_, static_cast<lxw_col_t>(col),
                                      static_cast<lxw_col_t>(col), width, nullptr));
        }
    }

  private:
    void Fit(lxw_col_t col, std::string_view shown) {
        if (widths_.size() <= col) {
            widths_.resize(col + 1u, 0);
        }
        widths_[col] = std::max(widths_[col], static_cast<double>(CharacterCount(shown)));
    }
    void Keep(lxw_error error) {
        if (failed_ == LXW_NO_ERROR) {
            failed_ = error;
        }
    }

    lxw_worksheet* sheet_;
    const Formats& formats_;
    lxw_error& failed_;
    std::vector<double> widths_;
};

// The payments as the detailed report lists them: the opening balance, each year's interest
// after the payment that closes the year, the totals, then the notes.
void WriteScheduleSheet(Sheet& sheet, const Schedule& schedule, const Formats& formats) {
    for (lxw_col_t col = kNumber; col <= kBalance; ++col) {
        sheet.Text(0, col, kHeadings[col], formats.heading);
    }
    sheet.HeadingRow();
    lxw_row_t row = 1;
    sheet.Text(row, kDueDate, "Opening balance");
    sheet.Money(row++, kBalance, schedule.openingBalance);
    auto subtotal = schedule.yearSubtotals.begin();
    auto subtotalsAfter = [&](std::size_t rows) {
        for (; subtotal != schedule.yearSubtotals.end() && subtotal->afterRows == rows;
             ++subtotal) {
            sheet.Text(row, kDueDate, YearSubtotalLabel(subtotal->year), formats.bold);
            sheet.Money(row++, kInterest, subtotal->interest, true);
        }
    };
    subtotalsAfter(0);
    for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
        const PaymentRow& payment = schedule.rows[i];
        sheet.Count(row, kNumber, payment.number);
        sheet.Day(row, kDueDate, payment.dueDate);
        sheet.Money(row, kPayment, payment.payment);
        sheet.Money(row, kInterest, payment.interest);
        sheet.Money(row, kPrincipal, payment.principal);
        sheet.Money(row++, kBalance, payment.balance);
        subtotalsAfter(i + 1);
    }
    sheet.Text(row, kDueDate, kTotalsLabel, formats.bold);
    sheet.Money(row, kPayment, schedule.totals.payments, true);
    sheet.Money(row, kInterest, schedule.totals.interest, true);
    sheet.Money(row, kPrincipal, schedule.totals.principal, true);
    row += 2;
    for (const std::string& note : NotesOf(schedule)) {
        sheet.Overflowing(row++, kNumber, note);
    }
    sheet.FitColumns();
}

// The title block as the report prints it, then the terms one to a row: a label and its value.
void WriteTermsSheet(Sheet& sheet, const Schedule& schedule, const Formats& formats) {
    const ScheduleTitle title = TitleOf(schedule);
    lxw_row_t row = 0;
    for (const std::string* line :
         {&title.borrower, &title.loan, &title.start, &title.interestMethod}) {
        if (!line->empty()) {
            sheet.Overflowing(row, 0, *line, row == 0 ? formats.bold : nullptr);
            ++row;
        }
    }
    ++row;
    const ScheduleHeading& heading = schedule.heading;
    auto term = [&](std::string_view label) {
        sheet.Text(row, 0, label);
        return row++;
    };
    if (std::string borrower = Trim(heading.borrowerName); !borrower.empty()) {
        sheet.Text(term("Borrower"), 1, borrower);
    }
    sheet.Money(term("Loan amount"), 1, heading.statedAmount);
    sheet.Number(term("Annual interest rate"), 1, NumericValue(heading.rateText) / 100,
                 formats.percent, Trim(heading.rateText) + "%");
    sheet.Text(term("Payment frequency"), 1, heading.frequencyName);
    sheet.Count(term("Number of payments"), 1, schedule.scheduledCount);
    if (heading.fundingDate) {
        sheet.Day(term("Loan funded"), 1, *heading.fundingDate);
    } else if (heading.oddDays != 0) {
        sheet.Count(term("Odd days to first payment"), 1, heading.oddDays);
    }
    if (!schedule.rows.empty()) {
        sheet.Day(term("First payment due"), 1, schedule.rows.front().dueDate);
        sheet.Day(term("Last payment due"), 1, schedule.rows.back().dueDate);
    }
    sheet.FitColumns();
}

// The workbook's own title is the report's loan line; its subject, the borrower.
void SetProperties(lxw_workbook* book, const Schedule& schedule) {
    std::string title = CellText(TitleOf(schedule).loan);
    std::string subject = CellText(Trim(schedule.heading.borrowerName));
    lxw_doc_properties properties{};
    properties.title = title.data();
    if (!subject.empty()) {
        properties.subject = subject.data();
    }
    workbook_set_properties(book, &properties);
}

// The workbook's bytes in `bytes`; the reason it could not be made otherwise.
std::optional<std::string> ComposeWorkbook(const Schedule& schedule, std::string& bytes) {
    std::error_code noFolder;
    fs::path folder = fs::temp_directory_path(noFolder);
    if (noFolder) {
        return noFolder.message();
    }
    std::string error;
    ScratchFile scratch(folder, error);
    if (!error.empty()) {
        return error;
    }
    std::string temporaryFolder = folder.string();
    lxw_workbook_options options{LXW_FALSE, temporaryFolder.data(), LXW_FALSE};
    CNumbers cNumbers;
    lxw_workbook* book = workbook_new_opt(scratch.Path().c_str(), &options);
    if (book == nullptr) {
        return std::strerror(ENOMEM);
    }
    lxw_error failed = LXW_NO_ERROR;
    Formats formats(book, schedule.heading.rateText);
    Sheet payments(book, "Schedule", formats, failed);
    WriteScheduleSheet(payments, schedule, formats);
    Sheet terms(book, "Loan Terms", formats, failed);
    WriteTermsSheet(terms, schedule, formats);
    SetProperties(book, schedule);
    errno = 0;
    lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        return errno != 0 ? std::strerror(errno) : lxw_strerror(closed);
    }
    if (failed != LXW_NO_ERROR) {
        return lxw_strerror(failed);
    }
    if (int readError = scratch.ReadBack(bytes)) {
        return std::strerror(readError);
    }
    return std::nullopt;
}

}  // namespace

std::optional<RunError> WriteScheduleWorkbook(const fs::path& path, const Schedule& schedule) {
    std::string bytes;
    if (std::optional<std::string> reason = ComposeWorkbook(schedule, bytes)) {
        return FileWriteError(path, *reason);
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace quorvia
