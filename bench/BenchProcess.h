#pragma once
// Runs a program of the build as a whole process, as a script runs it, for the benchmarks that
// measure what a run costs from start to end.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvia {

// The build folder: the one above this program's own (build/bench/quorvia_bench).
inline std::filesystem::path BuildFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// Runs `program` with `args`, its output and error streams thrown away; the process's resource
// use, or nothing when it did not end with exit status 0 (the run measured nothing).
inline std::optional<rusage> RunProcess(const std::filesystem::path& program,
                                        const std::vector<std::string>& args) {
    pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        for (std::FILE* stream : {stdout, stderr}) {
            static_cast<void>(std::freopen("/dev/null", "w", stream));
        }
        ::execv(program.c_str(), argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return usage;
}

}  // namespace quorvia
