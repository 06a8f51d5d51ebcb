#pragma once
// The program's version information, compiled in from the project version.

#include <string>
#include <string_view>

namespace quorvia {

inline constexpr std::string_view kProgramName = "Quorvia";
inline constexpr std::string_view kLegalNotice =
    "Copyright (C) the Quorvia developers. All rights reserved.";

// "Version 1.0": the major and the minor version.
inline std::string VersionText() {
    return "Version " + std::to_string(QUORVIA_VERSION_MAJOR) + "." +
           std::to_string(QUORVIA_VERSION_MINOR);
}

}  // namespace quorvia
