#pragma once
// A German locale, which writes numbers with a decimal comma ("768,91"), for tests of what the
// program writes for other programs to read. Most test machines have no such locale installed:
// it is compiled with localedef into a folder of the test's own.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvia::testing {

// Compiles the locale into `folder` and returns the shell prefix that runs a program under it;
// nothing where localedef or the locale's sources (Debian's locales) are missing.
inline std::optional<std::string> DecimalCommaLocale(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::string command =
        "localedef -i de_DE -f UTF-8 " + (folder / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 ||
        !std::filesystem::exists(folder / "de_DE.UTF-8" / "LC_NUMERIC")) {
        return std::nullopt;
    }
    return "LOCPATH=" + folder.string() + " LC_ALL=de_DE.UTF-8 ";
}

}  // namespace quorvia::testing
