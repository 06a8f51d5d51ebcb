#include "tools/BatchUi.h"

#include <ostream>
#include <string>

namespace quorvia {

namespace {

// Messages are assembled with CrLf; a terminal wants plain line feeds.
std::string WithLineFeeds(std::string_view text) {
    std::string lines;
    for (char c : text) {
        if (c != '\r') {
            lines += c;
        }
    }
    return lines;
}

}  // namespace

MsgAnswer BatchUi::MsgBox(const Message& message) {
    std::string block = message.title.empty() ? std::string() : message.title + ": ";
    block += WithLineFeeds(message.prompt) + "\n";
    err_ << block << std::flush;

    switch (message.buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::OkCancel:
            declined_ = declined_ || !answerYes_;
            return answerYes_ ? MsgAnswer::Ok : MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            declined_ = declined_ || !answerYes_;
            return answerYes_ ? MsgAnswer::Yes : MsgAnswer::No;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

}  // namespace quorvia
