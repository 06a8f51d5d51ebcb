#include "desktop/platform/QtReportPrinter.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/base/AtomicFile.h"
#include "core/printing/PrinterService.h"
#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/ReportPainter.h"

namespace quorvia {

struct QtReportPrinter::Job {
    std::unique_ptr<QPrinter> printer;
    QByteArray pdf;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QPdfWriter> writer;
    std::string pdfPath;
    QPainter painter;
    QPagedPaintDevice* device = nullptr;
    // The person gave no file name: the job prints nothing.
    bool dropped = false;
    bool hasPage = false;
};

namespace {

// The report's page as large as it fits on the paper and centred on it (the paper is the
// page's own, unless the printer gave another).
QRectF PageTarget(QPagedPaintDevice& device, const ReportDocument& document) {
    const QRectF paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const double width = document.PageWidth();
    const double height = document.PageHeight();
    const double scale = std::min(paper.width() / width, paper.height() / height);
    const QSizeF size(width * scale, height * scale);
    return QRectF(QPointF((paper.width() - size.width()) / 2, (paper.height() - size.height()) / 2),
                  size);
}

}  // namespace

QtReportPrinter::QtReportPrinter() = default;

QtReportPrinter::~QtReportPrinter() {
    EndDoc();
}

void QtReportPrinter::SetDevice(const std::string& device, const std::string& port) {
    device_ = device;
    port_ = port;
}

// By its port too: a CUPS queue may be named "PDF" as well.
bool QtReportPrinter::OnPdfPrinter() const {
    return device_ == PdfPrinter().device && port_ == PdfPrinter().port;
}

// The PDF printer's one copy is collated as it stands, so asking for collation there is no
// cause for a note (the print dialog asks for it by default).
int QtReportPrinter::SetCollate(bool collate) {
    collate_ = collate && !OnPdfPrinter();
    return print_error::kNone;
}

int QtReportPrinter::SetCopies(int copies) {
    copies_ = 1;
    if (copies > 1 && OnPdfPrinter()) {
        return print_error::kNotSupported;
    }
    copies_ = std::max(copies, 1);
    return print_error::kNone;
}

int QtReportPrinter::PrintPage(const ReportDocument& document, int number,
                               const std::string& caption) {
    if (ShowCaption && !caption.empty()) {
        ShowCaption(caption);
    }
    if (!job_) {
        if (int error = StartJob(document.DocumentName(), PageLayoutOf(document))) {
            return error;
        }
    }
    return AddPage(document, number);
}

int QtReportPrinter::PrintDocument(const ReportDocument& document) {
    EndDoc();
    for (int number = 1; number <= document.PageCount(); ++number) {
        if (int error = PrintPage(document, number, "")) {
            return error;
        }
    }
    return FinishJob();
}

int QtReportPrinter::PrintDrawnPage(const std::string& name, const QPageLayout& layout,
                                    const std::function<void(QPainter&, const QRectF&)>& paint) {
    EndDoc();
    if (int error = StartJob(name, layout)) {
        return error;
    }
    if (!job_->dropped) {
        const int dpi = job_->device->logicalDpiX();
        const QRectF paper = job_->device->pageLayout().fullRectPixels(dpi);
        paint(job_->painter, paper.marginsRemoved(layout.marginsPixels(dpi).toMarginsF()));
        job_->hasPage = true;
    }
    return FinishJob();
}

// The job's paper is whole, without margins: the page is drawn from the paper's corner.
int QtReportPrinter::StartJob(const std::string& name, const QPageLayout& layout) {
    job_ = std::make_unique<Job>();
    int error = OnPdfPrinter() ? StartPdfJob(name, layout) : StartQueueJob(name, layout);
    if (error != print_error::kNone) {
        job_.reset();
    }
    return error;
}

int QtReportPrinter::StartQueueJob(const std::string& name, const QPageLayout& layout) {
    if (QPrinterInfo::printerInfo(QString::fromStdString(device_)).isNull()) {
        return print_error::kPrinterUnknown;
    }
    job_->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *job_->printer;
    printer.setPrinterName(QString::fromStdString(device_));
    printer.setDocName(QString::fromStdString(name));
    printer.setCreator(QStringLiteral("Quorvia"));
    printer.setFullPage(true);
    // One setting at a time: a whole page layout with no margins is refused by a queue whose
    // printable area has margins, and the queue's default paper would be used instead.
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setCopyCount(copies_);
    printer.setCollateCopies(collate_);
    job_->device = &printer;
    return job_->painter.begin(&printer) ? print_error::kNone : print_error::kCannotStart;
}

int QtReportPrinter::StartPdfJob(const std::string& name, const QPageLayout& layout) {
    job_->pdfPath = AskPdfFileName ? AskPdfFileName() : std::string();
    if (job_->pdfPath.empty()) {
        job_->dropped = true;
        return print_error::kNone;
    }
    job_->buffer = std::make_unique<QBuffer>(&job_->pdf);
    job_->buffer->open(QIODevice::WriteOnly);
    job_->writer = std::make_unique<QPdfWriter>(job_->buffer.get());
    QPdfWriter& writer = *job_->writer;
    writer.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF()));
    // One device unit to the twip, as the PDF export.
    writer.setResolution(1440);
    writer.setTitle(QString::fromStdString(name));
    writer.setCreator(QStringLiteral("Quorvia"));
    job_->device = &writer;
    return job_->painter.begin(&writer) ? print_error::kNone : print_error::kCannotStart;
}

int QtReportPrinter::AddPage(const ReportDocument& document, int number) {
    if (job_->dropped) {
        return print_error::kNone;
    }
    if (job_->hasPage && !job_->device->newPage()) {
        return print_error::kCannotAddPage;
    }
    job_->hasPage = true;
    DrawReportPage(job_->painter, document, number, PageTarget(*job_->device, document));
    return print_error::kNone;
}

int QtReportPrinter::FinishJob() {
    if (!job_) {
        return print_error::kNone;
    }
    std::unique_ptr<Job> job = std::move(job_);
    if (job->dropped) {
        return print_error::kNone;
    }
    if (!job->painter.end()) {
        return print_error::kJobNotDelivered;
    }
    if (job->writer) {
        job->writer.reset();
        if (WriteFileAtomically(job->pdfPath,
                                std::string_view(job->pdf.constData(), job->pdf.size()))) {
            return print_error::kJobNotDelivered;
        }
    }
    return print_error::kNone;
}

void QtReportPrinter::EndDoc() {
    if (!job_) {
        return;
    }
    if (job_->printer) {
        job_->printer->abort();
    }
    if (job_->painter.isActive()) {
        job_->painter.end();
    }
    job_.reset();
}

}  // namespace quorvia
