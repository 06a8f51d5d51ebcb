#pragma once
// Qt's key events as the forms' key handlers take them: the key codes of
// reports/KeyCodes.h (key_code) and the Shift argument (kShiftMask, kCtrlMask, kAltMask).

#include <QKeyEvent>

namespace quorvia {

// The key's code; letters and digits are their upper-case characters. A key without a code
// of its own gets 255.
int KeyCodeOf(const QKeyEvent& event);
int ShiftOf(Qt::KeyboardModifiers modifiers);
// The character the key types as a key press handler sees it (Backspace 8), or 0 for a key
// that types nothing printable.
int KeyAsciiOf(const QKeyEvent& event);

}  // namespace quorvia
