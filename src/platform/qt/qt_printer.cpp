// Printing through QPrinter: one painter per document, a fresh canvas per page.
#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QStandardPaths>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) abortDocument();
}

std::string QtPrinter::name() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        return printer_->outputFileName().isEmpty() ? std::string("PDF")
                                                    : fromQPath(printer_->outputFileName());
    }
    return fromQString(printer_->printerName());
}

PageGeometry QtPrinter::pageGeometry() const {
    QPageLayout layout = printer_->pageLayout();
    int resolution = printer_->resolution();
    QRect full = layout.fullRectPixels(resolution);
    QRect printable = layout.paintRectPixels(resolution);
    return {full.width(), full.height(), printable.left(), printable.top()};
}

Size QtPrinter::printableSize() const {
    QRect printable = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return {printable.width(), printable.height()};
}

bool QtPrinter::startDocument(const std::string& documentName) {
    if (painter_.isActive()) return false;
    QString name = toQString(documentName);
    printer_->setDocName(name);
    // A PDF "printer" without a file (no printer installed, default printer asked for) writes into
    // the documents folder, named after the document.
    if (printer_->outputFormat() == QPrinter::PdfFormat && printer_->outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty()) folder = QDir::homePath();
        printer_->setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
    }
    pagesStarted_ = 0;
    return painter_.begin(printer_.get());
}

void QtPrinter::startPage() {
    if (!painter_.isActive()) return;
    if (pagesStarted_++ > 0) printer_->newPage();
    page_.emplace(painter_, printableSize());
}

Canvas& QtPrinter::canvas() {
    if (!page_) page_.emplace(painter_, printableSize());
    return *page_;
}

void QtPrinter::endPage() {
    page_.reset();
}

void QtPrinter::endDocument() {
    page_.reset();
    if (painter_.isActive()) painter_.end();
}

void QtPrinter::abortDocument() {
    page_.reset();
    if (!painter_.isActive()) return;
    printer_->abort();
    painter_.end();
}

}  // namespace sb::platform::qt
