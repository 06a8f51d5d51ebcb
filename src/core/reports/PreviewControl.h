#pragma once
// The preview window's controls that the behaviour names: the focus and the tooltips find
// them by these, and the window gives its widgets these object names.

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvia {

enum class PreviewControl {
    ThePage,
    FirstButton,
    PreviousButton,
    NextButton,
    LastButton,
    GotoButton,
    cmbZoom,
    PrintButton,
    cmdFont,
    CloseButton,
    ExportButton,
    DisclosureButton,
};

inline constexpr std::array<std::string_view, 12> kPreviewControlNames{
    "ThePage", "FirstButton", "PreviousButton", "NextButton",  "LastButton",   "GotoButton",
    "cmbZoom", "PrintButton", "cmdFont",        "CloseButton", "ExportButton", "DisclosureButton",
};

constexpr std::string_view NameOf(PreviewControl control) {
    return kPreviewControlNames[static_cast<std::size_t>(control)];
}

}  // namespace quorvia
