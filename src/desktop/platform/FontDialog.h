#pragma once
// The font dialog ("Font"): the report printer's families, a regular or bold weight, the sizes
// the caller allows, and a sample. It opens on the font as the report draws it,
// so "Times New Roman" shows its stand-in selected, and OK without a change gives the
// requested font back unchanged.

#include <QDialog>
#include <string>
#include <vector>

#include "core/printing/CDialogService.h"

class QLabel;
class QListWidget;

namespace quorvia {

class FontDialog : public QDialog {
  public:
    FontDialog(const FontRequest& request, const std::vector<std::string>& families,
               QWidget* parent = nullptr);

    FontChoice Choice() const;

  private:
    QListWidget* AddList(const QString& caption, const char* name, int column);
    void SelectInitial();
    void ShowSample();

    FontRequest request_;
    std::string initialFamily_;
    QListWidget* families_;
    QListWidget* styles_;
    QListWidget* sizes_;
    QLabel* sample_;
};

// The sizes the dialog offers: the caller's limits when it set them, else the usual list.
std::vector<int> OfferedFontSizes(const FontRequest& request);

}  // namespace quorvia
