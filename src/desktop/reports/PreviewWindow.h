#pragma once
// The print-preview window: the composed report page by page, with the toolbar strip of page
// buttons, the page number, the zoom list and the font button, and the page inside an area
// with two scroll bars. Shown modally; it closes only through its Close button or Esc.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/amortization/DesktopScheduleRunner.h"
#include "core/reports/PreviewWindowModel.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/QtUi.h"

namespace quorvia {

class PreviewWindow;

// ThePage: the visible page; the report is drawn to fit its size.
class PreviewPageWidget : public QWidget {
    Q_OBJECT
  public:
    PreviewPageWidget(PreviewWindow& window, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    PreviewWindow& window_;
};

class PreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PreviewWindow(AppState& state, QtUi& ui, PrinterService& printers, StatusDisplay& status,
                  CDialog& fontDialog, SharedPDialog& printDialog, QtReportPrinter& printOutput,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Composes the report handed over by the schedule run; false when it could not be read
    // (the person has been told, and the window is not to be shown).
    bool Load(int16_t rowCount, int16_t reportKind);
    // The computed schedule the Export button writes and, with the loan it was computed from,
    // the Disclosure button shows; without them both buttons are disabled.
    void SetSchedule(const AmortInputs& loan, const Schedule& schedule);

    PreviewWindowModel& Model() { return model_; }
    // Twips of the page's area to pixels and back, at the screen's resolution.
    int ToPixels(int twips) const;
    double ToTwips(double pixels) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    friend class PreviewPageWidget;

    void BuildToolBar();
    void ArrangeToolBar();
    void BuildPageArea();
    QPushButton* AddButton(PreviewControl control, const QString& caption,
                           void (PreviewWindowModel::*handler)());
    QPushButton* MakeButton(PreviewControl control, const QString& caption);
    void ExportSchedule();
    void ShowDisclosure();
    QWidget*& Control(PreviewControl control) {
        return controls_[static_cast<std::size_t>(control)];
    }
    void Run(void (PreviewWindowModel::*handler)());
    void AreaResized();
    bool ScrollByWheel(const QWheelEvent& wheel);
    void Refresh();
    void Place(QWidget* widget, const TwipRect& rect);
    void MirrorBar(QScrollBar* bar, const ScrollBarState& state);
    std::string AskGotoPage(int16_t highest);

    AppState& state_;
    QtUi& ui_;
    PrinterService& printers_;
    CDialog& commonDialog_;
    SharedPDialog& printDialog_;
    QtReportPrinter& printOutput_;
    const AmortInputs* loan_ = nullptr;
    const Schedule* schedule_ = nullptr;
    QtTextMetrics metrics_;
    PreviewWindowModel model_;
    QWidget* previousForm_;
    bool closing_ = false;
    bool refreshing_ = false;
    QWidget* toolBar_ = nullptr;
    std::vector<QWidget*> toolBarStrip_;  // the tool bar's controls but Close, in order
    QWidget* area_ = nullptr;
    PreviewPageWidget* ThePage_ = nullptr;
    QScrollBar* VS_ = nullptr;
    QScrollBar* HS_ = nullptr;
    QWidget* ScrollMagnet_ = nullptr;
    QLabel* PageLabel_ = nullptr;
    QComboBox* cmbZoom_ = nullptr;
    std::array<QWidget*, kPreviewControlNames.size()> controls_{};
};

// Opens the preview for the schedule run and returns when the person has closed it.
class PreviewWindowOpener : public SchedulePreview {
  public:
    PreviewWindowOpener(AppState& state, QtUi& ui, PrinterService& printers, StatusDisplay& status,
                        CDialog& fontDialog, SharedPDialog& printDialog,
                        QtReportPrinter& printOutput, QWidget* parent);

    void ShowPreview(const AmortInputs& loan, const Schedule& schedule,
                     int16_t reportKind) override;

  private:
    // Makes a preview window over parent_ with the program's services.
    std::function<std::unique_ptr<PreviewWindow>()> makeWindow_;
    QWidget* parent_;
};

}  // namespace quorvia
