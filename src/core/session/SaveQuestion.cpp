#include "core/session/SaveQuestion.h"

namespace quorvia {

MsgAnswer AskToSaveInput(const AppState& state, Ui& ui, SaveDefault defaultButton) {
    if (!state.InputUnsaved) {
        return MsgAnswer::No;
    }
    return ui.MsgBox({"You have not saved your current input.  Do you want to do so now?",
                      "CAUTION", MsgButtons::YesNoCancel, MsgIcon::Question,
                      static_cast<int>(defaultButton)});
}

}  // namespace quorvia
