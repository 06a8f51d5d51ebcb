#pragma once
// The font dialog of the desktop program: the report printer's families and only the sizes the
// caller allows.

#include <QPointer>
#include <QWidget>

#include "core/printing/CDialogService.h"

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
