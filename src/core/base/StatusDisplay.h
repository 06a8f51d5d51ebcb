#pragma once
// The small status window (Frmprntg) the engine and the preview keep the person informed
// with: a line of text and a meter from 0 to 100 with its caption ("45%").

#include <string>

namespace quorvia {

class StatusDisplay {
  public:
    virtual ~StatusDisplay() = default;

    // Shows the window, without blocking the main window, with the given line.
    virtual void Show(const std::string& label) = 0;
    virtual void SetLabel(const std::string& label) = 0;
    // Sets the meter and its caption and redraws it at once.
    virtual void SetMeter(double percent, const std::string& caption) = 0;
    virtual void Hide() = 0;
};

}  // namespace quorvia
