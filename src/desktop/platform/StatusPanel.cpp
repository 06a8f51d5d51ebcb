#include "desktop/platform/StatusPanel.h"

namespace quorvia {

QLabel* NewStatusPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName("pnlStatus");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    // A status text longer than the window is wide (a narrow screen, a large scale factor, the
    // calculator's long button texts) takes a second line; the panel never widens the window.
    panel->setWordWrap(true);
    panel->setFixedHeight(2 * panel->fontMetrics().lineSpacing() + 6);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return panel;
}

}  // namespace quorvia
