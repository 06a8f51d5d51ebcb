#include "core/reports/GotoPageModel.h"

#include <cctype>

#include "core/base/KeyCodes.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/reports/GotoPageControl.h"

namespace quorvia {

void GotoPageModel::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode == key_code::kEnter) {
        KeyCode = 0;
        GoButton_Click();
    } else if (KeyCode == key_code::kEsc) {
        KeyCode = 0;
        StopButton_Click();
    }
}

void GotoPageModel::ThisInput_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode == key_code::kEnter) {
        KeyCode = 0;
    } else if ((Shift & kAltMask) != 0) {
        KeyCode = 0;
        afterAlt_ = true;
    }
}

void GotoPageModel::ThisInput_KeyPress(int& KeyAscii) {
    if (KeyAscii == key_code::kEnter) {
        KeyAscii = 0;
        return;
    }
    const bool afterAlt = afterAlt_;
    afterAlt_ = false;
    const int upper = std::toupper(KeyAscii);
    if (afterAlt && (upper == 'P' || upper == 'O' || upper == 'C')) {
        KeyAscii = 0;
        return;
    }
    if ((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' ||
        KeyAscii == key_code::kBackspace) {
        return;
    }
    KeyAscii = 0;
    ui_.Beep();
}

void GotoPageModel::GoButton_Click() {
    double page = NumericValue(ThisInput);
    if (page < 1 || page > highest_) {
        ui_.Beep();
        ui_.MsgBox({"You must enter a value between 1 and " + Trim(NumberToText(highest_)),
                    "Sorry!", MsgButtons::Ok, MsgIcon::Exclamation});
        ui_.SetFocus(NameOf(GotoPageControl::ThisInput));
        return;
    }
    Hidden = true;
}

void GotoPageModel::StopButton_Click() {
    ThisInput.clear();
    Hidden = true;
}

}  // namespace quorvia
