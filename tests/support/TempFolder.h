#pragma once
// A fresh empty folder for one test, removed with everything in it when the test ends.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace quorvia {

class TempFolder {
  public:
    TempFolder() {
        static int count = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("quorvia-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes the bytes as they are (no line-end translation) and returns the file's path.
    std::filesystem::path Write(std::string_view name, std::string_view content) const {
        std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

    static std::string Read(const std::filesystem::path& file) {
        std::ifstream stream(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(stream), {});
    }

  private:
    std::filesystem::path path_;
};

}  // namespace quorvia
