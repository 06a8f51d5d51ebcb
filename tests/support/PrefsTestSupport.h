#pragma once
// The mounted volumes, as the preferences tests set them.

#include <string>
#include <vector>

#include "core/preferences/DataFolders.h"

namespace quorvia::testing {

class FixedVolumes : public DataFolders {
  public:
    std::vector<std::string> Volumes() override { return volumes; }
    std::vector<std::string> volumes{"/"};
};

}  // namespace quorvia::testing
