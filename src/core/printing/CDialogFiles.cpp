// CDialog's file dialogs: the flag arithmetic of its properties, the filter list, the request
// handed to the platform's dialog and the parsing of its answer.
#include <algorithm>

#include "core/base/Text.h"
#include "core/printing/CDialogService.h"
#include "core/printing/CmnDlgs.h"

namespace quorvia {

namespace {

// The dialog could not be started (this CDialog has no file dialogs).
constexpr uint32_t kCdErrInitialization = 2;
constexpr int kNoSuchProperty = 438;

bool Has(uint32_t flags, uint32_t bits) {
    return (flags & bits) == bits;
}

// What setting a flag property to one of its values does to the flags.
struct FlagChange {
    uint32_t set = 0;
    uint32_t clear = 0;
};

// The changes by value, from 0; a value beyond the table leaves the flags alone.
constexpr FlagChange kMultiSelectChanges[] = {
    {0, kOfnAllowMultiSelect | kOfnExplorer},
    {kOfnAllowMultiSelect, kOfnExplorer},
    {kOfnAllowMultiSelect | kOfnExplorer, 0},
};
constexpr FlagChange kFileReadOnlyChanges[] = {
    {0, kOfnReadOnly | kOfnHideReadOnly},
    {kOfnReadOnly, kOfnHideReadOnly},
    {kOfnHideReadOnly, 0},
};
constexpr FlagChange kFileMustExistChanges[] = {
    {0, 0},
    {kOfnFileMustExist | kOfnPathMustExist, 0},
    {kOfnPathMustExist, 0},
    {kOfnCreatePrompt, kOfnFileMustExist | kOfnPathMustExist},
    {kOfnCreatePrompt | kOfnPathMustExist, kOfnFileMustExist},
    {kOfnOverwritePrompt, kOfnPathMustExist},
    {kOfnOverwritePrompt | kOfnPathMustExist, 0},
};

template <std::size_t N>
void ApplyFlagChange(uint32_t& flags, const FlagChange (&changes)[N], int16_t value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) {
        return;
    }
    flags = (flags & ~changes[value].clear) | changes[value].set;
}

std::vector<FileFilter> FilterPairs(std::string_view filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < filter.size()) {
        std::size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos) {
            bar = filter.size();
        }
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<FileFilter> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        pairs.push_back({parts[i], parts[i + 1]});
    }
    return pairs;
}

// Joins a folder and a name with one "/" between them.
std::string InFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            parts.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace

FileAnswer ChosenFilesAnswer(const std::string& folder, const std::vector<std::string>& names,
                             uint32_t flags) {
    FileAnswer answer;
    answer.flags = flags;
    answer.fileCount = names.size();
    if (names.size() == 1) {
        answer.fileName = InFolder(folder, names.front());
        return answer;
    }
    char separator = (flags & kOfnExplorer) ? '\0' : ' ';
    answer.fileName = folder;
    for (const std::string& name : names) {
        answer.fileName += separator;
        answer.fileName += name;
    }
    return answer;
}

std::optional<ControlKind> ControlKindOfTarget(std::string_view target) {
    if (EqualsIgnoreCase(target, "TextRTF")) {
        return ControlKind::RichText;
    }
    if (EqualsIgnoreCase(target, "Picture")) {
        return ControlKind::Picture;
    }
    if (EqualsIgnoreCase(target, "List")) {
        return ControlKind::List;
    }
    if (EqualsIgnoreCase(target, "Text")) {
        return ControlKind::Text;
    }
    return std::nullopt;
}

void CDialog::SetAction(int16_t action) {
    if (action == 1) {
        ShowOpen();
    } else if (action == 2) {
        ShowSave();
    }
}

int16_t CDialog::MultiSelect() const {
    if (!Has(Flags, kOfnAllowMultiSelect)) {
        return 0;
    }
    return Has(Flags, kOfnExplorer) ? 2 : 1;
}

void CDialog::SetMultiSelect(int16_t value) {
    ApplyFlagChange(Flags, kMultiSelectChanges, value);
}

int16_t CDialog::FileReadOnly() const {
    if (Has(Flags, kOfnHideReadOnly)) {
        return 2;
    }
    return Has(Flags, kOfnReadOnly) ? 1 : 0;
}

void CDialog::SetFileReadOnly(int16_t value) {
    ApplyFlagChange(Flags, kFileReadOnlyChanges, value);
}

int16_t CDialog::FileMustExist() const {
    if (Has(Flags, kOfnFileMustExist | kOfnPathMustExist)) {
        return 1;
    }
    if (Has(Flags, kOfnCreatePrompt | kOfnPathMustExist)) {
        return 4;
    }
    if (Has(Flags, kOfnCreatePrompt)) {
        return 3;
    }
    if (Has(Flags, kOfnOverwritePrompt | kOfnPathMustExist)) {
        return 6;
    }
    if (Has(Flags, kOfnOverwritePrompt)) {
        return 5;
    }
    return Has(Flags, kOfnPathMustExist) ? 2 : 0;
}

void CDialog::SetFileMustExist(int16_t value) {
    ApplyFlagChange(Flags, kFileMustExistChanges, value);
}

void CDialog::AddFilter(const std::string& description, const std::string& filespec,
                        bool defaultFilter) {
    if (freshFilterList_) {
        Filter.clear();
        freshFilterList_ = false;
    }
    if (!Filter.empty() && Filter.back() != '|') {
        Filter += '|';
    }
    Filter += description;
    if (filespec.find(';') == std::string::npos) {
        Filter += " (" + filespec + ")";
    }
    Filter += "|" + filespec + "|";
    if (defaultFilter) {
        FilterIndex = static_cast<int16_t>(FilterPairs(Filter).size());
    }
}

void CDialog::AddDefaultFilters(ControlKind kind) {
    switch (kind) {
        case ControlKind::RichText:
            AddFilter("All Document files", "*.rtf;*.txt");
            AddFilter("Rich Text Box files", "*.rtf");
            AddFilter("Text Files", "*.txt");
            break;
        case ControlKind::Picture:
            AddFilter("All Image files", "*.bmp;*.dib;*.wmf;*.emf;*.ico;*.cur");
            AddFilter("Bitmaps", "*.bmp;*.dib");
            AddFilter("Metafiles", "*.wmf;*.emf");
            AddFilter("Icons", "*.ico;*.cur");
            break;
        case ControlKind::List:
            AddFilter("Data Files", "*.dat;*.lst");
            break;
        case ControlKind::Text:
            AddFilter("Text files ", "*.txt");
            break;
    }
    AddFilter("All Files", "*.*");
}

bool CDialog::ShowOpen(DialogControl* control) {
    return ShowFileDialog(FileDialogKind::Open, control);
}

bool CDialog::ShowSave(DialogControl* control) {
    return ShowFileDialog(FileDialogKind::Save, control);
}

FileRequest CDialog::FileDialogRequest(FileDialogKind kind) const {
    FileRequest request;
    request.kind = kind;
    request.filters = FilterPairs(Filter);
    request.customFilter = CustomFilter;
    request.filterIndex = FilterIndex;
    request.fileName = Filename;
    request.maxFileSize = MaxFileSize;
    request.initDir = InitDir;
    request.title = DialogTitle;
    request.flags = Flags & ~kOfnShowHelp;
    request.defaultExt = DefaultExt;
    return request;
}

bool CDialog::ShowFileDialog(FileDialogKind kind, DialogControl* control) {
    if (control && Filter.empty()) {
        AddDefaultFilters(control->Kind());
    }
    uint32_t extendedError = kCdErrInitialization;
    std::optional<FileAnswer> answer;
    if (files_) {
        answer = files_->ChooseFile(FileDialogRequest(kind), extendedError);
    }
    if (!answer) {
        ReportDialogError(ui_, extendedError);
        freshFilterList_ = true;
        if (CancelError) {
            throw RaisedRunError({error_number::kDialogCancelled, "Cancel was selected."});
        }
        return false;
    }
    TakeAnswer(*answer);
    if (control) {
        std::optional<RunError> error =
            kind == FileDialogKind::Open ? LoadInto(*control) : SaveFrom(*control);
        if (error) {
            throw RaisedRunError(*error);
        }
    }
    return true;
}

// A single choice is a full path, blanks and all. A multiple choice is a folder and names,
// separated by NULs (explorer style) or blanks (old style); one file chosen that way still
// comes as a full path.
void CDialog::TakeAnswer(const FileAnswer& answer) {
    Flags = answer.flags;
    FilterIndex = static_cast<int16_t>(answer.filterIndex);
    selected_.clear();
    std::vector<std::string> parts;
    if (MultiSelect() != 0 && answer.fileCount > 1) {
        parts = SplitAt(answer.fileName, MultiSelect() == 2 ? '\0' : ' ');
    }
    if (parts.size() > 1) {
        Filename = parts[0];
        for (std::size_t i = 1; i < parts.size(); ++i) {
            selected_.push_back(InFolder(parts[0], parts[i]));
        }
        FileOffset = static_cast<int16_t>(parts[0].size() + 1);
        FileExt = 0;
        FileTitle.clear();
        return;
    }
    Filename = answer.fileName;
    selected_.push_back(Filename);
    std::size_t slash = Filename.rfind('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    FileTitle = Filename.substr(nameStart);
    FileOffset = static_cast<int16_t>(nameStart);
    std::size_t dot = FileTitle.rfind('.');
    if (dot == std::string::npos) {
        FileExt = static_cast<int16_t>(Filename.size());
    } else if (dot + 1 == FileTitle.size()) {
        FileExt = 0;
    } else {
        FileExt = static_cast<int16_t>(nameStart + dot + 1);
    }
}

std::string CDialog::SelectedFile(int index) const {
    if (index < 1 || index > static_cast<int>(selected_.size())) {
        return {};
    }
    return selected_[static_cast<std::size_t>(index - 1)];
}

namespace {

std::optional<RunError> KindFor(const DialogControl& control, std::string_view target,
                                ControlKind& kind) {
    if (target.empty()) {
        kind = control.Kind();
        return std::nullopt;
    }
    std::optional<ControlKind> named = ControlKindOfTarget(target);
    if (!named) {
        return RunError{kNoSuchProperty, "Object doesn't support this property or method"};
    }
    kind = *named;
    return std::nullopt;
}

}  // namespace

std::optional<RunError> CDialog::SaveFrom(DialogControl& control, std::string_view target) {
    ControlKind kind{};
    if (std::optional<RunError> error = KindFor(control, target, kind)) {
        return error;
    }
    if (selected_.empty()) {
        return RunError{error_number::kBadFileName, "Bad file name or number"};
    }
    return control.SaveTo(selected_.front(), kind);
}

std::optional<RunError> CDialog::LoadInto(DialogControl& control, std::string_view target) {
    ControlKind kind{};
    if (std::optional<RunError> error = KindFor(control, target, kind)) {
        return error;
    }
    if (selected_.empty()) {
        return RunError{error_number::kBadFileName, "Bad file name or number"};
    }
    return control.LoadFrom(selected_.front(), kind);
}

}  // namespace quorvia
