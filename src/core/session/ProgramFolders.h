#pragma once
// Where the program finds and keeps its own files: the help collection it reads, the profile
// file, the schedule work file and the help's search index. A copy of the program in a folder of
// the person's own (a checkout, a folder they unpacked) keeps them all beside itself. An
// installed copy, whose folder belongs to the system, never writes beside itself: the profile
// file goes to the person's configuration folder, the work file and the help index to their
// cache folder; installed in an installation's bin folder, it reads its help from the
// installation's share/quorvia. The desktop program and quorvia-batch both find their files
// through LocateProgramFolders. A program people do not run by name (quorvia-batch's drawing
// program) stands beside them, or in an installation's libexec/quorvia, and finds the same
// files as the programs in the installation's bin folder.

#include <sys/types.h>

#include <filesystem>

#include "core/session/AppState.h"

namespace quorvia {

struct ProgramFolders {
    // The folder of the files the program reads and never writes, the help collection: the
    // executable's folder, or <prefix>/share/quorvia for an executable in <prefix>/bin.
    std::filesystem::path data;
    // The folder of the profile file.
    std::filesystem::path profile;
    // The folder of the work file and of the help's search index.
    std::filesystem::path cache;
    // The folder of the programs the program runs and people do not: the executable's folder,
    // or <prefix>/libexec/quorvia for an executable in <prefix>/bin.
    std::filesystem::path helpers;
};

// Whether the person with user id `person` may keep the program's files in `folder`: they own
// it, its owner may write in it, and it is not the bin folder of an installation (a folder
// named "bin" with a "share" folder beside it: /usr/bin, /usr/local/bin, ~/.local/bin,
// /opt/quorvia/bin). Ownership and the owner's write permission decide rather than whether
// this process could write there, so the answer is the same for root, who may write anywhere.
bool IsPersonsOwnFolder(const std::filesystem::path& folder, uid_t person);

// The folders of the program started from `programFolder` by the person running this process;
// a helper program in <prefix>/libexec/quorvia has those of the programs in <prefix>/bin.
// For an installed copy they follow the XDG base directories: $XDG_CONFIG_HOME/quorvia (else
// ~/.config/quorvia) and $XDG_CACHE_HOME/quorvia (else ~/.cache/quorvia). Nothing is created.
ProgramFolders LocateProgramFolders(const std::filesystem::path& programFolder);

// The folder of the running executable, links resolved.
std::filesystem::path ExecutableFolder();

// Creates the profile and cache folders when they are missing, open to their owner only. False
// when one cannot be created; the program then reports the failure where it first writes there.
bool CreateProgramFolders(const ProgramFolders& folders);

// AppPath (the profile file's folder), the profile file and the work file's folder.
void UseProgramFolders(AppState& state, const ProgramFolders& folders);

}  // namespace quorvia
