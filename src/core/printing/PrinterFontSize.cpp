#include "core/printing/PrinterFontSize.h"

#include <string>

#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

// The number between "CPI" (at `cpi`) and the nearest blank before it with at least one
// character in between; 0 when there is none.
double PitchBefore(const std::string& name, std::size_t cpi) {
    for (std::size_t blank = cpi; blank-- > 0;) {
        if (name[blank] != ' ' || blank + 1 == cpi) {
            continue;
        }
        double pitch = NumericValue(std::string_view(name).substr(blank + 1, cpi - blank - 1));
        if (pitch > 0) {
            return pitch;
        }
    }
    return 0;
}

}  // namespace

std::optional<float> PrinterFontSize(std::string_view fontName) {
    std::string name = UpperCase(fontName);
    std::size_t cpi = name.find("CPI");
    if (cpi == std::string::npos) {
        return std::nullopt;
    }
    return PitchBefore(name, cpi) == 12 ? 10.0f : 12.0f;
}

}  // namespace quorvia
