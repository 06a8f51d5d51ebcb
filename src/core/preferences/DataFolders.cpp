#include "core/preferences/DataFolders.h"

#include <filesystem>
#include <system_error>

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr int kDeviceUnavailable = 68;

bool LiesUnder(std::string_view path, std::string_view mountPoint) {
    if (path.substr(0, mountPoint.size()) != mountPoint) {
        return false;
    }
    return mountPoint.ends_with('/') || path.size() == mountPoint.size() ||
           path[mountPoint.size()] == '/';
}

}  // namespace

std::optional<std::string> VolumeOf(std::string_view path, const std::vector<std::string>& volumes,
                                    RunError& error) {
    const std::string* best = nullptr;
    if (path.starts_with('/')) {
        for (const std::string& volume : volumes) {
            if (LiesUnder(path, volume) && (best == nullptr || volume.size() > best->size())) {
                best = &volume;
            }
        }
    }
    if (best == nullptr) {
        error = {kDeviceUnavailable, "Device unavailable"};
        return std::nullopt;
    }
    return *best;
}

std::optional<RunError> FolderAccessError(const std::string& folder) {
    std::error_code failure;
    if (!folder.empty() && fs::is_directory(folder, failure)) {
        fs::directory_iterator listing(folder, failure);
        if (!failure) {
            return std::nullopt;
        }
    }
    return RunError{error_number::kPathNotFound, "Path not found"};
}

}  // namespace quorvia
