#pragma once
// The widget tests' answers to the program's message boxes.

#include <deque>
#include <optional>
#include <vector>

#include "desktop/platform/QtUi.h"

namespace quorvia::testing {

// Answers every message box from the front of `answers` (OK once it runs dry) and keeps each
// message in `messages`.
inline void AnswerFromQueue(QtUi& ui, std::vector<Message>& messages,
                            std::deque<MsgAnswer>& answers) {
    ui.SetMessageHook([&messages, &answers](const Message& message) {
        messages.push_back(message);
        MsgAnswer answer = answers.empty() ? MsgAnswer::Ok : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return std::optional<MsgAnswer>(answer);
    });
}

}  // namespace quorvia::testing
