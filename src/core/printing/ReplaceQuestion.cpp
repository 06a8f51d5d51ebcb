#include "core/printing/ReplaceQuestion.h"

#include <filesystem>
#include <system_error>

namespace quorvia {

bool MayReplaceFile(Ui& ui, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    return ui.MsgBox({"Replace existing file (shown above)?", path, MsgButtons::YesNo,
                      MsgIcon::Question, 1}) == MsgAnswer::Yes;
}

}  // namespace quorvia
