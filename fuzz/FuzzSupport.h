#pragma once
// What every fuzz target shares: a scratch folder for the files a target writes, a reader
// that cuts the fuzzer's bytes into the pieces a target needs, and a check that stops the
// run with a message the fuzzer reports as a crash.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace quorvia::fuzz {

// A folder of this process's own, removed when the process ends. It is in memory where the
// system offers that: every input writes files, and the profile file is flushed to disk.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path base = ::access("/dev/shm", W_OK) == 0
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "quorvia-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("quorvia fuzz: cannot create a scratch folder");
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

// Text for a failure message: control bytes and bytes outside ASCII as \xNN, so the message
// shows exactly what differs.
inline std::string Escaped(std::string_view text) {
    std::string shown;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\') {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            shown += code;
        } else {
            shown += c;
        }
    }
    return shown;
}

// A broken promise of the code under test: the message, then an abort the fuzzer records
// together with the input.
#define QUORVIA_FUZZ_CHECK(condition, message)                                          \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", __FILE__, __LINE__, \
                         #condition, quorvia::fuzz::Escaped(message).c_str());          \
            std::abort();                                                               \
        }                                                                               \
    } while (false)

// The fuzzer's bytes as a sequence of pieces: lines (a seed file is readable text, one piece
// a line) and single choice bytes.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return rest_.empty(); }

    // The text up to the next line feed (which is dropped), or everything that is left.
    std::string_view Line() {
        std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

    // Everything that is left.
    std::string_view Rest() {
        std::string_view rest = rest_;
        rest_ = {};
        return rest;
    }

    // A value from low to high read from the next character, low when none is left. A digit
    // stands for itself when it is in the range, so seed files can spell their choices.
    int Choice(int low, int high) {
        if (rest_.empty()) {
            return low;
        }
        int c = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        int value = c >= '0' && c <= '9' ? c - '0' : c;
        int count = high - low + 1;
        return low + ((value - low) % count + count) % count;
    }

    // A value from low to high read from the next two bytes (low when none is left).
    int Count(int low, int high) {
        unsigned value = 0;
        for (int i = 0; i < 2 && !rest_.empty(); ++i) {
            value = value * 256 + static_cast<unsigned char>(rest_.front());
            rest_.remove_prefix(1);
        }
        return low + static_cast<int>(value % static_cast<unsigned>(high - low + 1));
    }

  private:
    std::string_view rest_;
};

}  // namespace quorvia::fuzz
