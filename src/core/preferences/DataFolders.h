#pragma once
// Where loan data files may go: the mounted volumes of this system stand for drives, and a
// folder is reachable when it can be listed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/RunError.h"

namespace quorvia {

class DataFolders {
  public:
    virtual ~DataFolders() = default;
    // The mount points of the mounted volumes.
    virtual std::vector<std::string> Volumes() = 0;
};

// The volume that holds the path: the longest mount point it lies under. Error 68 when the
// path is no absolute path (a drive letter from another system, say) or no volume holds it.
std::optional<std::string> VolumeOf(std::string_view path, const std::vector<std::string>& volumes,
                                    RunError& error);

// Nothing when the folder exists and can be listed; error 76 otherwise.
std::optional<RunError> FolderAccessError(const std::string& folder);

}  // namespace quorvia
