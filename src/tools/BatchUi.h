#pragma once
// The Ui of quorvia-batch: every message goes to the error stream as one block
// "TITLE: text", and every question gets the answer chosen on the command line.

#include <iosfwd>

#include "core/base/Ui.h"

namespace quorvia {

class BatchUi : public Ui {
  public:
    // With `answerYes` (the --yes flag) questions are answered Yes (OK), else No (Cancel).
    // Retry questions are always cancelled: nobody is there to remove the cause.
    BatchUi(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    MsgAnswer MsgBox(const Message& message) override;
    void Beep() override {}
    void SetFocus(std::string_view) override {}
    void SetHourglass(bool) override {}

    // Whether a question was answered No that --yes would have answered Yes.
    bool DeclinedAQuestion() const { return declined_; }

  private:
    std::ostream& err_;
    bool answerYes_;
    bool declined_ = false;
};

}  // namespace quorvia
