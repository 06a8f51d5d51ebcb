#pragma once
// A Qt control that CDialog can save to the chosen file or load from it: a QTextEdit (rich text,
// kept as Qt's HTML, or its plain text), a QLabel's picture, a QListWidget's items (one a line)
// and the text of a QLineEdit or QPlainTextEdit.

#include <QPointer>
#include <QWidget>

#include "core/printing/DialogControl.h"

namespace quorvia {

class QtDialogControl : public DialogControl {
  public:
    // The widget must be one of the kinds above.
    explicit QtDialogControl(QWidget* widget);

    ControlKind Kind() const override { return kind_; }
    std::optional<RunError> SaveTo(const std::filesystem::path& file, ControlKind what) override;
    std::optional<RunError> LoadFrom(const std::filesystem::path& file, ControlKind what) override;

  private:
    QPointer<QWidget> widget_;
    ControlKind kind_;
};

}  // namespace quorvia
