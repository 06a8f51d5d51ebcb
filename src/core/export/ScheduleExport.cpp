#include "core/export/ScheduleExport.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/base/Text.h"
#include "core/export/ScheduleWorkbook.h"
#include "core/loanfile/DataFolder.h"
#include "core/loanfile/LoanFileCommands.h"
#include "core/printing/ReplaceQuestion.h"
#include "core/schedule/ScheduleCsv.h"

namespace quorvia {

namespace fs = std::filesystem;

namespace {

enum class ExportType { Workbook, Csv };

struct ExportFileType {
    ExportType type;
    std::string_view description;
    std::string_view extension;
};

// In the order of the dialog's filters: the workbook first.
constexpr ExportFileType kFileTypes[] = {
    {ExportType::Workbook, "Excel Workbook", "xlsx"},
    {ExportType::Csv, "CSV (Comma delimited)", "csv"},
};

// Ask before replacing a file, in a folder that exists.
constexpr int16_t kConfirmOverwritePathMustExist = 6;

struct ExportTarget {
    std::string path;
    ExportType type;
};

// The extension of the file's own name: a point in a folder's name is none.
std::string_view ExtensionOf(std::string_view path) {
    std::string_view name = path.substr(path.rfind('/') + 1);
    std::size_t point = name.rfind('.');
    return point == std::string_view::npos ? std::string_view() : name.substr(point + 1);
}

// A typed extension of either type decides; any other name takes the chosen filter's type and
// its extension.
ExportTarget TargetOf(const std::string& chosen, int filterIndex) {
    for (const ExportFileType& fileType : kFileTypes) {
        if (EqualsIgnoreCase(ExtensionOf(chosen), fileType.extension)) {
            return {chosen, fileType.type};
        }
    }
    const bool known = filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(kFileTypes));
    const ExportFileType& fileType = kFileTypes[known ? filterIndex - 1 : 0];
    std::string path = chosen.ends_with('.') ? chosen : chosen + '.';
    return {path + std::string(fileType.extension), fileType.type};
}

// The borrower's name, or a general one; a slash would name a folder.
std::string SuggestedName(const Schedule& schedule) {
    std::string name = Trim(schedule.heading.borrowerName);
    std::replace(name.begin(), name.end(), '/', '-');
    return name.empty() ? "Amortization Schedule" : name;
}

}  // namespace

bool ScheduleExport::Export(const Schedule& schedule) {
    bool written = false;
    while (!ExportOnce(schedule, written)) {
    }
    return written;
}

void ScheduleExport::SetUpDialog(const Schedule& schedule) {
    dialog_.CancelError = false;
    dialog_.CustomFilter.clear();
    dialog_.Filter.clear();
    for (const ExportFileType& fileType : kFileTypes) {
        dialog_.AddFilter(std::string(fileType.description),
                          "*." + std::string(fileType.extension));
    }
    dialog_.FilterIndex = 1;
    dialog_.DefaultExt.clear();
    dialog_.Filename = SuggestedName(schedule) + "." + std::string(kFileTypes[0].extension);
    dialog_.Flags = kOfnHideReadOnly;
    dialog_.SetFileMustExist(kConfirmOverwritePathMustExist);
    dialog_.DialogTitle = "Export Schedule";
    dialog_.InitDir = StartFolder();
}

// The preferences put the program's own folder where the person chose no data folder; a file
// for other programs does not belong there.
std::string ScheduleExport::StartFolder() const {
    std::optional<std::string> data = ReachableDataFolder(state_);
    std::error_code unknown;
    if (!data || fs::equivalent(*data, state_.AppPath, unknown)) {
        return documentsFolder_;
    }
    return *data;
}

bool ScheduleExport::ExportOnce(const Schedule& schedule, bool& written) {
    SetUpDialog(schedule);
    if (!dialog_.ShowSave()) {
        return true;
    }
    std::string chosen = dialog_.SelectedFile(1);
    ExportTarget target = TargetOf(chosen, dialog_.FilterIndex);
    if (target.path != chosen && !MayReplaceFile(ui_, target.path)) {
        return false;
    }
    std::optional<RunError> error;
    {
        Hourglass busy(ui_);
        error = target.type == ExportType::Workbook ? WriteScheduleWorkbook(target.path, schedule)
                                                    : WriteScheduleCsv(target.path, schedule);
    }
    if (error) {
        ShowFileError(ui_, "Error saving", target.path, *error);
        return true;
    }
    written = true;
    return true;
}

}  // namespace quorvia
