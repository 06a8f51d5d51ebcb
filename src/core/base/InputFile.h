#pragma once
// How the program reads a file a person can point it at: only a regular file, and only up to a
// size that file's kind never comes near, so a folder, a device, a pipe or a huge file is
// refused with a message that says what is wrong instead of hanging or filling the memory.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/RunError.h"

namespace quorvia {

// Reads the whole file into `bytes`. `kind` names what the file should be ("loan data file")
// for the message about a file that is too large. A missing file is error 53 "File not found".
std::optional<RunError> ReadInputFile(const std::filesystem::path& path, std::size_t sizeLimit,
                                      std::string_view kind, std::string& bytes);

// True when the bytes are text: no control character but tab, carriage return and line feed.
bool HoldsOnlyText(std::string_view bytes);

}  // namespace quorvia
