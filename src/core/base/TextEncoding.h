#pragma once
// Text inside the program is UTF-8. Files from older copies of the program are 8-bit
// Windows-1252; these convert between the two.

#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

bool IsValidUtf8(std::string_view bytes);

std::string Windows1252ToUtf8(std::string_view bytes);

// The text in Windows-1252, or nothing when a character has no place there.
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

}  // namespace quorvia
