// Printing into a PDF file through QPdfWriter: one painter per document, a fresh canvas per page.
#include "platform/qt/pdf_file_printer.h"

#include <QPageLayout>
#include <QPageSize>

#include "fileio/file_bytes.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// The resolution of Qt's high-resolution printers, so a page has the same pixels either way.
constexpr int kResolution = 1200;

}  // namespace

PdfFilePrinter::PdfFilePrinter(const std::string& path)
    : path_(path), buffer_(&document_), writer_(&buffer_) {
    writer_.setResolution(kResolution);
    writer_.setPageSize(QPageSize(QPageSize::A4));
    writer_.setPageOrientation(QPageLayout::Portrait);
}

PdfFilePrinter::~PdfFilePrinter() {
    if (painter_.isActive()) abortDocument();
}

std::string PdfFilePrinter::name() const {
    return path_;
}

PageGeometry PdfFilePrinter::pageGeometry() const {
    const QPageLayout layout = writer_.pageLayout();
    const QRect full = layout.fullRectPixels(writer_.resolution());
    const QRect printable = layout.paintRectPixels(writer_.resolution());
    return {full.width(), full.height(), printable.left(), printable.top()};
}

Size PdfFilePrinter::printableSize() const {
    const QRect printable = writer_.pageLayout().paintRectPixels(writer_.resolution());
    return {printable.width(), printable.height()};
}

bool PdfFilePrinter::startDocument(const std::string& documentName) {
    if (painter_.isActive()) return false;
    writer_.setTitle(toQString(documentName));
    pagesStarted_ = 0;
    written_ = false;
    buffer_.close();
    document_.clear();
    return buffer_.open(QIODevice::WriteOnly) && painter_.begin(&writer_);
}

void PdfFilePrinter::startPage() {
    if (!painter_.isActive()) return;
    if (pagesStarted_++ > 0) writer_.newPage();
    page_.emplace(painter_, printableSize());
}

Canvas& PdfFilePrinter::canvas() {
    if (!page_) page_.emplace(painter_, printableSize());
    return *page_;
}

void PdfFilePrinter::endPage() {
    page_.reset();
}

bool PdfFilePrinter::endDocument() {
    page_.reset();
    if (!painter_.isActive()) return false;
    written_ = painter_.end() &&
               fileio::writeFileAtomically(path_, std::string_view(document_.constData(), std::size_t(document_.size())));
    return written_;
}

void PdfFilePrinter::abortDocument() {
    page_.reset();
    // A document cut short is no document: the file stays as it was.
    if (painter_.isActive()) painter_.end();
}

}  // namespace sb::platform::qt
