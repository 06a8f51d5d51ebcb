#include "desktop/platform/QtFontChooser.h"

#include <QApplication>

#include "desktop/platform/FontDialog.h"
#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/ReportFontFamilies.h"

namespace quorvia {

std::optional<FontChoice> QtFontChooser::ChooseFont(const FontRequest& request,
                                                    uint32_t& extendedError) {
    extendedError = 0;
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    FontDialog dialog(request, ReportFontFamilies(), owner);
    if (RunModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

}  // namespace quorvia
