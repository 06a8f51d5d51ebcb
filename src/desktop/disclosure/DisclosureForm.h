#pragma once
// The Truth-in-Lending Disclosure window (Disclosure), opened from the preview of a computed
// schedule: the four boxes with the note rate beside the APR, the prepaid finance charges as a
// short list of description and amount, the payment schedule in groups, and Print, Save as PDF
// and Close. It shows DisclosureFormModel's state and forwards every event to the model's
// handler of the same name. Shown modally; Esc and the window's own close are Close.

#include <QDialog>
#include <array>

#include "core/disclosure/DisclosureFormModel.h"
#include "desktop/platform/FormDialog.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtTextMetrics.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvia {

// What the window prints and saves with, from the window that opens it.
struct DisclosureServices {
    AppState& state;
    PrinterService& printers;
    SharedPDialog& printDialog;
    CDialog& fileDialog;
    // The file the built-in PDF printer writes, as the program asks for it.
    std::function<std::string()> askPdfFileName;
};

class DisclosureForm : public FormDialog {
    Q_OBJECT
  public:
    DisclosureForm(QtUi& ui, const DisclosureServices& services, const AmortInputs& loan,
                   const Schedule& schedule, QWidget* parent = nullptr);

    DisclosureFormModel& Model() { return model_; }
    void Refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildBoxes();
    QWidget* BuildCharges();
    QWidget* BuildPaymentSchedule();
    void AddButtons(QLayout& row);
    void AddChargeRow(QGridLayout& grid, std::size_t index);

    QtTextMetrics metrics_;
    QtReportPrinter printOutput_;
    DisclosureFormModel model_;
    std::array<QLabel*, 4> boxes_{};
    QLabel* lblNoteRate_ = nullptr;
    QLabel* lblPrepaidTotal_ = nullptr;
    QLabel* lblPaymentSchedule_ = nullptr;
    std::array<QLineEdit*, DisclosureFormModel::kMostCharges> names_{};
    std::array<QLineEdit*, DisclosureFormModel::kMostCharges> amounts_{};
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRemove_ = nullptr;
};

}  // namespace quorvia
