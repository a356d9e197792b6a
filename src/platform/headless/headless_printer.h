// A printer without paper: every document and each of its pages is kept as a recording in a log
// that outlives the printer, so a test can inspect what was printed after the printout finished.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/headless/recording_canvas.h"
#include "platform/printer.h"

namespace sb::platform::headless {

struct PrintedDocument {
    std::string printerName;
    std::string name;
    std::vector<RecordingCanvas> pages;
    bool ended = false;
    bool aborted = false;
};

// What a scripted print dialog answers. The default is an A4 sheet at 600 dpi.
struct PrintAnswer {
    bool cancelled = false;
    unsigned error = 0;  // nonzero: the dialog failed with this code
    std::string printerName = "Headless-Drucker";
    PageGeometry geometry{4960, 7016, 100, 100};
    bool documentFails = false;  // startDocument reports failure

    static PrintAnswer cancel() {
        PrintAnswer answer;
        answer.cancelled = true;
        return answer;
    }
    static PrintAnswer failure(unsigned code) {
        PrintAnswer answer;
        answer.error = code;
        return answer;
    }
};

class HeadlessPrinter : public Printer {
  public:
    HeadlessPrinter(const PrintAnswer& answer, std::deque<PrintedDocument>& log)
        : answer_(answer), log_(log) {}
    ~HeadlessPrinter() override;

    std::string name() const override { return answer_.printerName; }
    PageGeometry pageGeometry() const override { return answer_.geometry; }
    bool startDocument(const std::string& documentName) override;
    void startPage() override;
    Canvas& canvas() override;
    void endPage() override {}
    bool endDocument() override;
    void abortDocument() override;

  private:
    PrintedDocument* document();

    PrintAnswer answer_;
    std::deque<PrintedDocument>& log_;
    int documentIndex_ = -1;
    RecordingCanvas noPage_;
};

}  // namespace sb::platform::headless
