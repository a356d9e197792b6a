// The print progress dialog DRUCKDIALOG, shown without blocking while a printout is produced. Its
// "Abbrechen" raises a flag that the printing loop polls between pages and drawing steps.
#pragma once

#include <memory>

#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::platform {

namespace print_progress {
constexpr int cancelButton = 297;
}

const platform::DialogTemplate& printProgressTemplate();

class PrintProgressProcedure : public platform::DialogProcedure {
  public:
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void close(platform::DialogHost& host) override;
    bool cancelled() const { return cancelled_; }

  private:
    bool cancelled_ = false;
};

// Open for the lifetime of a printout: created before the document starts, closed when the object
// goes away, whatever way the printing routine leaves.
class PrintProgress {
  public:
    explicit PrintProgress(platform::Services& services);
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;

    // Hands waiting user input to the dialog; false once the user cancelled, and the document is then
    // to be aborted.
    bool continuePrinting();

  private:
    PrintProgressProcedure procedure_;
    std::unique_ptr<platform::ModelessDialog> dialog_;
};

// Runs print(keepPrinting) with the progress dialog open and the dialog that started it disabled, so
// nothing in it can be changed or started twice while the pages are produced.
template <typename Print>
void printWithProgress(platform::DialogHost& owner, Print print) {
    owner.enable(platform::dialogItself, false);
    {
        PrintProgress progress(owner.services());
        print([&progress] { return progress.continuePrinting(); });
    }
    owner.enable(platform::dialogItself, true);
}

}  // namespace sb::platform
