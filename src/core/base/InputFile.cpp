#include "core/base/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace quorvia {

namespace fs = std::filesystem;

namespace {

RunError ReadError(const fs::path& path, int error) {
    if (error == ENOENT || error == ENOTDIR) {
        return {error_number::kFileNotFound, "File not found"};
    }
    return {error_number::kPathFileAccess,
            "Cannot read " + path.string() + ": " + std::strerror(error)};
}

RunError TooLarge(const fs::path& path, std::size_t sizeLimit, std::string_view kind) {
    std::string limit = sizeLimit % 1024 == 0 ? std::to_string(sizeLimit / 1024) + " KB"
                                              : std::to_string(sizeLimit) + " bytes";
    return {error_number::kPathFileAccess,
            path.string() + " is too large for a " + std::string(kind) + " (over " + limit + ")"};
}

std::optional<RunError> CheckKind(const fs::path& path, const struct stat& info,
                                  std::size_t sizeLimit, std::string_view kind) {
    if (S_ISDIR(info.st_mode)) {
        return RunError{error_number::kPathFileAccess, path.string() + " is a folder"};
    }
    if (!S_ISREG(info.st_mode)) {
        return RunError{error_number::kPathFileAccess, path.string() + " is not a regular file"};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > sizeLimit) {
        return TooLarge(path, sizeLimit, kind);
    }
    return std::nullopt;
}

// Reads to the end, but never more than one byte beyond the limit: a file that grows while it
// is read is still refused.
std::optional<RunError> ReadUpTo(int descriptor, const fs::path& path, std::size_t sizeLimit,
                                 std::string_view kind, std::string& bytes) {
    std::string content;
    char buffer[16384];
    while (content.size() <= sizeLimit) {
        ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return ReadError(path, errno);
        }
        if (count == 0) {
            bytes = std::move(content);
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
    return TooLarge(path, sizeLimit, kind);
}

}  // namespace

std::optional<RunError> ReadInputFile(const fs::path& path, std::size_t sizeLimit,
                                      std::string_view kind, std::string& bytes) {
    // Without O_NONBLOCK opening a named pipe waits for a writer that may never come.
    int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return ReadError(path, errno);
    }
    struct stat info {};
    std::optional<RunError> error;
    if (::fstat(descriptor, &info) != 0) {
        error = ReadError(path, errno);
    } else {
        error = CheckKind(path, info, sizeLimit, kind);
    }
    if (!error) {
        error = ReadUpTo(descriptor, path, sizeLimit, kind, bytes);
    }
    ::close(descriptor);
    return error;
}

bool HoldsOnlyText(std::string_view bytes) {
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvia
