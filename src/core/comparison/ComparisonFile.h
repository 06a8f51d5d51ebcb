#pragma once
// Comparison files (*.qrvc): the scenarios of a comparison, each column's loan entries and its
// events, as JSON. Written atomically like every file the program writes; a file that is not one
// (not JSON, another program's JSON, a value out of its range) is refused with the reason, and
// nothing of it is taken.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/RunError.h"
#include "core/comparison/CompareModel.h"

namespace quorvia {

inline constexpr std::string_view kComparisonExtension = "qrvc";
// A comparison file is a few kilobytes; anything this large is something else.
inline constexpr std::size_t kComparisonFileLimit = 1024 * 1024;

// The file's text: indented JSON ending in a line feed.
std::string ComparisonText(const std::vector<Scenario>& scenarios);

// The scenarios the text holds, or nothing and in `problem` what is wrong with it.
std::optional<std::vector<Scenario>> ReadComparisonText(std::string_view text,
                                                        std::string& problem);

std::optional<RunError> SaveComparison(const std::filesystem::path& path,
                                       const std::vector<Scenario>& scenarios);

// The scenarios of the file, or nothing and the message that refuses it in `problem`.
std::optional<std::vector<Scenario>> OpenComparison(const std::filesystem::path& path,
                                                    std::string& problem);

}  // namespace quorvia
