#pragma once
// A disk that is all but full, for one test: while the object lives, a write that would make a
// file of this process larger than the limit fails (EFBIG) instead of ending the process.

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>
#include <string>

namespace quorvia {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::size_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    sighandler_t savedHandler_ = nullptr;
};

// The same for a process started through the shell: put before the program's name.
inline std::string ShellFileSizeLimit(int kilobytes) {
    return "trap '' XFSZ; ulimit -f " + std::to_string(kilobytes) + "; ";
}

}  // namespace quorvia
