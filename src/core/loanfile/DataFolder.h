#pragma once
// Where the file dialogs of File | Open and File | Save As start. The preferences name a data
// folder: DataDrive is empty or the mount point that holds it, DataDirectory the folder. The
// program's current folder is never changed; the dialogs are told where to start instead.

#include <optional>
#include <string>

#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// The folder File | Open starts in: the data folder of the preferences; the person's documents
// folder when none is chosen, or when the drive or the folder cannot be reached, which the
// person is told ("Error accessing default drive..." or "...path...", with the system's
// description and error number). Never the program's own folder.
std::string SelectDataFolder(const AppState& state, Ui& ui);

// The data folder the preferences name, when one is chosen and can be entered.
std::optional<std::string> ReachableDataFolder(const AppState& state);

// The folder File | Save As starts in: the current loan file's folder, else the folder File |
// Open starts in, without any message.
std::string SelectSaveAsFolder(const AppState& state);

}  // namespace quorvia
