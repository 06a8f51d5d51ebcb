#pragma once
// F1: each window names its help topic, and F1 anywhere in it opens that topic.

#include <QObject>

#include "core/base/Ui.h"
#include "core/help/HelpEngine.h"

class QWidget;

namespace quorvia {

// Names the topic F1 opens in `window` and in every widget inside it.
void SetHelpContext(QWidget& window, int context);
// The topic of the nearest window around `widget` that names one; 0 when none does.
int HelpContextOf(const QWidget* widget);

// Watches the application's key presses for F1 and opens the topic of the window it was
// pressed in, before a shortcut of the same key; a failure is told through `ui`.
class HelpKeyFilter : public QObject {
    Q_OBJECT
  public:
    HelpKeyFilter(HelpEngine& engine, Ui& ui, QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpEngine& engine_;
    Ui& ui_;
};

}  // namespace quorvia
