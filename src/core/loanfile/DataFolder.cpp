#include "core/loanfile/DataFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "core/base/Text.h"

namespace quorvia {

namespace {

// The system's error number when the folder cannot be entered (missing, not a folder, no
// permission to search it).
std::optional<int> FolderError(const std::string& folder) {
    struct stat info {};
    if (::stat((folder + "/.").c_str(), &info) != 0) {
        return errno;
    }
    return std::nullopt;
}

void ShowFolderError(Ui& ui, std::string_view title, int error) {
    ui.MsgBox(
        {std::string(std::strerror(error)) + std::string(CrLf) + "[#" + std::to_string(error) + "]",
         std::string(title), MsgButtons::Ok, MsgIcon::Information, 1});
}

// Whether `path` is `folder` or lies inside it.
bool IsInside(const std::string& path, std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    if (folder == "/") {
        return StartsWith(path, "/");
    }
    return path == folder || StartsWith(path, folder + "/");
}

std::string DataDirectoryOf(const AppState& state) {
    return state.DataDirectory.empty() ? state.DataDrive : state.DataDirectory;
}

// The program's own drive needs no test: a mount point that holds the program's folder, or the
// first two characters of its path, which the preferences store when none was chosen.
std::optional<int> DriveError(const AppState& state) {
    std::string appFolder = state.AppPath.string();
    if (EqualsIgnoreCase(appFolder.substr(0, 2), state.DataDrive) ||
        IsInside(appFolder, state.DataDrive)) {
        return std::nullopt;
    }
    return FolderError(state.DataDrive);
}

}  // namespace

std::string SelectDataFolder(const AppState& state, Ui& ui) {
    std::string appFolder = state.AppPath.string();
    if (state.DataDrive.empty()) {
        return appFolder;
    }
    if (std::optional<int> error = DriveError(state)) {
        ShowFolderError(ui, "Error accessing default drive...", *error);
        return appFolder;
    }
    std::string folder = DataDirectoryOf(state);
    if (std::optional<int> error = FolderError(folder)) {
        ShowFolderError(ui, "Error accessing default path...", *error);
        return appFolder;
    }
    return folder;
}

std::string SelectSaveAsFolder(const AppState& state) {
    std::string appFolder = state.AppPath.string();
    const std::string& current = state.LoanFilePath;
    if (!current.empty()) {
        std::size_t slash = current.rfind('/');
        if (slash == std::string::npos) {
            return appFolder;
        }
        return slash == 0 ? "/" : current.substr(0, slash);
    }
    return ReachableDataFolder(state).value_or(appFolder);
}

std::optional<std::string> ReachableDataFolder(const AppState& state) {
    if (state.DataDrive.empty() || DriveError(state)) {
        return std::nullopt;
    }
    std::string folder = DataDirectoryOf(state);
    if (FolderError(folder)) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace quorvia
