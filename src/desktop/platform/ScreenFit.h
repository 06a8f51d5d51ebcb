#pragma once
// Every window opens inside the part of its screen that windows may use, whatever the scale
// factor: a window asked to be larger than that room is made smaller, and one placed partly
// outside it is moved in. The window manager's frame is only known once the window is shown,
// so a window fits itself again then (KeepOnScreenWhenShown from its showEvent).

class QWidget;

namespace quorvia {

void KeepOnScreen(QWidget& window);
// Fits the window again as soon as the frame it was shown in is known.
void KeepOnScreenWhenShown(QWidget& window);

}  // namespace quorvia
