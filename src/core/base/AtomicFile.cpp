#include "core/base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

namespace quorvia {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 100;

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// ".qv" and six random letters or digits: short enough for any folder, hidden from listings.
std::string TemporaryName() {
    static constexpr std::string_view kAlphabet =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string name = ".qv";
    for (int i = 0; i < 6; ++i) {
        name += kAlphabet[pick(random)];
    }
    return name;
}

// What stands at the target now: the permissions to keep, or an error when it is something a
// file must not replace.
std::optional<RunError> CheckTarget(const fs::path& target, std::optional<mode_t>& keptMode) {
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0) {
        return errno == ENOENT ? std::nullopt
                               : std::optional(FileWriteError(target, std::strerror(errno)));
    }
    if (S_ISDIR(old.st_mode)) {
        return RunError{error_number::kPathFileAccess, target.string() + " is a folder"};
    }
    if (S_ISREG(old.st_mode)) {
        keptMode = old.st_mode & 07777;
    } else if (!S_ISLNK(old.st_mode)) {
        return RunError{error_number::kPathFileAccess, target.string() + " is not a regular file"};
    }
    return std::nullopt;
}

int CreateTemporary(const fs::path& folder, mode_t mode, fs::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = folder / TemporaryName();
        int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

// Zero, or the errno of the write that failed.
int WriteAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : ENOSPC;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The rename itself is made durable by flushing the folder; a folder that can't be flushed
// (some network file systems) still holds the complete new file.
void FlushFolder(const fs::path& folder) {
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        static_cast<void>(::fsync(descriptor));
        ::close(descriptor);
    }
}

}  // namespace

RunError FileWriteError(const fs::path& target, std::string_view reason) {
    return {error_number::kPathFileAccess,
            "Cannot write " + target.string() + ": " + std::string(reason)};
}

std::optional<RunError> WriteFileAtomically(const fs::path& target, std::string_view content,
                                            fs::perms newFilePermissions) {
    AtomicFileWriter file;
    if (auto error = file.Open(target, newFilePermissions)) {
        return error;
    }
    if (auto error = file.Append(content)) {
        return error;
    }
    return file.Commit();
}

AtomicFileWriter::~AtomicFileWriter() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        ::unlink(temporary_.c_str());
    }
}

std::optional<RunError> AtomicFileWriter::Open(const fs::path& target,
                                               fs::perms newFilePermissions) {
    std::optional<mode_t> keptMode;
    if (auto refused = CheckTarget(target, keptMode)) {
        return refused;
    }
    target_ = target;
    // While it is written the temporary is private; it takes the kept permissions before any
    // content goes in.
    const mode_t createMode = keptMode ? 0600 : static_cast<mode_t>(newFilePermissions);
    descriptor_ = CreateTemporary(FolderOf(target), createMode, temporary_);
    if (descriptor_ < 0) {
        return FileWriteError(target, std::strerror(errno));
    }
    if (keptMode && ::fchmod(descriptor_, *keptMode) != 0) {
        return Fail(errno);
    }
    return std::nullopt;
}

std::optional<RunError> AtomicFileWriter::Append(std::string_view content) {
    if (int error = WriteAll(descriptor_, content)) {
        return Fail(error);
    }
    return std::nullopt;
}

std::optional<RunError> AtomicFileWriter::Commit() {
    if (::fsync(descriptor_) != 0) {
        return Fail(errno);
    }
    int closed = ::close(descriptor_);
    descriptor_ = -1;
    int error = closed == 0 ? 0 : errno;
    if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary_.c_str());
        return FileWriteError(target_, std::strerror(error));
    }
    FlushFolder(FolderOf(target_));
    return std::nullopt;
}

// The temporary file goes; the target stays as it was.
std::optional<RunError> AtomicFileWriter::Fail(int error) {
    ::close(descriptor_);
    descriptor_ = -1;
    ::unlink(temporary_.c_str());
    return FileWriteError(target_, std::strerror(error));
}

}  // namespace quorvia
