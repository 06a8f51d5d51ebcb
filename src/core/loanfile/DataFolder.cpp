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

std::string WithoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// Whether `path` is `folder` or lies inside it.
bool IsInside(const std::string& path, std::string folder) {
    folder = WithoutTrailingSlashes(std::move(folder));
    if (folder == "/") {
        return StartsWith(path, "/");
    }
    return path == folder || StartsWith(path, folder + "/");
}

std::string DataDirectoryOf(const AppState& state) {
    return state.DataDirectory.empty() ? state.DataDrive : state.DataDirectory;
}

// The preferences name no data folder until the person chooses one: they hold the program's
// own folder then, where no one keeps loans (an installed copy's folder cannot even be written).
bool DataFolderChosen(const AppState& state) {
    return !state.DataDrive.empty() && WithoutTrailingSlashes(DataDirectoryOf(state)) !=
                                           WithoutTrailingSlashes(state.AppPath.string());
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
    std::string documents = state.DocumentsFolder.string();
    if (!DataFolderChosen(state)) {
        return documents;
    }
    if (std::optional<int> error = DriveError(state)) {
        ShowFolderError(ui, "Error accessing default drive...", *error);
        return documents;
    }
    std::string folder = DataDirectoryOf(state);
    if (std::optional<int> error = FolderError(folder)) {
        ShowFolderError(ui, "Error accessing default path...", *error);
        return documents;
    }
    return folder;
}

std::string SelectSaveAsFolder(const AppState& state) {
    std::string documents = state.DocumentsFolder.string();
    const std::string& current = state.LoanFilePath;
    if (!current.empty()) {
        std::size_t slash = current.rfind('/');
        if (slash == std::string::npos) {
            return documents;
        }
        return slash == 0 ? "/" : current.substr(0, slash);
    }
    return ReachableDataFolder(state).value_or(documents);
}

std::optional<std::string> ReachableDataFolder(const AppState& state) {
    if (!DataFolderChosen(state) || DriveError(state)) {
        return std::nullopt;
    }
    std::string folder = DataDirectoryOf(state);
    if (FolderError(folder)) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace quorvia
