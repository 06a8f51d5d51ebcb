#include "core/base/EntryNumbers.h"

#include <algorithm>
#include <charconv>

#include "core/base/FormTexts.h"
#include "core/base/NumberText.h"

namespace quorvia {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSign(char c) {
    return c == '-' || c == '+';
}

// The text without the blanks a person may type anywhere in a number.
std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r'; });
    return compact;
}

// Drops a dollar sign before the number or between its sign and its digits ("$-5", "-$5").
void DropDollarSign(std::string& text) {
    std::size_t at = !text.empty() && IsSign(text[0]) ? 1 : 0;
    if (text.compare(at, 1, "$") == 0) {
        text.erase(at, 1);
    } else if (text.compare(0, 1, "$") == 0) {
        text.erase(0, 1);
    }
}

// Drops the commas that group the whole digits in threes ("250,000"). A comma anywhere else
// ("1,00", "2,50,000", "1.5,000") leaves the text as it is, and false.
bool DropThousandsSeparators(std::string& text) {
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
        return true;
    }
    std::size_t start = !text.empty() && IsSign(text[0]) ? 1 : 0;
    std::size_t firstGroup = comma - std::min(comma, start);
    if (firstGroup < 1 || firstGroup > 3 ||
        !std::all_of(text.begin() + start, text.begin() + comma, IsDigit)) {
        return false;
    }
    std::size_t end = comma;
    while (end < text.size() && text[end] == ',') {
        std::size_t group = end + 1;
        end = group;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
        if (end - group != 3) {
            return false;
        }
    }
    if (text.find(',', end) != std::string::npos) {
        return false;
    }
    text.erase(std::remove(text.begin() + start, text.begin() + end, ','), text.begin() + end);
    return true;
}

// The percentage a fraction stands for: its shortest decimal digits with the point moved two
// places, so that 0.0675 gives exactly the 6.75 typed as such.
double PercentOfFraction(double fraction) {
    char digits[64];
    char* end =
        std::to_chars(digits, digits + sizeof digits, fraction, std::chars_format::scientific).ptr;
    char* e = std::find(digits, end, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    std::string shifted = std::string(digits, e) + "e" + std::to_string(exponent + 2);
    double percent = 0;
    std::from_chars(shifted.data(), shifted.data() + shifted.size(), percent);
    return percent;
}

}  // namespace

std::optional<double> AmountValue(std::string_view text) {
    std::string number = WithoutBlanks(text);
    if (number.empty()) {
        return 0.0;
    }
    DropDollarSign(number);
    if (!DropThousandsSeparators(number)) {
        return std::nullopt;
    }
    return WholeNumericValue(number);
}

std::optional<double> RatePercent(std::string_view text) {
    std::string number = WithoutBlanks(text);
    if (number.empty()) {
        return 0.0;
    }
    bool percentSign = number.back() == '%';
    if (percentSign) {
        number.pop_back();
    }
    std::optional<double> value = WholeNumericValue(number);
    if (!value || percentSign || *value >= 1 || *value == 0) {
        return value;
    }
    return PercentOfFraction(*value);
}

std::string RateFieldText(double percent) {
    std::string text = FormatNumber(percent, kRateMask);
    double shown = NumericValue(text);
    return shown != 0 && shown < 1 ? text + "%" : text;
}

std::string RateTitleText(std::string_view typed) {
    std::optional<double> percent = RatePercent(typed);
    bool typedAsPercentage =
        typed.find('%') == std::string_view::npos && percent == NumericValue(typed);
    if (!percent || typedAsPercentage) {
        return std::string(typed);
    }
    return FormatNumber(*percent, kRateMask);
}

Message NotANumberMessage(std::string_view fieldName, std::string_view example) {
    return {"The " + std::string(fieldName) + " entered is not a number!" + std::string(CrLf) +
                std::string(CrLf) + "Enter " + std::string(example) + ".",
            "NOT A NUMBER", MsgButtons::Ok, MsgIcon::Exclamation, 1};
}

}  // namespace quorvia
