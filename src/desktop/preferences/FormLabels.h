#pragma once
// The labels of the preferences and the printer and font forms.

#include <QLabel>

namespace quorvia {

// Plain text that wraps at the label's width.
QLabel* NewTextLabel(const QString& text, QWidget* parent, const char* name = "");
// What the form shows as chosen (the report printer, its font, the folder for loan data files):
// plain text in a sunken panel at least `minimumWidth` pixels wide.
QLabel* NewValueLabel(QWidget* parent, const char* name, int minimumWidth);

}  // namespace quorvia
