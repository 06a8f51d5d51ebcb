#include "core/app/MainWindowTitle.h"

#include <filesystem>

#include "core/app/ProgramVersion.h"

namespace quorvia {

MainWindowTitle MainWindowTitleOf(const AppState& state) {
    if (!state.FormOpen[1]) {
        return {std::string(kProgramName), false};
    }
    std::string loan = state.LoanFilePath.empty()
                           ? std::string(kUntitledLoan)
                           : std::filesystem::path(state.LoanFilePath).filename().string();
    // "[*]" in a file's own name is doubled, so that the window shows it as written.
    for (std::size_t mark = loan.find("[*]"); mark != std::string::npos;
         mark = loan.find("[*]", mark + 6)) {
        loan.insert(mark, "[*]");
    }
    return {loan + "[*] - " + std::string(kProgramName), state.InputUnsaved};
}

}  // namespace quorvia
