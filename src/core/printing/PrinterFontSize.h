#pragma once
// The size rule for fixed-pitch printer fonts, named by their characters per inch ("Courier
// 12CPI"): a pitch of 12 prints at 10 points, any other pitch at 12.

#include <optional>
#include <string_view>

namespace quorvia {

// The size the rule gives the named font, or nothing when the name holds no "CPI".
std::optional<float> PrinterFontSize(std::string_view fontName);

}  // namespace quorvia
