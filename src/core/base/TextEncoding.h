#pragma once
// Text inside the program is UTF-8. Files come as UTF-8, from this program and from the
// person's other tools, or as 8-bit Windows-1252 from older copies of the program.

#include <string>
#include <string_view>

namespace quorvia {

bool IsValidUtf8(std::string_view bytes);

std::string Windows1252ToUtf8(std::string_view bytes);

// The text of a file's bytes: UTF-8 when they start with the byte-order mark (which is dropped)
// or are valid UTF-8, else Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// The bytes to write for a text so that DecodeFileText gives it back: plain ASCII as it is,
// anything else as UTF-8 after a byte-order mark (without the mark, text such as "Â£" would
// read back as its Windows-1252 look-alike).
std::string EncodeFileText(std::string_view text);

}  // namespace quorvia
