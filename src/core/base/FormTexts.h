#pragma once
// Texts the data forms share: the display masks of their number fields, the tool tip of a
// button that clears a form, and how a button's tool tip is shown.

#include <string>
#include <string_view>

namespace quorvia {

inline constexpr std::string_view kAmountMask = "########0.00";
inline constexpr std::string_view kRateMask = "#0.0000";
inline constexpr std::string_view kCountMask = "##0";

inline constexpr std::string_view kClearFormTip =
    "Clears all current entries and reinitializes form for new data";

// A button's tool tip, padded by a space on either side; none while Help | Show Tool Tips is
// unchecked.
inline std::string ToolTipText(bool tipsChecked, std::string_view tip) {
    return tipsChecked ? " " + std::string(tip) + " " : std::string();
}

}  // namespace quorvia
