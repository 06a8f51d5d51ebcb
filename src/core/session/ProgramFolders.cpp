#include "core/session/ProgramFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderName = "quorvia";

// The installation whose bin folder `folder` is, if it is one.
std::optional<fs::path> InstallationOfBin(const fs::path& folder) {
    std::error_code error;
    fs::path bin = fs::weakly_canonical(folder, error);
    if (error || bin.filename() != "bin" || !fs::is_directory(bin.parent_path() / "share", error)) {
        return std::nullopt;
    }
    return bin.parent_path();
}

// The bin folder of the installation whose helper programs' folder (<prefix>/libexec/quorvia)
// `folder` is, if it is one.
std::optional<fs::path> BinOfHelpers(const fs::path& folder) {
    std::error_code error;
    fs::path helpers = fs::weakly_canonical(folder, error);
    if (error || helpers.filename() != kFolderName ||
        helpers.parent_path().filename() != "libexec") {
        return std::nullopt;
    }
    fs::path bin = helpers.parent_path().parent_path() / "bin";
    if (!InstallationOfBin(bin)) {
        return std::nullopt;
    }
    return bin;
}

ProgramFolders FoldersBesideTheProgram(const fs::path& programFolder) {
    if (std::optional<fs::path> installation = InstallationOfBin(programFolder)) {
        return {*installation / "share" / kFolderName, programFolder, programFolder,
                *installation / "libexec" / kFolderName};
    }
    return {programFolder, programFolder, programFolder, programFolder};
}

// An absolute path from the environment; XDG ignores a relative one.
std::optional<fs::path> AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || !fs::path(value).is_absolute()) {
        return std::nullopt;
    }
    return fs::path(value);
}

std::optional<fs::path> HomeFolder() {
    if (std::optional<fs::path> home = AbsoluteFromEnvironment("HOME")) {
        return home;
    }
    const passwd* entry = ::getpwuid(::geteuid());
    if (entry != nullptr && entry->pw_dir != nullptr && fs::path(entry->pw_dir).is_absolute()) {
        return fs::path(entry->pw_dir);
    }
    return std::nullopt;
}

// $variable/quorvia, else ~/fallback/quorvia.
std::optional<fs::path> PerUserFolder(const char* variable, std::string_view fallback) {
    if (std::optional<fs::path> base = AbsoluteFromEnvironment(variable)) {
        return *base / kFolderName;
    }
    if (std::optional<fs::path> home = HomeFolder()) {
        return *home / fallback / kFolderName;
    }
    return std::nullopt;
}

}  // namespace

bool IsPersonsOwnFolder(const fs::path& folder, uid_t person) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return false;
    }
    return status.st_uid == person && (status.st_mode & S_IWUSR) != 0 && !InstallationOfBin(folder);
}

ProgramFolders LocateProgramFolders(const fs::path& programFolder) {
    const fs::path folder = BinOfHelpers(programFolder).value_or(programFolder);
    ProgramFolders folders = FoldersBesideTheProgram(folder);
    if (IsPersonsOwnFolder(folder, ::geteuid())) {
        return folders;
    }
    std::optional<fs::path> config = PerUserFolder("XDG_CONFIG_HOME", ".config");
    std::optional<fs::path> cache = PerUserFolder("XDG_CACHE_HOME", ".cache");
    // Without a home folder there is no per-user place: the program's folder is all there is.
    if (config && cache) {
        folders.profile = *config;
        folders.cache = *cache;
    }
    return folders;
}

fs::path ExecutableFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path(error) : program.parent_path();
}

bool CreateProgramFolders(const ProgramFolders& folders) {
    bool created = true;
    for (const fs::path& folder : {folders.profile, folders.cache}) {
        fs::path made;
        for (const fs::path& part : folder) {
            made /= part;
            if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
                created = false;
                break;
            }
        }
    }
    return created;
}

void UseProgramFolders(AppState& state, const ProgramFolders& folders) {
    state.AppPath = folders.profile;
    state.IniFilePath = folders.profile / std::string(kIniFileName);
    state.WorkFileFolder = folders.cache;
}

}  // namespace quorvia
