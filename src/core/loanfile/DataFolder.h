#pragma once
// Where the file dialogs of File | Open and File | Save As start. The preferences name a data
// folder: DataDrive is empty or the mount point that holds it, DataDirectory the folder. The
// program's current folder is never changed; the dialogs are told where to start instead.

#include <optional>
#include <string>

#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// The folder File | Open starts in: the program's folder when no data drive is set, or when
// the drive or the folder cannot be reached, which the person is told ("Error accessing
// default drive..." or "...path...", with the system's description and error number).
std::string SelectDataFolder(const AppState& state, Ui& ui);

// The data folder the preferences name, when one is set and can be entered.
std::optional<std::string> ReachableDataFolder(const AppState& state);

// The folder File | Save As starts in: the current loan file's folder, else the data folder
// as for File | Open but without any message.
std::string SelectSaveAsFolder(const AppState& state);

}  // namespace quorvia
