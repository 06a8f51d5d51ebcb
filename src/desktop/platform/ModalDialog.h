#pragma once
// A dialog shown modally over the program, after which the keyboard is where it was: the
// control that had the focus when the dialog opened has it again once the dialog closes.

class QDialog;

namespace quorvia {

// Runs the dialog's exec() and gives the focus back; returns what exec() returned.
int RunModal(QDialog& dialog);

}  // namespace quorvia
