#pragma once
// How every file the program produces is written: into a new temporary file beside the target,
// flushed to disk, then renamed over the target. A reader never sees half a file, and a failed
// write (a full disk, a folder that vanished) leaves the old file exactly as it was and no
// temporary file behind.

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/base/RunError.h"

namespace quorvia {

// Permissions of a file that did not exist before; the process's umask still applies.
inline constexpr std::filesystem::perms kNewFilePermissions = std::filesystem::perms(0644);

// What every output says when it cannot be written: "Cannot write PATH: " and the reason (the
// system's description of the error).
RunError FileWriteError(const std::filesystem::path& target, std::string_view reason);

// Replaces `target` with `content`. An existing file keeps its permissions; a symbolic link at
// the target is replaced, never written through; a folder or a device at the target is refused.
// The temporary file is created exclusively and without following links, under a short name of
// its own, so a target name of any length that the folder allows can be written.
std::optional<RunError> WriteFileAtomically(
    const std::filesystem::path& target, std::string_view content,
    std::filesystem::perms newFilePermissions = kNewFilePermissions);

// The same road for a file written a piece at a time, such as a portfolio's output that is
// too large to hold: the pieces go to the temporary file, and Commit puts it in place. A writer
// destroyed before Commit succeeded removes its temporary file and leaves the target as it was.
class AtomicFileWriter {
  public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    std::optional<RunError> Open(const std::filesystem::path& target,
                                 std::filesystem::perms newFilePermissions = kNewFilePermissions);
    std::optional<RunError> Append(std::string_view content);
    // Flushes the file to disk and renames it over the target.
    std::optional<RunError> Commit();

  private:
    std::optional<RunError> Fail(int error);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int descriptor_ = -1;
};

}  // namespace quorvia
