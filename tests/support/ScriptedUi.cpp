#include "support/ScriptedUi.h"

namespace quorvia {

namespace {

MsgAnswer FirstButtonOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Yes;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Retry;
    }
    return MsgAnswer::Ok;
}

}  // namespace

MsgAnswer ScriptedUi::MsgBox(const Message& message) {
    messages.push_back(message);
    events.push_back("msg:" + message.title);
    if (message.buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    if (!answers_.empty()) {
        MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return fallback_ == MsgAnswer::Ok ? FirstButtonOf(message.buttons) : fallback_;
}

void ScriptedUi::SetFocus(std::string_view control) {
    focus.emplace_back(control);
    events.push_back("focus:" + std::string(control));
}

void ScriptedUi::SetHourglass(bool on) {
    hourglassDepth += on ? 1 : -1;
}

void ScriptedUi::Clear() {
    messages.clear();
    focus.clear();
    events.clear();
    beeps = 0;
    selectAlls = 0;
}

}  // namespace quorvia
