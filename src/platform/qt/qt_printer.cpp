// Printing through QPrinter: one painter per document, a fresh canvas per page.
#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QStandardPaths>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <utility>

#include "fileio/file_bytes.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// Qt's PDF writer does not report failed writes; a file it could not finish lacks the end marker that
// closes every PDF.
bool endsLikeAPdf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size < 8) return false;
    const std::streamoff tail = std::min<std::streamoff>(size, 64);
    std::string bytes(std::size_t(tail), '\0');
    file.seekg(size - tail);
    file.read(bytes.data(), tail);
    return file && bytes.find("%%EOF") != std::string::npos;
}

}  // namespace

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
    if (!startPdfFile()) return false;
    if (painter_.begin(printer_.get())) return true;
    finishPdfFile(false);
    return false;
}

bool QtPrinter::startPdfFile() {
    pdfTarget_.clear();
    if (printer_->outputFormat() != QPrinter::PdfFormat) return true;
    const std::string target = fromQPath(printer_->outputFileName());
    pdfTemporary_ = fileio::claimTemporaryBeside(target);
    if (pdfTemporary_.empty()) {
        failed(target, errno);
        return false;
    }
    pdfTarget_ = target;
    printer_->setOutputFileName(toQPath(pdfTemporary_));
    return true;
}

// Puts the finished PDF in its place, or removes it after a failure; the printer keeps the file's
// own name for its next document.
bool QtPrinter::finishPdfFile(bool painted) {
    if (pdfTarget_.empty()) return painted;
    printer_->setOutputFileName(toQPath(pdfTarget_));
    const std::string target = std::exchange(pdfTarget_, {});
    if (!painted) {
        ::unlink(pdfTemporary_.c_str());
        return false;
    }
    if (!endsLikeAPdf(pdfTemporary_)) {
        ::unlink(pdfTemporary_.c_str());
        failed(target, EIO);
        return false;
    }
    if (fileio::replaceWithTemporary(pdfTemporary_, target)) return true;
    failed(target, errno);
    return false;
}

void QtPrinter::failed(const std::string& path, int error) {
    if (report_)
        report_("Fehler beim Speichern der Datei\n" + fromQString(toQPath(path)) + ": " + fileio::failureReason(error));
}

void QtPrinter::setFailureReport(std::function<void(const std::string& message)> report) {
    report_ = std::move(report);
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

bool QtPrinter::endDocument() {
    page_.reset();
    if (!painter_.isActive()) return false;
    return finishPdfFile(painter_.end());
}

void QtPrinter::abortDocument() {
    page_.reset();
    if (!painter_.isActive()) return;
    printer_->abort();
    painter_.end();
    finishPdfFile(false);
}

}  // namespace sb::platform::qt
