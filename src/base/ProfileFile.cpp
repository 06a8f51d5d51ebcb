#include "base/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>
#include <vector>

#include "base/Text.h"

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kNone = std::string::npos;

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
};

struct Document {
    std::string bom;
    std::vector<Line> lines;
};

enum class ReadResult { Read, Missing, Unreadable };

ReadResult ReadWholeFile(const fs::path& file, std::string& content) {
    std::FILE* stream = std::fopen(file.c_str(), "rb");
    if (stream == nullptr) {
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
        content.append(buffer, count);
    }
    bool failed = std::ferror(stream) != 0;
    std::fclose(stream);
    return failed ? ReadResult::Unreadable : ReadResult::Read;
}

Document Parse(std::string_view content) {
    Document document;
    if (content.starts_with(kUtf8Bom)) {
        document.bom = kUtf8Bom;
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
        document.lines.push_back({std::string(text), std::string(end)});
        content.remove_prefix(newline == kNone ? content.size() : newline + 1);
    }
    return document;
}

std::string Render(const Document& document) {
    std::string content = document.bom;
    for (const Line& line : document.lines) {
        content += line.text;
        content += line.end;
    }
    return content;
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

KeyPlace FindKey(const Document& document, std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const std::string& text = document.lines[i].text;
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

// A line break inside a value would start a new line of the file: it is written as a blank.
std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

void SetKey(Document& document, std::string_view section, std::string_view key,
            std::string_view value) {
    KeyPlace place = FindKey(document, section, key);
    if (place.key != kNone) {
        Line& line = document.lines[place.key];
        std::string storedKey(EntryOf(line.text)->key);
        line = {storedKey + "=" + std::string(value), std::string(kLineEnd)};
        return;
    }
    std::vector<Line> added;
    std::size_t at = place.sectionEnd;
    if (place.section == kNone) {
        at = document.lines.size();
        if (at > 0 && !TrimView(document.lines.back().text).empty()) {
            added.push_back({"", std::string(kLineEnd)});
        }
        added.push_back({"[" + std::string(section) + "]", std::string(kLineEnd)});
    }
    added.push_back({std::string(key) + "=" + std::string(value), std::string(kLineEnd)});
    if (at > 0 && document.lines[at - 1].end.empty()) {
        document.lines[at - 1].end = kLineEnd;
    }
    document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(),
                          added.end());
}

bool WriteAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file of the same name in the same folder, created with the usual permissions.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

bool ReplaceFile(const fs::path& target, std::string_view content) {
    struct stat old {};
    bool hadFile = ::stat(target.c_str(), &old) == 0;
    fs::path temporary;
    int descriptor = CreateTemporaryBeside(target, temporary);
    if (descriptor < 0) {
        return false;
    }
    // The old file's permissions carry over; where they can't (someone else's file), the
    // replacement keeps the usual ones.
    if (hadFile) {
        static_cast<void>(::fchmod(descriptor, old.st_mode & 07777));
    }
    bool written = WriteAll(descriptor, content) && ::fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    if (written && ::rename(temporary.c_str(), target.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

// A profile file reached through a link is written where the link points.
fs::path ResolvedTarget(const fs::path& file) {
    std::error_code error;
    fs::path real = fs::canonical(file, error);
    return error ? file : real;
}

bool WriteKey(std::string_view section, std::string_view key, std::string_view value,
              const fs::path& file) {
    fs::path target = ResolvedTarget(file);
    std::string content;
    if (ReadWholeFile(target, content) == ReadResult::Unreadable) {
        return false;
    }
    Document document = Parse(content);
    SetKey(document, section, key, OneLine(value));
    return ReplaceFile(target, Render(document));
}

}  // namespace

bool FileExists(const fs::path& file) {
    std::error_code error;
    std::uintmax_t length = fs::file_size(file, error);
    return !error && length > 0;
}

std::string ReadIniString(std::string_view section, std::string_view key, const fs::path& file) {
    std::string content;
    if (ReadWholeFile(file, content) != ReadResult::Read) {
        return {};
    }
    Document document = Parse(content);
    KeyPlace place = FindKey(document, section, key);
    if (place.key == kNone) {
        return {};
    }
    return CutToCharacters(EntryOf(document.lines[place.key].text)->value, kIniValueLimit);
}

int WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                   const fs::path& file, Ui& ui) {
    if (WriteKey(section, key, value, file)) {
        return 1;
    }
    ui.MsgBox({"Error saving your data to the " + file.string() + " file ... please investigate.",
               "DATA NOT SAVED", MsgButtons::Ok, MsgIcon::Exclamation});
    return 0;
}

}  // namespace quorvia
