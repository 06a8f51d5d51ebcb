#include "desktop/preferences/QtDataFolders.h"

#include <QStorageInfo>
#include <algorithm>

namespace quorvia {

std::vector<std::string> QtDataFolders::Volumes() {
    std::vector<std::string> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            volumes.push_back(volume.rootPath().toStdString());
        }
    }
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    return volumes;
}

}  // namespace quorvia
