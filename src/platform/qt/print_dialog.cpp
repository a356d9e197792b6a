// The print and printer set-up dialogs (Qt's print dialog, which can also print into a PDF file) and
// the default printer. While the program runs the dialogs remember the user's last choice: a printer,
// or the folder of the last PDF file, where the next printout's proposed file is then offered.
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

struct LastChoice {
    QString printer;
    QString folder;  // of the last PDF file; empty while none was written
    bool intoFile = false;
};

LastChoice& lastChoice() {
    static LastChoice choice;
    return choice;
}

void offerLastChoice(QPrinter& printer, const PrintRequest& request) {
    const LastChoice& last = lastChoice();
    const bool intoFile = last.intoFile || QPrinterInfo::availablePrinters().isEmpty();
    if (intoFile && !request.proposedFile.empty()) {
        const QFileInfo proposed(toQString(request.proposedFile));
        QString folder = last.folder;
        if (folder.isEmpty()) folder = proposed.isAbsolute() ? proposed.absolutePath() : QDir::homePath();
        printer.setOutputFileName(QDir(folder).filePath(proposed.fileName()));
    } else if (request.printerName.empty() && !last.printer.isEmpty()) {
        printer.setPrinterName(last.printer);
    }
}

void rememberChoice(const QPrinter& printer) {
    LastChoice& last = lastChoice();
    last.intoFile = !printer.outputFileName().isEmpty();
    if (last.intoFile)
        last.folder = QFileInfo(printer.outputFileName()).absolutePath();
    else
        last.printer = printer.printerName();
}

}  // namespace

PrintResult runPrintDialog(QWidget* owner, const PrintRequest& request) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!request.printerName.empty()) {
        QPrinterInfo wanted = QPrinterInfo::printerInfo(toQString(request.printerName));
        if (!wanted.isNull()) printer->setPrinterName(wanted.printerName());
    }
    if (request.kind == PrintDialogKind::DefaultPrinter) {
        if (!printer->isValid()) return {nullptr, dialog_error::initialization};
        return {std::make_unique<QtPrinter>(std::move(printer)), 0};
    }
    printer->setFromTo(1, 1);
    offerLastChoice(*printer, request);
    QPrintDialog dialog(printer.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, 1);
    if (request.kind == PrintDialogKind::Setup) {
        dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!printer->isValid()) return {nullptr, dialog_error::initialization};
    rememberChoice(*printer);
    return {std::make_unique<QtPrinter>(std::move(printer)), 0};
}

}  // namespace sb::platform::qt
