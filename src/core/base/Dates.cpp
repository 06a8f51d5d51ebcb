#include "core/base/Dates.h"

#include <array>
#include <charconv>
#include <vector>

namespace quorvia {

using namespace std::chrono;

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

long long FloorDiv(long long value, long long divisor) {
    long long quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

Date MakeDate(int year, int month, int day) {
    return Date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                std::chrono::day{static_cast<unsigned>(day)}};
}

int YearOf(Date date) {
    return static_cast<int>(date.year());
}
int MonthOf(Date date) {
    return static_cast<int>(static_cast<unsigned>(date.month()));
}
int DayOf(Date date) {
    return static_cast<int>(static_cast<unsigned>(date.day()));
}

Date BuildDate(int year, int month, int day) {
    long long monthsFromYearZero = year * 12LL + (month - 1LL);
    long long normalYear = FloorDiv(monthsFromYearZero, 12);
    long long normalMonth = monthsFromYearZero - normalYear * 12 + 1;
    const Date first = MakeDate(static_cast<int>(normalYear), static_cast<int>(normalMonth), 1);
    // Most days are in the month: no need for the count of days since the epoch and back.
    if (day >= 1 && day <= 28) {
        return Date{first.year(), first.month(), std::chrono::day{static_cast<unsigned>(day)}};
    }
    return Date{sys_days{first} + days{day - 1LL}};
}

Date AddMonths(Date date, int months) {
    Date moved = date + std::chrono::months{months};
    if (moved.ok()) {
        return moved;
    }
    return Date{year_month_day_last{moved.year(), month_day_last{moved.month()}}};
}

Date DayOfMonthFrom(Date date, int months, int day) {
    Date first = BuildDate(YearOf(date), MonthOf(date) + months, 1);
    Date last = Date{year_month_day_last{first.year(), month_day_last{first.month()}}};
    return day < DayOf(last) ? MakeDate(YearOf(first), MonthOf(first), day) : last;
}

Date AddDays(Date date, int count) {
    return Date{sys_days{date} + days{count}};
}

Date AddWeeks(Date date, int weeks) {
    return AddDays(date, weeks * 7);
}

Date AddInterval(Date date, std::string_view interval, int count) {
    if (interval == "m") {
        return AddMonths(date, count);
    }
    if (interval == "yyyy") {
        return AddMonths(date, count * 12);
    }
    if (interval == "ww") {
        return AddWeeks(date, count);
    }
    if (interval == "d") {
        return AddDays(date, count);
    }
    return date;
}

int DaysBetween(Date from, Date to) {
    return static_cast<int>((sys_days{to} - sys_days{from}).count());
}

bool IsWeekend(Date date) {
    weekday dayOfWeek{sys_days{date}};
    return dayOfWeek == Saturday || dayOfWeek == Sunday;
}

// Parsing: the text is cut into runs of digits and runs of letters, with the characters
// between two runs kept as their separator; the run kinds and separators are then matched
// against the accepted notations.
namespace {

struct Token {
    bool isNumber = false;
    std::string_view text;
    std::string_view separatorBefore;  // characters between the previous token and this one
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t position = 0;
    std::size_t separatorStart = 0;
    while (position < text.size()) {
        char c = text[position];
        if (!IsDigit(c) && !IsLetter(c)) {
            ++position;
            continue;
        }
        bool isNumber = IsDigit(c);
        std::size_t start = position;
        while (position < text.size() &&
               (isNumber ? IsDigit(text[position]) : IsLetter(text[position]))) {
            ++position;
        }
        tokens.push_back({isNumber, text.substr(start, position - start),
                          text.substr(separatorStart, start - separatorStart)});
        separatorStart = position;
    }
    return tokens;
}

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Month and day fields have one or two digits.
std::optional<int> ShortNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// Two-digit years fall in 1930..2029; four-digit years are taken as written.
std::optional<int> YearNumber(std::string_view digits) {
    if (digits.size() != 2 && digits.size() != 4) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.size() == 2) {
        return value < 30 ? 2000 + value : 1900 + value;
    }
    if (value < 100) {
        return std::nullopt;
    }
    return value;
}

// A full month name or an abbreviation of at least three letters, in any case.
std::optional<int> MonthNumber(std::string_view word) {
    if (word.size() < 3) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < kMonthNames.size(); ++index) {
        std::string_view name = kMonthNames[index];
        if (word.size() > name.size()) {
            continue;
        }
        bool matches = true;
        for (std::size_t i = 0; i < word.size() && matches; ++i) {
            matches = LowerCase(word[i]) == LowerCase(name[i]);
        }
        if (matches) {
            return static_cast<int>(index) + 1;
        }
    }
    return std::nullopt;
}

std::optional<Date> ValidDate(std::optional<int> year, std::optional<int> month,
                              std::optional<int> day) {
    if (!year || !month || !day) {
        return std::nullopt;
    }
    Date date = MakeDate(*year, *month, *day);
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

bool IsNumericSeparator(std::string_view separator) {
    return separator == "/" || separator == "-" || separator == ".";
}

// Between the words and numbers of "March 5, 1998", "5 March 1998" or "5-Mar-98": blanks,
// or one comma, hyphen or full stop with blanks around it.
bool IsNameSeparator(std::string_view separator) {
    if (separator.empty()) {
        return false;
    }
    std::string_view mark = WithoutBlanks(separator);
    return mark.empty() || mark == "," || mark == "-" || mark == ".";
}

// m/d/yy, m/d/yyyy, m-d-yyyy, m.d.yyyy and, with a four-digit year first, yyyy-mm-dd or
// yyyy/mm/dd. The two separators must be the same character.
std::optional<Date> ParseNumericDate(const std::vector<Token>& tokens) {
    std::string_view separator = tokens[1].separatorBefore;
    if (!IsNumericSeparator(separator) || tokens[2].separatorBefore != separator) {
        return std::nullopt;
    }
    if (tokens[0].text.size() == 4) {
        if (separator == ".") {
            return std::nullopt;
        }
        return ValidDate(YearNumber(tokens[0].text), ShortNumber(tokens[1].text),
                         ShortNumber(tokens[2].text));
    }
    return ValidDate(YearNumber(tokens[2].text), ShortNumber(tokens[0].text),
                     ShortNumber(tokens[1].text));
}

std::optional<Date> ParseNamedDate(const std::vector<Token>& tokens) {
    if (!IsNameSeparator(tokens[1].separatorBefore) ||
        !IsNameSeparator(tokens[2].separatorBefore) || !tokens[2].isNumber) {
        return std::nullopt;
    }
    if (!tokens[0].isNumber && tokens[1].isNumber) {
        return ValidDate(YearNumber(tokens[2].text), MonthNumber(tokens[0].text),
                         ShortNumber(tokens[1].text));
    }
    if (tokens[0].isNumber && !tokens[1].isNumber) {
        return ValidDate(YearNumber(tokens[2].text), MonthNumber(tokens[1].text),
                         ShortNumber(tokens[0].text));
    }
    return std::nullopt;
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
    text = WithoutBlanks(text);
    std::vector<Token> tokens = Tokenize(text);
    if (tokens.size() != 3 || !tokens[0].separatorBefore.empty() ||
        tokens[2].text.data() + tokens[2].text.size() != text.data() + text.size()) {
        return std::nullopt;
    }
    if (tokens[0].isNumber && tokens[1].isNumber && tokens[2].isNumber) {
        return ParseNumericDate(tokens);
    }
    return ParseNamedDate(tokens);
}

namespace {

void AppendNumber(std::string& out, int value, int width) {
    if (value < 0) {
        out += '-';
        value = -value;
    }
    std::array<char, 12> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    int length = static_cast<int>(end - digits.data());
    out.append(static_cast<std::size_t>(width > length ? width - length : 0), '0');
    out.append(digits.data(), end);
}

}  // namespace

std::string FormatDate(Date date, std::string_view pattern) {
    std::string out;
    out.reserve(20);
    if (pattern == "mmmm d, yyyy") {
        out += kMonthNames[static_cast<std::size_t>(MonthOf(date) - 1) % kMonthNames.size()];
        out += ' ';
        AppendNumber(out, DayOf(date), 1);
        out += ", ";
        AppendNumber(out, YearOf(date), 4);
        return out;
    }
    AppendNumber(out, MonthOf(date), 2);
    out += '/';
    AppendNumber(out, DayOf(date), 2);
    out += '/';
    if (pattern == "mm/dd/yy") {
        AppendNumber(out, (YearOf(date) % 100 + 100) % 100, 2);
    } else {
        AppendNumber(out, YearOf(date), 4);
    }
    return out;
}

}  // namespace quorvia
