#pragma once
// Numbers as the program reads them from fields and shows them in fields and reports.

#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

// The numeric value of a field: its leading number. Blanks, tabs and line feeds are ignored
// wherever they stand ("1 000" is 1000); an optional sign, digits with at most one decimal
// point and an optional exponent are taken; the first other character ends the number
// ("1,000" is 1). "&H" and "&O" prefixes read hexadecimal and octal whole numbers. Text
// without a number is 0.
double NumericValue(std::string_view text);

// The numeric value when the number is the whole text, blanks aside ("1 000", "8.5", "1E5");
// nothing when other characters follow it ("1,000", "12x5") or the text holds no number.
std::optional<double> WholeNumericValue(std::string_view text);

// The number-to-text form used for counts and sizes: one blank before a number that is not
// negative (" 360", " 10.5", "-2").
std::string NumberToText(double value);

// The general number form: no leading blank, no trailing zeros (360, 359.47).
std::string GeneralNumber(double value);

// Formats a value with a display mask: "#" a digit shown when significant, "0" a digit always
// shown, "," thousands grouping (wherever it stands), "." the decimal point with as many
// decimals as follow it, "\x" the literal character x, "%" multiplies by 100, any other
// character printed as is ("$"). Halves are rounded away from zero on the decimal value, so
// 2.675 shows as 2.68. A mask without a mandatory digit before the point shows 0.5 as ".50".
std::string FormatNumber(double value, std::string_view mask);

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// floor(x * 100 + 0.5) / 100
double CentsHalfUp(double value);

// floor(x * 100) / 100
double CentsTruncate(double value);

}  // namespace quorvia
