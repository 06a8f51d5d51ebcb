// The profile file routines. Input: the section, the key and the value to write on the first
// three lines, the file's contents after them. Writing a key then reading it gives the value
// back, and every other key of the file reads as it did before.

#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "support/ScriptedUi.h"

namespace {

using namespace quorvia;

struct Key {
    std::string section;
    std::string key;
};

// A section or key name as the program uses them: letters, digits and blanks inside.
std::string NameFrom(std::string_view text, std::string_view otherwise) {
    std::string name;
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '_' || c == ' ') {
            name += c;
        }
    }
    name = Trim(name);
    return name.empty() ? std::string(otherwise) : name;
}

// Every section and key the file seems to hold, and the program's own keys, to read before
// and after the write. Only a key named exactly as one of these is looked at.
std::vector<Key> KeysToWatch(std::string_view content) {
    std::vector<Key> keys;
    for (std::string_view name : {"dname1", "dname2", "drate", "dfont", "dsize", "dprtr"}) {
        keys.push_back({"Prefs", std::string(name)});
    }
    std::string section;
    for (const std::string& line : SplitLines(content)) {
        std::string_view text = TrimView(line);
        if (text.starts_with('[')) {
            section = Trim(text.substr(1, text.find(']') - 1));
        } else if (std::size_t equals = text.find('='); equals != std::string_view::npos) {
            keys.push_back({section, Trim(text.substr(0, equals))});
        }
        if (keys.size() >= 64) {
            break;
        }
    }
    return keys;
}

// What a read returns after the value was written: one line, no blanks around it, at most
// kIniValueLimit characters.
std::string ExpectedValue(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            c = ' ';
        }
    }
    std::string_view trimmed = TrimView(line);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if ((static_cast<unsigned char>(trimmed[i]) & 0xC0) != 0x80 &&
            ++characters > kIniValueLimit) {
            return std::string(trimmed.substr(0, i));
        }
    }
    return std::string(trimmed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::string section = NameFrom(input.Line(), "Prefs");
    std::string key = NameFrom(input.Line(), "dfont");
    std::string_view value = input.Line();
    std::string_view content = input.Rest();

    const std::filesystem::path file = fuzz::ScratchFolder() / "quorvia.ini";
    fuzz::WriteBytes(file, content);
    std::vector<Key> watched = KeysToWatch(content);
    std::vector<std::string> before;
    for (const Key& other : watched) {
        before.push_back(ReadIniString(other.section, other.key, file));
    }

    ScriptedUi ui;
    // A file that is not a profile file (binary, say) is never rewritten.
    if (ProfileFile::Load(file).FileState() == ProfileFile::State::NotAProfileFile) {
        QUORVIA_FUZZ_CHECK(WriteIniString(section, key, value, file, ui) == 0,
                           "a file that is not a profile file was rewritten");
        QUORVIA_FUZZ_CHECK(fuzz::ReadBytes(file) == content, "the file changed");
        return 0;
    }
    QUORVIA_FUZZ_CHECK(WriteIniString(section, key, value, file, ui) != 0, "the write failed");
    std::string read = ReadIniString(section, key, file);
    QUORVIA_FUZZ_CHECK(read == ExpectedValue(value), "[" + section + "] " + key + " reads " + read);
    for (std::size_t i = 0; i < watched.size(); ++i) {
        const Key& other = watched[i];
        if (EqualsIgnoreCase(other.section, section) && EqualsIgnoreCase(other.key, key)) {
            continue;
        }
        std::string after = ReadIniString(other.section, other.key, file);
        QUORVIA_FUZZ_CHECK(after == before[i], "[" + other.section + "] " + other.key + " was " +
                                                   before[i] + ", now " + after);
    }
    return 0;
}
