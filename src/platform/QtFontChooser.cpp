#include "platform/QtFontChooser.h"

#include <QApplication>
#include <QFontDialog>
#include <algorithm>

namespace quorvia {

std::optional<FontChoice> QtFontChooser::ChooseFont(const FontRequest& request,
                                                    uint32_t& extendedError) {
    extendedError = 0;
    QFont initial(QString::fromStdString(request.initial.name));
    if (request.initial.size > 0) {
        initial.setPointSizeF(request.initial.size);
    }
    initial.setBold(request.initial.bold);
    initial.setItalic(request.initial.italic);
    initial.setUnderline(request.initial.underline);
    initial.setStrikeOut(request.initial.strikethru);
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    bool chosen = false;
    QFont font = QFontDialog::getFont(&chosen, initial, owner, "Font");
    if (!chosen) {
        return std::nullopt;
    }
    double size = font.pointSizeF();
    if ((request.flags & kCfLimitSize) != 0 && request.minSize > 0 &&
        request.maxSize >= request.minSize) {
        size = std::clamp(size, request.minSize, request.maxSize);
    }
    return FontChoice{font.family().toStdString(),
                      size,
                      font.weight() > QFont::Medium,
                      font.italic(),
                      font.underline(),
                      font.strikeOut()};
}

}  // namespace quorvia
