#pragma once
// The platform's file dialogs (open and save), as CDialog hands them a request and reads the
// answer back. The flag values are those of the published common-dialog interface.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvia {

inline constexpr uint32_t kOfnReadOnly = 0x1;
inline constexpr uint32_t kOfnOverwritePrompt = 0x2;
inline constexpr uint32_t kOfnHideReadOnly = 0x4;
inline constexpr uint32_t kOfnShowHelp = 0x10;
inline constexpr uint32_t kOfnAllowMultiSelect = 0x200;
inline constexpr uint32_t kOfnPathMustExist = 0x800;
inline constexpr uint32_t kOfnFileMustExist = 0x1000;
inline constexpr uint32_t kOfnCreatePrompt = 0x2000;
inline constexpr uint32_t kOfnExplorer = 0x80000;

enum class FileDialogKind { Open = 1, Save = 2 };

struct FileFilter {
    std::string description;
    std::string pattern;  // one mask or several separated by ";"
};

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::vector<FileFilter> filters;
    std::string customFilter;
    int filterIndex = 1;   // 1-based
    std::string fileName;  // the initial name, a pattern, or a full path
    int maxFileSize = 256;
    std::string initDir;
    std::string title;
    std::string defaultExt;
    uint32_t flags = 0;
};

struct FileAnswer {
    // The chosen full path. With multiple selection and more than one file chosen: the folder
    // followed by the names, separated by NUL characters (explorer style) or blanks (old style).
    // Never a pattern: a pattern typed into the dialog filters its list.
    std::string fileName;
    // How many files fileName names: a single path is whole, blanks and all.
    std::size_t fileCount = 1;
    int filterIndex = 1;
    uint32_t flags = 0;
};

// The answer for the files chosen in one folder, as the request's flags ask it to be written.
FileAnswer ChosenFilesAnswer(const std::string& folder, const std::vector<std::string>& names,
                             uint32_t flags);

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The person's choice, or nothing when the dialog was cancelled or failed; then
    // `extendedError` holds the dialog's extended error code, 0 for a cancel.
    virtual std::optional<FileAnswer> ChooseFile(const FileRequest& request,
                                                 uint32_t& extendedError) = 0;
};

}  // namespace quorvia
