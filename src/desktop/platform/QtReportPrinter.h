#pragma once
// The printer side of the report control on Qt: pages go through QPrinter to a CUPS queue, with
// the queue's own copies and collation, or, on the built-in PDF printer, into a PDF file that
// is written atomically when the job is finished. The PDF printer makes one copy only.

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>
#include <string>

#include "core/reports/ReportPrinting.h"

namespace quorvia {

class QtReportPrinter : public ReportPrintOutput {
  public:
    QtReportPrinter();
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    // The file the built-in PDF printer writes; empty when the person cancelled, which prints
    // nothing.
    std::function<std::string()> AskPdfFileName;
    // Shows the printing caption while a page is printed.
    std::function<void(const std::string&)> ShowCaption;

    void SetDevice(const std::string& device, const std::string& port) override;
    std::string DeviceName() const override { return device_; }
    int SetCollate(bool collate) override;
    int SetCopies(int copies) override;
    int PrintPage(const ReportDocument& document, int number, const std::string& caption) override;
    int FinishJob() override;
    int PrintDocument(const ReportDocument& document) override;
    void EndDoc() override;
    // One page the program draws itself, as a whole job named `name` on the paper and
    // orientation of `layout`: `paint` draws into the paper less the layout's margins, in device
    // units. Returns a printing error code.
    int PrintDrawnPage(const std::string& name, const QPageLayout& layout,
                       const std::function<void(QPainter&, const QRectF&)>& paint);

  private:
    struct Job;

    bool OnPdfPrinter() const;
    int StartJob(const std::string& name, const QPageLayout& layout);
    int StartQueueJob(const std::string& name, const QPageLayout& layout);
    int StartPdfJob(const std::string& name, const QPageLayout& layout);
    int AddPage(const ReportDocument& document, int number);

    std::string device_;
    std::string port_;
    bool collate_ = false;
    int copies_ = 1;
    std::unique_ptr<Job> job_;
};

}  // namespace quorvia
