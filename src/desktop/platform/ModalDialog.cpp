#include "desktop/platform/ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace quorvia {

int RunModal(QDialog& dialog) {
    QPointer<QWidget> focus = QApplication::focusWidget();
    int result = dialog.exec();
    if (focus && focus->isVisible() && focus->isEnabled()) {
        focus->window()->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

}  // namespace quorvia
