#pragma once
// Qt's own diagnostics on standard error: the runtime folder it picked when XDG_RUNTIME_DIR is
// unset, a platform plugin's notes. They tell a person using the program nothing they could act
// on, and in quorvia-batch they would mix with the program's messages, which scripts read.

namespace quorvia {

// From now on Qt's debug, information and warning messages are dropped; critical and fatal ones,
// which say why a program cannot go on, still reach standard error. Call before Qt starts.
void QuietenQtDiagnostics();

}  // namespace quorvia
