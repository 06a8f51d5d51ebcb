#include "desktop/platform/QtFileChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

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

bool IsPattern(const QString& name) {
    return name.contains('*') || name.contains('?');
}

// The chosen files, each a full path, as the request's flags ask them to be written.
FileAnswer AnswerFor(const QStringList& files, uint32_t flags) {
    std::vector<std::string> names;
    for (const QString& file : files) {
        names.push_back(QFileInfo(file).fileName().toStdString());
    }
    return ChosenFilesAnswer(QFileInfo(files.front()).absolutePath().toStdString(), names, flags);
}

// Qt's dialog takes whatever is typed as a name, "*.qrv" too. A person who types a pattern
// means the list, as in other file dialogs: it shows only the files that match, and the
// dialog stays open for a name.
class FileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        auto* name = findChild<QLineEdit*>("fileNameEdit");
        if (!name || !IsPattern(name->text())) {
            QFileDialog::accept();
            return;
        }
        QString pattern = name->text().trimmed();
        QStringList filters = nameFilters();
        if (!filters.contains(pattern)) {
            filters << pattern;
            setNameFilters(filters);
        }
        selectNameFilter(pattern);
        name->clear();
    }
};

}  // namespace

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        names << NameFilter(filter);
    }
    return names;
}

std::filesystem::path PersonsDocumentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir()) {
        documents = QDir::homePath();
    }
    return documents.toStdString();
}

std::optional<FileAnswer> QtFileChooser::ChooseFile(const FileRequest& request,
                                                    uint32_t& extendedError) {
    extendedError = 0;
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    FileDialog dialog(owner, Q(request.title), Q(request.initDir));
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
    // A pattern in place of a name ("*.qrv") is what the filter already shows.
    if (!request.fileName.empty() && !IsPattern(Q(request.fileName))) {
        dialog.selectFile(Q(request.fileName));
    }
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    FileAnswer answer = AnswerFor(dialog.selectedFiles(), request.flags);
    // A pattern the person typed is no filter of the request.
    qsizetype shown = filters.indexOf(dialog.selectedNameFilter());
    answer.filterIndex = shown < 0 ? request.filterIndex : static_cast<int>(shown) + 1;
    return answer;
}

}  // namespace quorvia
