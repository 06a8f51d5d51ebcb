#pragma once
// The sunken panel at the foot of a data form that shows the status text of the control
// with the focus.

#include <QLabel>

namespace quorvia {

// A status panel named "pnlStatus": plain text, two lines high, as wide as the window.
QLabel* NewStatusPanel(QWidget* parent);

}  // namespace quorvia
