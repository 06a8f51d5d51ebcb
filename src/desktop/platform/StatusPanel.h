#pragma once
// The sunken panel at the foot of a data form that shows the status text of the control
// with the focus.

#include <QLabel>

namespace quorvia {

// A status panel named "pnlStatus", one line of plain text high.
QLabel* NewStatusPanel(QWidget* parent);

}  // namespace quorvia
