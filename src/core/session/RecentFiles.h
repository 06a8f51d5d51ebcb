#pragma once
// The loan data files a person opened or saved last, newest first, as the File menu lists them.
// The profile file keeps them in its section "Recent", keys file1 to file8.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Ui.h"

namespace quorvia {

inline constexpr std::size_t kRecentFileCount = 8;
inline constexpr std::string_view kRecentSection = "Recent";

class RecentFiles {
  public:
    RecentFiles() = default;
    explicit RecentFiles(const std::vector<std::string>& paths);

    const std::vector<std::string>& Paths() const { return paths_; }

    // Puts the file first, as an absolute path; it is listed once, and the list keeps the
    // newest kRecentFileCount files. Returns whether the list changed.
    bool Add(const std::string& path);
    // Returns whether the file was listed.
    bool Remove(const std::string& path);

  private:
    std::vector<std::string> paths_;
};

// The list the profile file keeps; empty when there is none.
RecentFiles ReadRecentFiles(const std::filesystem::path& profile);

// Writes the list into the profile file in one write, every key of the section, so that no
// file left off the list comes back. A path a read would not give back whole (too long, or
// with a line break) is left out. A failure is told to the person as every profile write is.
bool WriteRecentFiles(const RecentFiles& recent, const std::filesystem::path& profile, Ui& ui);

// The File menu's captions: "&1 loan.qrv", with the folder added where two listed files have
// the same name.
std::vector<std::string> RecentFileCaptions(const RecentFiles& recent);

}  // namespace quorvia
