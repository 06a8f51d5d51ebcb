#pragma once
// Everything a form shows a person or asks of the screen goes through this interface: the
// desktop program answers with real message boxes, tests and the batch tool with scripts.

#include <string>
#include <string_view>

namespace quorvia {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

struct Message {
    std::string prompt;
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 1;  // 1-based position among the buttons
};

class Ui {
  public:
    virtual ~Ui() = default;

    virtual MsgAnswer MsgBox(const Message& message) = 0;
    virtual void Beep() = 0;
    // Moves the keyboard focus to the named control of the active form ("txtName").
    virtual void SetFocus(std::string_view control) = 0;
    virtual void SetHourglass(bool on) = 0;
    // Selects the whole text of the text box that has the focus (on focus and after Esc).
    virtual void SelectAllText() {}
};

// Shows the hourglass for the lifetime of the object and always restores the pointer.
class Hourglass {
  public:
    explicit Hourglass(Ui& ui) : ui_(ui) { ui_.SetHourglass(true); }
    ~Hourglass() { ui_.SetHourglass(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    Ui& ui_;
};

// Carriage return and line feed, as messages are assembled.
inline constexpr std::string_view CrLf = "\r\n";

}  // namespace quorvia
