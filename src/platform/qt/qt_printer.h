// A printer chosen in Qt's print dialog (or the default one), printing documents of pages drawn on a
// QtCanvas. Without an installed printer, Qt prints into a PDF file; that file is written beside its
// name and takes the name only once it is complete, so a full disk or a failed painter never leaves a
// cut PDF or costs the old one.
#pragma once

#include <QPainter>
#include <functional>
#include <memory>
#include <optional>
#include <string>

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
    bool endDocument() override;
    void abortDocument() override;

    QPrinter& printer() { return *printer_; }
    // Tells the user of a PDF file that could not be written ("Fehler beim Speichern der Datei" and the
    // reason); without it the failure shows only in endDocument's result.
    void setFailureReport(std::function<void(const std::string& message)> report);

  private:
    Size printableSize() const;
    bool startPdfFile();
    bool finishPdfFile(bool painted);
    void failed(const std::string& path, int error);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<QtCanvas> page_;
    int pagesStarted_ = 0;
    std::string pdfTarget_;     // the PDF file the document is for; empty when printing on paper
    std::string pdfTemporary_;  // where the document is written until it is complete
    std::function<void(const std::string&)> report_;
};

}  // namespace sb::platform::qt
