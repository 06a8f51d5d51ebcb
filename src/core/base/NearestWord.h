#pragma once
// The word a person most likely meant when they mistyped one: "--trem" for "--term".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// The number of single-letter edits (a letter added, removed, changed, or two neighbours
// swapped) that turn `a` into `b`, letters compared without regard to case.
int EditDistance(std::string_view a, std::string_view b);

// The known word closest to `typed`, when it is close enough to be a slip of the keyboard:
// at most two edits, or a third of the word's letters for longer words. The first of equally
// close words wins; nothing when none is close.
std::optional<std::string_view> NearestWord(std::string_view typed,
                                            const std::vector<std::string_view>& known);

// What a usage error adds after naming an unknown word: "; did you mean --term?", or nothing
// when no known word is close.
std::string DidYouMean(std::string_view typed, const std::vector<std::string_view>& known);

}  // namespace quorvia
