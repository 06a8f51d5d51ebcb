#include "core/session/SaveQuestion.h"

namespace quorvia {

MsgAnswer AskToSaveInput(const AppState& state, Ui& ui, SaveDefault defaultButton,
                         std::string_view question) {
    if (!state.InputUnsaved) {
        return MsgAnswer::No;
    }
    return ui.MsgBox({std::string(question), "CAUTION", MsgButtons::YesNoCancel, MsgIcon::Question,
                      static_cast<int>(defaultButton)});
}

bool SaveFirst(AppState& state, Ui& ui, std::string_view question, AfterSaving afterSaving,
               const std::function<void()>& saveAs) {
    MsgAnswer answer = AskToSaveInput(state, ui, SaveDefault::Yes, question);
    if (answer == MsgAnswer::Yes) {
        saveAs();
        return afterSaving == AfterSaving::GoOn && !state.InputUnsaved;
    }
    if (answer == MsgAnswer::Cancel) {
        return false;
    }
    state.InputUnsaved = false;
    return true;
}

}  // namespace quorvia
