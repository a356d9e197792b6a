// A printer that writes its document into a PDF file of A4 portrait pages, with the page layout Qt's
// printers give a PDF. The file is replaced only by the whole document, once it has ended. It needs no
// print system, so a program printing only to files (the command-line tool) does without Qt's print
// support and widgets.
#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <optional>
#include <string>

#include "platform/printer.h"
#include "platform/qt/qt_canvas.h"

namespace sb::platform::qt {

class PdfFilePrinter : public Printer {
  public:
    explicit PdfFilePrinter(const std::string& path);
    ~PdfFilePrinter() override;

    std::string name() const override;
    PageGeometry pageGeometry() const override;
    bool startDocument(const std::string& documentName) override;
    void startPage() override;
    Canvas& canvas() override;
    void endPage() override;
    bool endDocument() override;
    void abortDocument() override;

    // Whether the last document ended and its file was written.
    bool written() const { return written_; }

  private:
    Size printableSize() const;

    std::string path_;
    QByteArray document_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QPainter painter_;
    std::optional<QtCanvas> page_;
    int pagesStarted_ = 0;
    bool written_ = false;
};

}  // namespace sb::platform::qt
