#include "core/base/ProfileFile.h"

#include <optional>
#include <system_error>

#include "core/base/AtomicFile.h"
#include "core/base/InputFile.h"
#include "core/base/Text.h"

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kNone = std::string::npos;

using Lines = std::vector<ProfileFile::Line>;

void Parse(std::string_view content, std::string& bom, Lines& lines) {
    if (content.starts_with(kUtf8Bom)) {
        bom = kUtf8Bom;
        content.remove_prefix(kUtf8Bom.size());
    }
    while (!content.empty()) {
        std::size_t newline = content.find('\n');
        std::string_view text = content.substr(0, newline);
        std::string_view end = newline == kNone ? "" : "\n";
        if (!end.empty() && text.ends_with('\r')) {
            text.remove_suffix(1);
            end = kLineEnd;
        }
        lines.push_back({std::string(text), std::string(end)});
        content.remove_prefix(newline == kNone ? content.size() : newline + 1);
    }
}

// "[name]" gives the name; a header without its closing bracket runs to the end of the line.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = TrimView(line);
    if (!line.starts_with('[')) {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return TrimView(line.substr(0, line.find(']')));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
    line = TrimView(line);
    std::size_t equals = line.find('=');
    if (line.starts_with(';') || equals == kNone) {
        return std::nullopt;
    }
    return Entry{TrimView(line.substr(0, equals)), TrimView(line.substr(equals + 1))};
}

// Where a key stands: the first section of that name and the first line of the key in it.
struct KeyPlace {
    std::size_t section = kNone;
    std::size_t key = kNone;
    std::size_t sectionEnd = 0;  // just after the section's last non-blank line
};

KeyPlace FindKey(const Lines& lines, std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& text = lines[i].text;
        if (auto name = SectionNameOf(text)) {
            if (place.section != kNone) {
                break;
            }
            if (EqualsIgnoreCase(*name, section)) {
                place.section = i;
                place.sectionEnd = i + 1;
            }
            continue;
        }
        if (place.section == kNone) {
            continue;
        }
        if (!TrimView(text).empty()) {
            place.sectionEnd = i + 1;
        }
        auto entry = EntryOf(text);
        if (place.key == kNone && entry && EqualsIgnoreCase(entry->key, key)) {
            place.key = i;
        }
    }
    return place;
}

// Cuts at a character boundary of the UTF-8 text, so a cut never splits a character.
std::string CutToCharacters(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > limit) {
            return std::string(text.substr(0, i));
        }
    }
    return std::string(text);
}

// A line break inside a value would start a new line of the file, and another control
// character would make it a file that is no longer read as text: each is written as a blank.
std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (!HoldsOnlyText(std::string_view(&c, 1)) || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

// A profile file reached through a link is written where the link points.
fs::path ResolvedTarget(const fs::path& file) {
    std::error_code error;
    fs::path real = fs::canonical(file, error);
    return error ? file : real;
}

bool WriteKeys(std::string_view section, const std::vector<IniEntry>& entries,
               const fs::path& file) {
    fs::path target = ResolvedTarget(file);
    ProfileFile profile = ProfileFile::Load(target);
    if (profile.FileState() == ProfileFile::State::NotAProfileFile) {
        return false;
    }
    for (const auto& [key, value] : entries) {
        profile.Set(section, key, OneLine(value));
    }
    return !WriteFileAtomically(target, profile.Text());
}

}  // namespace

bool FileExists(const fs::path& file) {
    std::error_code error;
    std::uintmax_t length = fs::file_size(file, error);
    return !error && length > 0;
}

ProfileFile ProfileFile::Load(const fs::path& file) {
    ProfileFile profile;
    std::string content;
    std::optional<RunError> error = ReadInputFile(file, kProfileFileLimit, "profile file", content);
    if (error && error->number == error_number::kFileNotFound) {
        return profile;
    }
    if (error || !HoldsOnlyText(content)) {
        profile.state_ = State::NotAProfileFile;
        return profile;
    }
    profile.state_ = State::Read;
    Parse(content, profile.bom_, profile.lines_);
    return profile;
}

bool ProfileFile::HasSection(std::string_view section) const {
    return FindKey(lines_, section, {}).section != kNone;
}

std::string ProfileFile::Value(std::string_view section, std::string_view key) const {
    KeyPlace place = FindKey(lines_, section, key);
    if (place.key == kNone) {
        return {};
    }
    return CutToCharacters(EntryOf(lines_[place.key].text)->value, kIniValueLimit);
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    KeyPlace place = FindKey(lines_, section, key);
    if (place.key != kNone) {
        Line& line = lines_[place.key];
        std::string storedKey(EntryOf(line.text)->key);
        line = {storedKey + "=" + std::string(value), std::string(kLineEnd)};
        return;
    }
    std::vector<Line> added;
    std::size_t at = place.sectionEnd;
    if (place.section == kNone) {
        at = lines_.size();
        if (at > 0 && !TrimView(lines_.back().text).empty()) {
            added.push_back({"", std::string(kLineEnd)});
        }
        added.push_back({"[" + std::string(section) + "]", std::string(kLineEnd)});
    }
    added.push_back({std::string(key) + "=" + std::string(value), std::string(kLineEnd)});
    if (at > 0 && lines_[at - 1].end.empty()) {
        lines_[at - 1].end = kLineEnd;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

std::string ProfileFile::Text() const {
    std::string content = bom_;
    for (const Line& line : lines_) {
        content += line.text;
        content += line.end;
    }
    return content;
}

std::string ReadIniString(std::string_view section, std::string_view key, const fs::path& file) {
    return ProfileFile::Load(file).Value(section, key);
}

bool ReadsBackWhole(std::string_view value) {
    return value == OneLine(value) && value == TrimView(value) &&
           CutToCharacters(value, kIniValueLimit) == value;
}

int WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                   const fs::path& file, Ui& ui) {
    return WriteIniStrings(section, {{std::string(key), std::string(value)}}, file, ui);
}

int WriteIniStrings(std::string_view section, const std::vector<IniEntry>& entries,
                    const fs::path& file, Ui& ui) {
    if (WriteKeys(section, entries, file)) {
        return 1;
    }
    ui.MsgBox({"Error saving your data to the " + file.string() + " file ... please investigate.",
               "DATA NOT SAVED", MsgButtons::Ok, MsgIcon::Exclamation});
    return 0;
}

}  // namespace quorvia
