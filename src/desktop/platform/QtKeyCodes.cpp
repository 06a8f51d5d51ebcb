#include "desktop/platform/QtKeyCodes.h"

#include "core/base/KeyCodes.h"

namespace quorvia {

namespace {

constexpr int kUnknownKey = 255;

}  // namespace

int KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace:
            return key_code::kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key_code::kEnter;
        case Qt::Key_Shift:
            return key_code::kShift;
        case Qt::Key_Control:
            return key_code::kCtrl;
        case Qt::Key_Alt:
            return key_code::kAlt;
        case Qt::Key_Escape:
            return key_code::kEsc;
        case Qt::Key_PageUp:
            return key_code::kPageUp;
        case Qt::Key_PageDown:
            return key_code::kPageDown;
        case Qt::Key_End:
            return key_code::kEnd;
        case Qt::Key_Home:
            return key_code::kHome;
        case Qt::Key_Left:
            return key_code::kLeft;
        case Qt::Key_Up:
            return key_code::kUp;
        case Qt::Key_Right:
            return key_code::kRight;
        case Qt::Key_Down:
            return key_code::kDown;
        case Qt::Key_Space:
            return ' ';
        default:
            break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return key_code::kF1 + (key - Qt::Key_F1);
    }
    return kUnknownKey;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= kShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= kCtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= kAltMask;
    }
    return shift;
}

int KeyAsciiOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) {
        return key_code::kBackspace;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return key_code::kEnter;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) {
        return 0;
    }
    return text.at(0).unicode();
}

}  // namespace quorvia
