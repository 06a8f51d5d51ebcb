#pragma once
// The question every way of leaving unsaved input asks: clearing the amortization form,
// closing it, quitting it and closing the main window.

#include <functional>
#include <string_view>

#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// Which answer Enter gives.
enum class SaveDefault { Yes = 1, Cancel = 3 };

inline constexpr std::string_view kUnsavedInputQuestion =
    "You have not saved your current input.  Do you want to do so now?";

// Asks "Do you want to do so now?" while input is unsaved; answers No (go on without saving)
// when there is nothing to save.
MsgAnswer AskToSaveInput(const AppState& state, Ui& ui, SaveDefault defaultButton,
                         std::string_view question = kUnsavedInputQuestion);

// What a command does after Yes has run Save As: stop there, or go on once the input is saved.
enum class AfterSaving { Stop, GoOn };

// The steps before a command lets unsaved input go: the question, with Enter on Yes. Yes runs
// `saveAs`; No gives the input up. True when the command may go on.
bool SaveFirst(AppState& state, Ui& ui, std::string_view question, AfterSaving afterSaving,
               const std::function<void()>& saveAs);

}  // namespace quorvia
