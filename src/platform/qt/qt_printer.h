// A printer chosen in Qt's print dialog (or the default one), printing documents of pages drawn on a
// QtCanvas. Without an installed printer, Qt prints into a PDF file.
#pragma once

#include <QPainter>
#include <memory>
#include <optional>

#include "platform/printer.h"
#include "platform/qt/qt_canvas.h"

class QPrinter;

namespace sb::platform::qt {

class QtPrinter : public Printer {
  public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;

    std::string name() const override;
    PageGeometry pageGeometry() const override;
    bool startDocument(const std::string& documentName) override;
    void startPage() override;
    Canvas& canvas() override;
    void endPage() override;
    void endDocument() override;
    void abortDocument() override;

    QPrinter& printer() { return *printer_; }

  private:
    Size printableSize() const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<QtCanvas> page_;
    int pagesStarted_ = 0;
};

}  // namespace sb::platform::qt
