#pragma once
// The go-to-page dialog's controls: the focus finds them by these names, and the dialog gives
// its widgets these object names.

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvia {

enum class GotoPageControl {
    ThisInput,
    GoButton,
    StopButton,
};

inline constexpr std::array<std::string_view, 3> kGotoPageControlNames{"ThisInput", "GoButton",
                                                                       "StopButton"};

constexpr std::string_view NameOf(GotoPageControl control) {
    return kGotoPageControlNames[static_cast<std::size_t>(control)];
}

}  // namespace quorvia
