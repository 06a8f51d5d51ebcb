#pragma once
// The font dialog of the desktop program: QFontDialog, opened on the requested font; a size
// outside the requested limits is brought inside them.

#include <QPointer>
#include <QWidget>

#include "printing/CDialogService.h"

namespace quorvia {

class QtFontChooser : public FontChooser {
  public:
    explicit QtFontChooser(QWidget* owner = nullptr) : owner_(owner) {}

    std::optional<FontChoice> ChooseFont(const FontRequest& request,
                                         uint32_t& extendedError) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace quorvia
