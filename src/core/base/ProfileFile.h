#pragma once
// The profile (INI) file: "[section]" headers followed by "key=value" lines. Keys and
// sections are matched without regard to case. Values are plain text and may hold commas.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/Ui.h"

namespace quorvia {

// The longest value a read returns, in characters.
inline constexpr std::size_t kIniValueLimit = 254;
// A profile file holds a few dozen short lines; anything this large is something else.
inline constexpr std::size_t kProfileFileLimit = 1024 * 1024;

// True only when the file's length can be read and is greater than zero: an empty file
// counts as missing.
bool FileExists(const std::filesystem::path& file);

// One profile file read into memory once, so that a start-up reading every key reads the file
// once. Only a regular text file of at most kProfileFileLimit bytes counts as a profile file;
// anything else reads as holding no keys and is never rewritten.
class ProfileFile {
  public:
    enum class State { Missing, Read, NotAProfileFile };

    static ProfileFile Load(const std::filesystem::path& file);

    State FileState() const { return state_; }
    // Read, and not empty: the file exists in the sense of FileExists.
    bool HasContent() const { return state_ == State::Read && !(bom_.empty() && lines_.empty()); }
    // Whether the file has a section of that name, with keys or without.
    bool HasSection(std::string_view section) const;

    // The value of the key with its surrounding blanks removed, cut to kIniValueLimit
    // characters; "" when the section or the key is missing.
    std::string Value(std::string_view section, std::string_view key) const;

    // Sets the key, adding the section when missing. The key's line is replaced where it
    // stands; every other line is kept byte for byte. Written lines end with CR LF.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's contents as they would be written.
    std::string Text() const;

    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n", or "" for a last line without one
    };

  private:
    State state_ = State::Missing;
    std::string bom_;
    std::vector<Line> lines_;
};

// One key read from the file (the file is read for this one key).
std::string ReadIniString(std::string_view section, std::string_view key,
                          const std::filesystem::path& file);

// Whether a read gives the value back exactly as it was written: no line break or other
// control character, no surrounding blanks, and not longer than a read returns.
bool ReadsBackWhole(std::string_view value);

// Sets the key in the file, creating the file or the section when missing. The new contents
// replace the file through the atomic writer, so a failed write leaves the old file as it was;
// a file that is no profile file is left alone. Returns non-zero on success; on failure tells
// the person "DATA NOT SAVED" and returns 0.
int WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                   const std::filesystem::path& file, Ui& ui);

// A key and its value, as WriteIniStrings writes them.
using IniEntry = std::pair<std::string, std::string>;

// Sets several keys of one section as WriteIniString sets one, in a single write of the file:
// either every key is written or the file is left as it was.
int WriteIniStrings(std::string_view section, const std::vector<IniEntry>& entries,
                    const std::filesystem::path& file, Ui& ui);

}  // namespace quorvia
