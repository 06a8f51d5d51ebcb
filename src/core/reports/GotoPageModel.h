#pragma once
// The go-to-page question of the preview window: a box for the page number that takes digits
// only, Go and Stop.

#include <cstdint>
#include <string>

#include "core/base/Ui.h"

namespace quorvia {

class GotoPageModel {
  public:
    // The highest page allowed, handed over by the preview window.
    GotoPageModel(Ui& ui, int16_t highest) : ui_(ui), highest_(highest) {}

    std::string ThisInput;
    // The dialog has finished; the preview reads ThisInput.
    bool Hidden = false;

    int16_t Highest() const { return highest_; }

    // Key codes and the Shift argument as PreviewWindowModel::Form_KeyDown takes them; a key
    // that was handled becomes 0.
    void Form_KeyDown(int& KeyCode, int Shift);
    void ThisInput_KeyDown(int& KeyCode, int Shift);
    // KeyAscii becomes 0 when the character is dropped.
    void ThisInput_KeyPress(int& KeyAscii);
    void GoButton_Click();
    void StopButton_Click();

  private:
    Ui& ui_;
    int16_t highest_;
    bool afterAlt_ = false;
};

}  // namespace quorvia
