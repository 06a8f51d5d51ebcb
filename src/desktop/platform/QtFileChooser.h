#pragma once
// The file dialogs of the desktop program: Qt's own (non-native) file dialog, so that it looks
// and behaves the same on every desktop and can be driven in tests.

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <string>

#include "core/printing/FileChooser.h"

namespace quorvia {

class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* owner = nullptr) : owner_(owner) {}

    std::optional<FileAnswer> ChooseFile(const FileRequest& request,
                                         uint32_t& extendedError) override;

  private:
    QPointer<QWidget> owner_;
};

// The person's documents folder, or the home folder where there is none.
std::string DocumentsFolder();

// Qt's name filters for the filter pairs: the description with the pattern in parentheses,
// the masks separated by blanks ("Quorvia Files  (*.qrv)").
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

}  // namespace quorvia
