#pragma once
// The preference store: the profile file's section "Prefs" read into the settings at start.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/base/Ui.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"

namespace quorvia {

// The page set-up as the profile file keeps it with the printer: the paper size ("dpapr") and
// the orientation ("dornt"), each by its code.
std::array<std::pair<std::string_view, std::string>, 2> PageSetupKeys(const AppState& state);

// Whether loading may write a filled-in report printer back to the profile file. The batch
// tool never writes the profile file.
enum class ProfileWrites { Allowed, Never };

// Reads every preference from the profile file, which is read once, or takes the defaults when
// there is none, it is no profile file or it has no section "Prefs" (nothing is written then), and
// fills the settings derived from them. A paper size missing or not offered is the printers'
// default paper, an orientation other than landscape is portrait. A missing report printer is
// filled in from the current printer and, when `writes` allows, written back to the file.
void LoadPreferences(AppState& state, PrinterService& printers, Ui& ui,
                     ProfileWrites writes = ProfileWrites::Allowed);

}  // namespace quorvia
