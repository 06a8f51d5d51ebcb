#include "desktop/platform/QtFileChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

QString NameFilter(const FileFilter& filter) {
    QString description = Q(filter.description);
    QString pattern = Q(filter.pattern);
    QString shown = " (" + pattern + ")";
    if (description.endsWith(shown)) {
        description.chop(shown.size());
    }
    return description + " (" + pattern.split(';', Qt::SkipEmptyParts).join(' ') + ")";
}

QFileDialog::FileMode ModeFor(const FileRequest& request) {
    if (request.kind == FileDialogKind::Save) {
        return QFileDialog::AnyFile;
    }
    if (request.flags & kOfnAllowMultiSelect) {
        return QFileDialog::ExistingFiles;
    }
    return (request.flags & kOfnFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile;
}

// Several files come back as the folder and the names, separated as the request's style asks.
std::string AnswerText(const QStringList& files, uint32_t flags) {
    if (files.size() == 1) {
        return files.front().toStdString();
    }
    char separator = (flags & kOfnExplorer) ? '\0' : ' ';
    std::string text = QFileInfo(files.front()).absolutePath().toStdString();
    for (const QString& file : files) {
        text += separator;
        text += QFileInfo(file).fileName().toStdString();
    }
    return text;
}

}  // namespace

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        names << NameFilter(filter);
    }
    return names;
}

std::optional<FileAnswer> QtFileChooser::ChooseFile(const FileRequest& request,
                                                    uint32_t& extendedError) {
    extendedError = 0;
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    QFileDialog dialog(owner, Q(request.title), Q(request.initDir));
    dialog.setObjectName(request.kind == FileDialogKind::Save ? "SaveFileDialog"
                                                              : "OpenFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    dialog.setFileMode(ModeFor(request));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & kOfnOverwritePrompt));
    QStringList filters = QtNameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
        }
    }
    if (!request.defaultExt.empty()) {
        dialog.setDefaultSuffix(Q(request.defaultExt));
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(Q(request.fileName));
    }
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    FileAnswer answer;
    answer.fileName = AnswerText(dialog.selectedFiles(), request.flags);
    answer.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    answer.flags = request.flags;
    return answer;
}

}  // namespace quorvia
