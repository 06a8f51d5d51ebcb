#pragma once
// The mounted volumes of this system, as the preferences offer them for loan data files.

#include "core/preferences/DataFolders.h"

namespace quorvia {

class QtDataFolders : public DataFolders {
  public:
    // The mount points of the ready volumes, the root first.
    std::vector<std::string> Volumes() override;
};

}  // namespace quorvia
