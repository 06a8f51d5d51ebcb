#pragma once
// The program's name and legal notice, as its windows show them (the version is in
// core/about/BuildVersion.h).

#include <string_view>

namespace quorvia {

inline constexpr std::string_view kProgramName = "Quorvia";
inline constexpr std::string_view kLegalNotice =
    "Copyright (C) the Quorvia developers. All rights reserved.";

}  // namespace quorvia
