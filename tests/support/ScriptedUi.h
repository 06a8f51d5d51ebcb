#pragma once
// A Ui that answers questions from a queue and records everything the form asked of it, for
// tests and for the batch tool.

#include <deque>
#include <string>
#include <vector>

#include "core/base/Ui.h"

namespace quorvia {

class ScriptedUi : public Ui {
  public:
    // Answers the next question; when the queue is empty, a question gets `fallback` and a
    // message with an OK button only gets OK.
    void QueueAnswer(MsgAnswer answer) { answers_.push_back(answer); }
    void SetFallbackAnswer(MsgAnswer answer) { fallback_ = answer; }

    MsgAnswer MsgBox(const Message& message) override;
    void Beep() override {
        ++beeps;
        events.push_back("beep");
    }
    void SetFocus(std::string_view control) override;
    void SetHourglass(bool on) override;
    void SelectAllText() override { ++selectAlls; }

    std::vector<Message> messages;
    std::vector<std::string> focus;   // every focus request, in order
    std::vector<std::string> events;  // "beep", "msg:TITLE", "focus:control", in order
    int beeps = 0;
    int hourglassDepth = 0;
    int selectAlls = 0;  // SelectAllText requests

    const Message* LastMessage() const { return messages.empty() ? nullptr : &messages.back(); }
    std::string LastFocus() const { return focus.empty() ? std::string() : focus.back(); }
    void Clear();

  private:
    std::deque<MsgAnswer> answers_;
    MsgAnswer fallback_ = MsgAnswer::No;
};

}  // namespace quorvia
