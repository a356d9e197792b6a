// The print and printer set-up dialogs (Qt's print dialog, which can also print into a PDF file) and
// the default printer.
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

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
    return {std::make_unique<QtPrinter>(std::move(printer)), 0};
}

}  // namespace sb::platform::qt
