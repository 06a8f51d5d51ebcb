#pragma once
// The about box (frmAbout1): the version of this build and a button that starts the system's
// system-information program, the first of the usual desktop ones found on the PATH.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/Ui.h"

namespace quorvia {

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

struct SysInfoProgram {
    std::string_view name;
    std::string_view argument;  // empty when the program takes none
};

// The system-information programs of the common Linux desktops, in the order they are tried.
std::span<const SysInfoProgram> SysInfoPrograms();

// The first executable file called `name` in the folders of `searchPath` (a PATH value,
// folders separated by colons). Only absolute folders are searched: an empty or relative
// entry would start whatever lies in the current folder.
std::optional<std::filesystem::path> FindOnPath(std::string_view name, std::string_view searchPath);

// Starts another program without waiting for it.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Whether the program started.
    virtual bool Start(const std::filesystem::path& program, std::string_view argument) = 0;
};

class AboutModel {
  public:
    // searchPath: the PATH the system-information program is looked up on.
    AboutModel(Ui& ui, ProgramStarter& starter, std::string searchPath);

    std::string lblVersion = "Version number";

    void Form_Load();
    void cmdSysInfo_Click();
    void StartSysInfo();

  private:
    Ui& ui_;
    ProgramStarter& starter_;
    std::string searchPath_;
};

}  // namespace quorvia
