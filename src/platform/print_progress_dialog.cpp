// Template and procedure of the print progress dialog, and the polling the printing loops use.
#include "platform/print_progress_dialog.h"

namespace sb::platform {

using platform::ControlKind;

const platform::DialogTemplate& printProgressTemplate() {
    static const platform::DialogTemplate dialog{
        "DRUCKDIALOG",
        "Drucken",
        140,
        70,
        {
            {platform::staticControlId, ControlKind::Static, "Dokument wird gedruckt", {10, 8, 120, 10}},
            {platform::staticControlId, ControlKind::Static, "Bitte warten", {10, 22, 120, 10}},
            {print_progress::cancelButton,
             ControlKind::DefaultButton,
             "Abbrechen",
             {40, 44, 60, 14},
             platform::ControlFlag::TabStop},
        }};
    return dialog;
}

void PrintProgressProcedure::command(platform::DialogHost& host, int id,
                                     platform::Notification notification) {
    if (id == print_progress::cancelButton && notification == platform::Notification::Clicked) close(host);
}

void PrintProgressProcedure::close(platform::DialogHost& host) {
    cancelled_ = true;
    host.end(platform::dialogCancel);
}

PrintProgress::PrintProgress(platform::Services& services)
    : dialog_(services.openModeless(printProgressTemplate(), procedure_)) {}

bool PrintProgress::continuePrinting() {
    if (dialog_ && dialog_->isOpen()) dialog_->processEvents();
    return !procedure_.cancelled();
}

}  // namespace sb::platform
