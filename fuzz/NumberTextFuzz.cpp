// The number-text reader and the display masks. Input: a field's text on the first line, a
// display mask on the second, and optionally eight raw bytes of a double on the third, so
// values no field can spell (infinities, NaN, subnormals) reach the masks too.

#include <cmath>
#include <cstring>
#include <limits>

#include "FuzzSupport.h"
#include "core/base/NumberText.h"

namespace {

using namespace quorvia;

// The masks the schedule, the reports and the fields show amounts and rates with, and the
// largest rounding error each allows.
struct AmountMask {
    std::string_view mask;
    double rounding;
};
constexpr AmountMask kAmountMasks[] = {
    {"###,###,##0.00", 0.005}, {"########0.00", 0.005}, {"$###,###,##0.00", 0.005},
    {"###,######.00", 0.005},  {"#0.0000", 0.00005},    {"##0", 0.5},
};

std::string WithoutGrouping(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c != ',' && c != '$') {
            plain += c;
        }
    }
    return plain;
}

bool Near(double read, double value, double allowed) {
    return std::fabs(read - value) <= allowed * 1.0001 + std::fabs(value) * 1e-14;
}

void CheckValueForms(double value) {
    std::string general = GeneralNumber(value);
    QUORVIA_FUZZ_CHECK(Near(NumericValue(general), value, 0), general);
    std::string counted = NumberToText(value);
    QUORVIA_FUZZ_CHECK(counted == (value < 0 ? general : " " + general), counted);
    for (const AmountMask& amount : kAmountMasks) {
        std::string shown = FormatNumber(value, amount.mask);
        QUORVIA_FUZZ_CHECK(Near(NumericValue(WithoutGrouping(shown)), value, amount.rounding),
                           std::string(amount.mask) + " shows " + shown);
    }
    QUORVIA_FUZZ_CHECK(std::fabs(RoundHalfEven(value) - value) <= 0.5, general);
}

void CheckAnyMask(double value, std::string_view mask) {
    std::string shown = FormatNumber(value, mask);
    // Every digit of the largest double, its grouping and the mask's own characters.
    QUORVIA_FUZZ_CHECK(shown.size() <= 2 * mask.size() + 450,
                       "a mask of " + std::to_string(mask.size()) + " characters showed " +
                           std::to_string(shown.size()));
    CentsHalfUp(value);
    CentsTruncate(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::string_view text = input.Line();
    std::string_view mask = input.Line();
    std::string_view raw = input.Rest();

    double value = NumericValue(text);
    QUORVIA_FUZZ_CHECK(std::isfinite(value), std::string(text));
    CheckValueForms(value);
    CheckAnyMask(value, mask);
    if (raw.size() >= sizeof(double)) {
        double any = 0;
        std::memcpy(&any, raw.data(), sizeof any);
        CheckAnyMask(any, mask);
        if (std::isfinite(any)) {
            CheckValueForms(any);
        }
    }
    return 0;
}
