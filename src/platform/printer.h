// A printer chosen through the print dialog (or the default printer): its page geometry, and a
// document of pages drawn on a Canvas. The Qt side prints through QPrinter, the headless side keeps
// every page as a recording.
#pragma once

#include <memory>
#include <string>

#include "platform/canvas.h"

namespace sb::platform {

// Device pixels of the whole sheet and the offset of its printable area.
struct PageGeometry {
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    bool operator==(const PageGeometry&) const = default;
};

// Use: startDocument, then per page startPage / draw on canvas() / endPage, then endDocument (or
// abortDocument when the user cancelled). Destroying the printer releases it; an open document is
// aborted.
class Printer {
  public:
    virtual ~Printer() = default;
    virtual std::string name() const = 0;
    virtual PageGeometry pageGeometry() const = 0;
    // false: the document could not be started; then nothing else may be called.
    virtual bool startDocument(const std::string& documentName) = 0;
    virtual void startPage() = 0;
    // Valid between startPage and endPage. Each page starts in the default canvas state: one logical
    // unit per device pixel, origin at the top-left corner of the printable area.
    virtual Canvas& canvas() = 0;
    virtual void endPage() = 0;
    // false: the document could not be finished; a file printed into is then left as it was before.
    virtual bool endDocument() = 0;
    virtual void abortDocument() = 0;
};

enum class PrintDialogKind {
    Print,           // the print dialog: printer, copies; pages 1 to 1, no selection
    Setup,           // the printer set-up dialog ("Drucker einrichten")
    DefaultPrinter,  // no dialog: the system's default printer
};

struct PrintRequest {
    PrintDialogKind kind = PrintDialogKind::Print;
    std::string printerName;  // preselected printer; empty = the default one
    std::string proposedFile;  // UTF-8 path offered when the user prints into a PDF file; empty = none
};

// No printer and error 0: the user cancelled. An error is the platform's nonzero code of the failure.
struct PrintResult {
    std::unique_ptr<Printer> printer;
    unsigned error = 0;
};

}  // namespace sb::platform
