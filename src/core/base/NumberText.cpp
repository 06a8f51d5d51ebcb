#include "core/base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

namespace quorvia {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

// Reads a field's text one character at a time, stepping over the blanks a user may type
// anywhere in a number.
class NumberCursor {
  public:
    explicit NumberCursor(std::string_view text) : text_(text) {}

    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void Skip() { ++pos_; }

    bool AtEnd() {
        Peek();
        return pos_ >= text_.size();
    }

    bool Take(char c) {
        if (Peek() != c) {
            return false;
        }
        Skip();
        return true;
    }

    bool TakeIgnoringCase(char upper) {
        return Take(upper) || Take(static_cast<char>(upper - 'A' + 'a'));
    }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

double WholeNumberInBase(NumberCursor& cursor, int base) {
    double value = 0;
    for (int digit = HexDigitValue(cursor.Peek()); digit >= 0 && digit < base;
         digit = HexDigitValue(cursor.Peek())) {
        value = std::fmin(value * base + digit, kLargest);
        cursor.Skip();
    }
    return value;
}

// The significant digits of a typed decimal number with the power of ten they are scaled by,
// gathered into a fixed buffer for the standard conversion. Digits beyond the buffer only
// matter for being nonzero, which one extra digit preserves.
class DecimalDigits {
  public:
    void Add(char digit, bool afterPoint) {
        if (count_ == 0 && digit == '0') {
            exponent_ -= afterPoint ? 1 : 0;
            return;
        }
        if (count_ < kKept) {
            digits_[count_++] = digit;
            exponent_ -= afterPoint ? 1 : 0;
        } else {
            exponent_ += afterPoint ? 0 : 1;
            droppedNonZero_ = droppedNonZero_ || digit != '0';
        }
    }

    double Value(bool negative, long exponent) {
        if (count_ == 0) {
            return 0;
        }
        int count = count_;
        long scale = exponent_ + exponent;
        if (droppedNonZero_) {
            digits_[count++] = '1';
            --scale;
        }
        char buffer[kKept + 32];
        char* end = std::copy(digits_, digits_ + count, buffer);
        *end++ = 'e';
        end = std::to_chars(end, buffer + sizeof buffer, scale).ptr;
        double value = 0;
        auto [ptr, error] = std::from_chars(buffer, end, value);
        if (error == std::errc::result_out_of_range) {
            value = scale > 0 ? kLargest : 0;
        }
        return negative ? -value : value;
    }

  private:
    static constexpr int kKept = 100;
    char digits_[kKept + 1];
    int count_ = 0;
    long exponent_ = 0;
    bool droppedNonZero_ = false;
};

// Exponents far beyond what a double can hold all mean the same: overflow or underflow.
constexpr long kExponentLimit = 100000;

long ExponentOf(NumberCursor& cursor) {
    if (!cursor.TakeIgnoringCase('E') && !cursor.TakeIgnoringCase('D')) {
        return 0;
    }
    bool negative = cursor.Take('-');
    if (!negative) {
        cursor.Take('+');
    }
    long exponent = 0;
    for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
        exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
        cursor.Skip();
    }
    return negative ? -exponent : exponent;
}

std::optional<double> DecimalNumber(NumberCursor& cursor) {
    bool negative = cursor.Take('-');
    if (!negative) {
        cursor.Take('+');
    }
    DecimalDigits digits;
    bool sawDigit = false;
    bool afterPoint = false;
    for (char c = cursor.Peek();; c = cursor.Peek()) {
        if (IsDigit(c)) {
            digits.Add(c, afterPoint);
            sawDigit = true;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        cursor.Skip();
    }
    if (!sawDigit) {
        return std::nullopt;
    }
    long exponent = ExponentOf(cursor);
    return digits.Value(negative, exponent);
}

// The number at the cursor, or nothing when none stands there.
std::optional<double> LeadingNumber(NumberCursor& cursor) {
    if (!cursor.Take('&')) {
        return DecimalNumber(cursor);
    }
    int base = cursor.TakeIgnoringCase('H') ? 16 : cursor.TakeIgnoringCase('O') ? 8 : 0;
    int digit = HexDigitValue(cursor.Peek());
    if (digit < 0 || digit >= base) {
        return std::nullopt;
    }
    return WholeNumberInBase(cursor, base);
}

// Text for a value with up to 15 significant digits, as the program shows counts and sizes.
std::string SignificantDigits(double value) {
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

// A non-negative value in decimal: digits (no leading zero) d1 d2 d3 ... meaning
// 0.d1d2d3... times ten to the power of pointPos, so pointPos is the number of digits before
// the decimal point.
struct DecimalValue {
    char digits[32];
    int count = 0;
    int pointPos = 0;

    bool IsZero() const { return count == 0; }

    int IntegerDigitCount() const { return IsZero() ? 0 : std::max(pointPos, 0); }

    // The digit at the given place: 0 the units, 1 the tens, -1 the tenths.
    char DigitAt(int place) const {
        int index = pointPos - 1 - place;
        return index >= 0 && index < count ? digits[index] : '0';
    }
};

// The shortest decimal text that reads back as the same double, which is the number the user
// typed or the program computed; rounding that text rather than the binary value makes 2.675
// show as 2.68.
DecimalValue ShortestDecimal(double magnitude) {
    DecimalValue decimal;
    if (magnitude == 0) {
        return decimal;
    }
    char buffer[64];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p) {
        if (IsDigit(*p)) {
            decimal.digits[decimal.count++] = *p;
        }
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    decimal.pointPos = exponent + 1;
    return decimal;
}

// Rounds to the given number of decimals, a half going away from zero.
void RoundToDecimals(DecimalValue& decimal, int decimals) {
    int keep = decimal.pointPos + decimals;
    if (keep >= decimal.count) {
        return;
    }
    if (keep < 0 || decimal.digits[keep] < '5') {
        decimal.count = std::max(keep, 0);
    } else {
        decimal.count = keep;
        while (decimal.count > 0 && decimal.digits[decimal.count - 1] == '9') {
            --decimal.count;
        }
        if (decimal.count > 0) {
            ++decimal.digits[decimal.count - 1];
        } else {
            decimal.digits[0] = '1';
            decimal.count = 1;
            ++decimal.pointPos;
        }
    }
    while (decimal.count > 0 && decimal.digits[decimal.count - 1] == '0') {
        --decimal.count;
    }
}

// What a display mask asks for, read once before the value is laid out.
struct MaskLayout {
    std::size_t pointIndex;  // where the decimal point stands, or the mask's size
    int integerSlots = 0;    // "#" and "0" before the point
    int requiredDigits = 0;  // the slots from the first "0" before the point on
    int decimals = 0;
    bool grouping = false;
    bool percent = false;
};

MaskLayout ReadMask(std::string_view mask) {
    MaskLayout layout{mask.size()};
    bool sawRequired = false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        char c = mask[i];
        bool beforePoint = i < layout.pointIndex;
        if (c == '\\') {
            ++i;
        } else if (c == '%') {
            layout.percent = true;
        } else if (c == '.' && beforePoint) {
            layout.pointIndex = i;
        } else if (c == ',' && beforePoint) {
            layout.grouping = true;
        } else if ((c == '#' || c == '0') && beforePoint) {
            ++layout.integerSlots;
            sawRequired = sawRequired || c == '0';
            layout.requiredDigits += sawRequired ? 1 : 0;
        } else if (c == '#' || c == '0') {
            ++layout.decimals;
        }
    }
    return layout;
}

// Collects the formatted characters in a fixed buffer, so that a short result costs one
// string construction.
class TextBuffer {
  public:
    TextBuffer& operator+=(char c) {
        if (size_ == sizeof chars_) {
            Flush();
        }
        chars_[size_++] = c;
        return *this;
    }

    std::string Take() {
        Flush();
        return std::move(text_);
    }

  private:
    void Flush() {
        text_.append(chars_, size_);
        size_ = 0;
    }

    char chars_[64];
    std::size_t size_ = 0;
    std::string text_;
};

class MaskWriter {
  public:
    MaskWriter(const DecimalValue& decimal, const MaskLayout& layout, TextBuffer& out)
        : decimal_(decimal),
          layout_(layout),
          out_(out),
          digitCount_(std::max(decimal.IntegerDigitCount(), layout.requiredDigits)),
          place_(digitCount_ - 1) {}

    void Write(std::string_view mask) {
        int slot = 0;
        int fractionPlace = -1;
        for (std::size_t i = 0; i < mask.size(); ++i) {
            char c = mask[i];
            bool beforePoint = i < layout_.pointIndex;
            bool digitSlot = c == '#' || c == '0';
            if (c == '\\') {
                if (++i < mask.size()) {
                    out_ += mask[i];
                }
            } else if (digitSlot && beforePoint) {
                IntegerSlot(layout_.integerSlots - 1 - slot++);
            } else if (digitSlot) {
                FractionSlot(c, fractionPlace--);
            } else if (c != ',' || !beforePoint) {
                out_ += c;
            }
        }
    }

  private:
    // Digits are lined up with the slots from the right; the first slot also takes every digit
    // the mask has no room for.
    void IntegerSlot(int slotPlace) {
        for (; place_ >= slotPlace; --place_) {
            if (layout_.grouping && place_ % 3 == 2 && place_ != digitCount_ - 1) {
                out_ += ',';
            }
            out_ += decimal_.DigitAt(place_);
        }
    }

    // A "#" after the point is left out when it and every decimal after it would be zero.
    void FractionSlot(char c, int place) {
        bool trailingZero = decimal_.IsZero() || place < decimal_.pointPos - decimal_.count;
        if (c == '0' || !trailingZero) {
            out_ += decimal_.DigitAt(place);
        }
    }

    const DecimalValue& decimal_;
    const MaskLayout& layout_;
    TextBuffer& out_;
    int digitCount_;
    int place_;
};

}  // namespace

double NumericValue(std::string_view text) {
    NumberCursor cursor(text);
    double value = LeadingNumber(cursor).value_or(0);
    return value == 0 ? 0 : value;
}

std::optional<double> WholeNumericValue(std::string_view text) {
    NumberCursor cursor(text);
    std::optional<double> value = LeadingNumber(cursor);
    if (!value || !cursor.AtEnd()) {
        return std::nullopt;
    }
    return *value == 0 ? 0 : *value;
}

std::string NumberToText(double value) {
    std::string digits = SignificantDigits(value);
    return digits[0] == '-' ? digits : " " + digits;
}

std::string GeneralNumber(double value) {
    return SignificantDigits(value);
}

std::string FormatNumber(double value, std::string_view mask) {
    if (std::isnan(value)) {
        value = 0;
    }
    value = std::clamp(value, -kLargest, kLargest);
    MaskLayout layout = ReadMask(mask);
    DecimalValue decimal = ShortestDecimal(std::fabs(value));
    if (layout.percent && !decimal.IsZero()) {
        decimal.pointPos += 2;
    }
    RoundToDecimals(decimal, layout.decimals);

    TextBuffer out;
    if (value < 0 && !decimal.IsZero()) {
        out += '-';
    }
    MaskWriter(decimal, layout, out).Write(mask);
    return out.Take();
}

double RoundHalfEven(double value) {
    double below = std::floor(value);
    double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

double CentsHalfUp(double value) {
    return std::floor(value * 100 + 0.5) / 100;
}

double CentsTruncate(double value) {
    return std::floor(value * 100) / 100;
}

}  // namespace quorvia
