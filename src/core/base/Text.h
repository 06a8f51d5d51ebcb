#pragma once
// Small text operations shared by the forms, the files and the reports.

#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// Without leading and trailing blanks and tabs.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

// Upper case, for ASCII and the accented Latin letters of UTF-8 text ("josé" -> "JOSÉ").
std::string UpperCase(std::string_view text);

// The lines of a text, each without its line end (CR LF or LF); no empty line after a last
// line end.
std::vector<std::string> SplitLines(std::string_view text);

// A numbered menu item's caption, "&1 text": numbers 1 to 9 are the access key, and an ampersand
// of the text is shown as itself.
std::string NumberedCaption(int number, std::string_view text);

bool StartsWith(std::string_view text, std::string_view prefix);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace quorvia
