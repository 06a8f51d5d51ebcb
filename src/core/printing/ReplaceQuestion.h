#pragma once
// A save dialog asks before replacing the file under the name as typed. When the program then
// adds an extension to that name, the file under the new name is replaced only when the person
// says so, with the question File | Save As asks.

#include <string>

#include "core/base/Ui.h"

namespace quorvia {

// True when no file stands at `path` or the person answers Yes to replacing it.
bool MayReplaceFile(Ui& ui, const std::string& path);

}  // namespace quorvia
