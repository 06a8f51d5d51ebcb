#include "core/session/RecentFiles.h"

#include <algorithm>
#include <system_error>

#include "core/base/ProfileFile.h"
#include "core/base/Text.h"

namespace quorvia {

namespace fs = std::filesystem;

namespace {

std::string KeyOf(std::size_t index) {
    return "file" + std::to_string(index + 1);
}

// Listed by its absolute path, so that one file reached by two names is listed once.
std::string ListedPath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

RecentFiles::RecentFiles(const std::vector<std::string>& paths) {
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        Add(*path);
    }
}

bool RecentFiles::Add(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::string listed = ListedPath(path);
    if (!paths_.empty() && paths_.front() == listed) {
        return false;
    }
    Remove(listed);
    paths_.insert(paths_.begin(), listed);
    if (paths_.size() > kRecentFileCount) {
        paths_.resize(kRecentFileCount);
    }
    return true;
}

bool RecentFiles::Remove(const std::string& path) {
    auto listed = std::find(paths_.begin(), paths_.end(), path);
    if (listed == paths_.end()) {
        return false;
    }
    paths_.erase(listed);
    return true;
}

RecentFiles ReadRecentFiles(const fs::path& profile) {
    ProfileFile file = ProfileFile::Load(profile);
    std::vector<std::string> paths;
    for (std::size_t index = 0; index < kRecentFileCount; ++index) {
        std::string path = file.Value(kRecentSection, KeyOf(index));
        if (!path.empty()) {
            paths.push_back(path);
        }
    }
    return RecentFiles(paths);
}

bool WriteRecentFiles(const RecentFiles& recent, const fs::path& profile, Ui& ui) {
    std::vector<IniEntry> entries;
    for (const std::string& path : recent.Paths()) {
        if (ReadsBackWhole(path)) {
            entries.emplace_back(KeyOf(entries.size()), path);
        }
    }
    while (entries.size() < kRecentFileCount) {
        entries.emplace_back(KeyOf(entries.size()), "");
    }
    return WriteIniStrings(kRecentSection, entries, profile, ui) != 0;
}

std::vector<std::string> RecentFileCaptions(const RecentFiles& recent) {
    const std::vector<std::string>& paths = recent.Paths();
    auto nameOf = [](const std::string& path) { return fs::path(path).filename().string(); };
    std::vector<std::string> captions;
    for (const std::string& path : paths) {
        std::string name = nameOf(path);
        bool shared = std::count_if(paths.begin(), paths.end(), [&](const std::string& other) {
                          return nameOf(other) == name;
                      }) > 1;
        std::string shown =
            shared ? name + "  (" + fs::path(path).parent_path().string() + ")" : name;
        captions.push_back(NumberedCaption(static_cast<int>(captions.size()) + 1, shown));
    }
    return captions;
}

}  // namespace quorvia
