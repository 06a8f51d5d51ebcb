#pragma once
// The question every way of leaving unsaved input asks: clearing the amortization form,
// closing it, quitting it and closing the main window.

#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// Which answer Enter gives.
enum class SaveDefault { Yes = 1, Cancel = 3 };

// Asks "Do you want to do so now?" while input is unsaved; answers No (go on without saving)
// when there is nothing to save.
MsgAnswer AskToSaveInput(const AppState& state, Ui& ui, SaveDefault defaultButton);

}  // namespace quorvia
