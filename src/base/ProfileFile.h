#pragma once
// The profile (INI) file: "[section]" headers followed by "key=value" lines. Keys and
// sections are matched without regard to case. Values are plain text and may hold commas.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Ui.h"

namespace quorvia {

// The longest value a read returns, in characters.
inline constexpr std::size_t kIniValueLimit = 254;

// True only when the file's length can be read and is greater than zero: an empty file
// counts as missing.
bool FileExists(const std::filesystem::path& file);

// The value of the key with its surrounding blanks removed, cut to kIniValueLimit
// characters; "" when the file, the section or the key is missing.
std::string ReadIniString(std::string_view section, std::string_view key,
                          const std::filesystem::path& file);

// Sets the key, creating the file or the section when missing. The key's line is replaced
// where it stands; every other line is kept byte for byte. Written lines end with CR LF.
// The new contents go to a temporary file in the same folder that then replaces the file,
// so a failed write leaves the old file as it was. Returns non-zero on success; on failure
// tells the person "DATA NOT SAVED" and returns 0.
int WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                   const std::filesystem::path& file, Ui& ui);

}  // namespace quorvia
