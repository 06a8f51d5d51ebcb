#include "core/about/AboutModel.h"

#include <unistd.h>

#include <utility>

#include "core/about/BuildVersion.h"

namespace quorvia {

namespace {

constexpr SysInfoProgram kSysInfoPrograms[] = {
    {"kinfocenter", ""},                        // KDE
    {"gnome-control-center", "info-overview"},  // GNOME, on its About page
    {"xfce4-about", ""},                        // Xfce
    {"mate-system-monitor", ""},                // MATE
    {"hardinfo2", ""},
    {"hardinfo", ""},
    {"lshw-gtk", ""},
};

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::span<const SysInfoProgram> SysInfoPrograms() {
    return kSysInfoPrograms;
}

std::optional<std::filesystem::path> FindOnPath(std::string_view name,
                                                std::string_view searchPath) {
    while (true) {
        std::size_t colon = searchPath.find(':');
        std::filesystem::path folder(std::string(searchPath.substr(0, colon)));
        if (folder.is_absolute() && IsExecutableFile(folder / std::string(name))) {
            return folder / std::string(name);
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        searchPath.remove_prefix(colon + 1);
    }
}

AboutModel::AboutModel(Ui& ui, ProgramStarter& starter, std::string searchPath)
    : ui_(ui), starter_(starter), searchPath_(std::move(searchPath)) {}

void AboutModel::Form_Load() {
    lblVersion = AboutVersionText();
}

void AboutModel::cmdSysInfo_Click() {
    ui_.SetFocus("cmdOK");
    StartSysInfo();
}

// The first program found is the one started: when it does not start, no other is tried.
void AboutModel::StartSysInfo() {
    for (const SysInfoProgram& sysInfo : kSysInfoPrograms) {
        if (auto program = FindOnPath(sysInfo.name, searchPath_)) {
            if (!starter_.Start(*program, sysInfo.argument)) {
                break;
            }
            return;
        }
    }
    ui_.MsgBox({std::string(kSysInfoUnavailable), "Quorvia", MsgButtons::Ok, MsgIcon::None, 1});
}

}  // namespace quorvia
