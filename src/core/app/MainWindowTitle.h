#pragma once
// The main window's title: the program's name, and while the amortization form is open the name
// of its loan data file before it ("smith.qrv[*] - Quorvia"). The window shows "[*]" as an
// asterisk while the input is unsaved and leaves it out otherwise.

#include <string>

#include "core/session/AppState.h"

namespace quorvia {

// The name of a loan not saved to a file yet.
inline constexpr std::string_view kUntitledLoan = "Untitled";

struct MainWindowTitle {
    std::string text;
    bool modified = false;

    bool operator==(const MainWindowTitle&) const = default;
};

MainWindowTitle MainWindowTitleOf(const AppState& state);

}  // namespace quorvia
