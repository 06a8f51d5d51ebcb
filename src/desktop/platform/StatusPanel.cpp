#include "desktop/platform/StatusPanel.h"

namespace quorvia {

QLabel* NewStatusPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName("pnlStatus");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    panel->setMinimumHeight(panel->fontMetrics().height() + 6);
    return panel;
}

}  // namespace quorvia
