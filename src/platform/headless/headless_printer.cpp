// The headless printer: documents and pages go into the print log as recordings.
#include "platform/headless/headless_printer.h"

namespace sb::platform::headless {

HeadlessPrinter::~HeadlessPrinter() {
    PrintedDocument* open = document();
    if (open && !open->ended) open->aborted = true;
}

PrintedDocument* HeadlessPrinter::document() {
    return documentIndex_ < 0 ? nullptr : &log_[size_t(documentIndex_)];
}

bool HeadlessPrinter::startDocument(const std::string& documentName) {
    if (answer_.documentFails) return false;
    log_.push_back({answer_.printerName, documentName, {}, false, false});
    documentIndex_ = int(log_.size()) - 1;
    return true;
}

void HeadlessPrinter::startPage() {
    if (PrintedDocument* open = document()) {
        const PageGeometry& page = answer_.geometry;
        open->pages.emplace_back(
            Size{page.physicalWidth - 2 * page.offsetX, page.physicalHeight - 2 * page.offsetY});
    }
}

Canvas& HeadlessPrinter::canvas() {
    PrintedDocument* open = document();
    if (!open || open->pages.empty()) return noPage_;
    return open->pages.back();
}

bool HeadlessPrinter::endDocument() {
    PrintedDocument* open = document();
    if (open) open->ended = true;
    return open != nullptr;
}

void HeadlessPrinter::abortDocument() {
    if (PrintedDocument* open = document()) open->aborted = true;
}

}  // namespace sb::platform::headless
