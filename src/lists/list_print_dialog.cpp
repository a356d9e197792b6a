// The list print dialog and the printing of lists. The chosen printer stays with the dialog until it
// prints or closes; a printout runs with the progress dialog and its owner disabled, so the user
// cannot change the list underneath it.
#include "lists/list_print_dialog.h"

#include <memory>

#include "lists/list_printout.h"
#include "model/calendar.h"
#include "model/printout_name.h"
#include "platform/common_dialogs.h"
#include "platform/help.h"
#include "platform/print_progress_dialog.h"

namespace sb::lists {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = list_print_dialog;

constexpr std::string_view kSection = "Liste";
constexpr std::string_view kTrainingFreeKey = "TrainingsfreieTage";
constexpr std::string_view kSummaryKey = "Zusammenfassung";

class ListPrintProcedure : public platform::DialogProcedure {
  public:
    ListPrintProcedure(DialogHost& owner, const ListContext& context, const ListPrintRequest& request)
        : owner_(owner), context_(context), request_(request) {}

    void init(DialogHost& host) override {
        auto flag = [this](std::string_view key) {
            return config::readIntSetting(context_.settings, kSection, key, 0, config::WriteBack::No) == 1;
        };
        host.setChecked(id::trainingFreeDays, flag(kTrainingFreeKey));
        host.setChecked(id::summary, flag(kSummaryKey));
        platform::PrintResult result = host.services().print({platform::PrintDialogKind::DefaultPrinter, "", {}});
        if (!result.printer && result.error != 0) {
            platform::reportPrinterFailure(host.services(), platform::Icon::Stop);
            host.end(platform::dialogCancel);
            return;
        }
        choose(host, std::move(result.printer));
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == id::setupButton) {
            platform::PrintResult result =
                host.services().print({platform::PrintDialogKind::Setup, printerName(), proposedFile()});
            if (result.printer) {
                choose(host, std::move(result.printer));
                chosenByUser_ = true;
            }
        } else if (control == id::printButton) {
            print(host);
        } else if (control == id::noPrintButton) {
            saveFlags(host);
            host.end(platform::dialogCancel);
        }
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), context_.helpFile, id::helpTopic);
    }

  private:
    std::string printerName() const { return printer_ ? printer_->name() : std::string(); }

    std::string proposedFile() const {
        std::string printout = "Jahr";
        if (request_.kind == ListKind::Week) printout = "Woche " + std::to_string(request_.number);
        if (request_.kind == ListKind::Month) printout = model::monthName(request_.number);
        return model::printoutFileProposal(context_.year, printout);
    }

    void choose(DialogHost& host, std::unique_ptr<platform::Printer> printer) {
        printer_ = std::move(printer);
        host.setText(id::printerName, printerName());
    }

    void saveFlags(DialogHost& host) {
        config::writeIntSetting(context_.settings, kSection, kTrainingFreeKey,
                                host.isChecked(id::trainingFreeDays) ? 1 : 0);
        config::writeIntSetting(context_.settings, kSection, kSummaryKey,
                                host.isChecked(id::summary) ? 1 : 0);
    }

    // A printer the user chose with "Drucker einrichten" is not asked for again.
    void print(DialogHost& host) {
        platform::PrintResult result;
        if (chosenByUser_)
            result.printer = std::move(printer_);
        else
            result = host.services().print({platform::PrintDialogKind::Print, printerName(), proposedFile()});
        if (!result.printer) return;
        lists::ListPrintout printout{request_.kind,
                                      request_.number,
                                      request_.order,
                                      host.isChecked(id::trainingFreeDays),
                                      host.isChecked(id::summary),
                                      context_.settings.sportMode};
        platform::printWithProgress(owner_, [&](const lists::KeepPrinting& keepPrinting) {
            lists::printList(*result.printer, context_.year, printout, context_.settings.trainingTypeLabels,
                              keepPrinting);
        });
        saveFlags(host);
        host.end(platform::dialogOk);
    }

    DialogHost& owner_;
    const ListContext& context_;
    ListPrintRequest request_;
    std::unique_ptr<platform::Printer> printer_;
    bool chosenByUser_ = false;
};

}  // namespace

const platform::DialogTemplate& listPrintTemplate() {
    using platform::staticControlId;
    static const platform::DialogTemplate dialog{
        "LISTE_DRUCKEN",
        "Übersichtsliste drucken...",
        220,
        112,
        {
            {staticControlId, ControlKind::GroupBox, "Drucker", {6, 4, 208, 42}},
            {staticControlId, ControlKind::Static, "Name :", {12, 18, 28, 10}},
            {id::printerName, ControlKind::Edit, "", {42, 16, 166, 12}, ControlFlag::ReadOnly},
            {id::setupButton,
             ControlKind::Button,
             "Drucker einrichten",
             {118, 30, 90, 13},
             ControlFlag::TabStop},
            {id::trainingFreeDays,
             ControlKind::CheckBox,
             "Trainingsfreie Tage ausdrucken",
             {10, 52, 200, 12},
             ControlFlag::TabStop},
            {id::summary,
             ControlKind::CheckBox,
             "Zusammenfassung ausdrucken",
             {10, 66, 200, 12},
             ControlFlag::TabStop},
            {id::printButton, ControlKind::DefaultButton, "Drucken", {40, 90, 60, 14}, ControlFlag::TabStop},
            {id::noPrintButton, ControlKind::Button, "Abbruch", {120, 90, 60, 14}, ControlFlag::TabStop},
        }};
    return dialog;
}

void runListPrintDialog(DialogHost& owner, const ListContext& context, const ListPrintRequest& request) {
    ListPrintProcedure procedure(owner, context, request);
    owner.services().runModal(listPrintTemplate(), procedure);
}

void printSearchList(DialogHost& owner, const ListContext& context, int type, const ColumnOrder& order) {
    platform::PrintResult result = owner.services().print(
        {platform::PrintDialogKind::Print, "", model::printoutFileProposal(context.year, "Suchliste")});
    if (!result.printer) {
        if (result.error != 0) platform::reportPrinterFailure(owner.services());
        return;
    }
    platform::printWithProgress(owner, [&](const lists::KeepPrinting& keepPrinting) {
        lists::printSearchList(*result.printer, context.year, context.settings.sportMode, type, order,
                                context.settings.trainingTypeLabels, keepPrinting);
    });
}

}  // namespace sb::lists
