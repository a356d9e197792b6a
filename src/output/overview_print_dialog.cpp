// The overview print dialog. The printer shown is the default one until the user sets up another; the
// print dialog that "Drucken" opens starts at that printer and may still choose a different one or a PDF
// file. The months are checked before any dialog opens.
#include "output/overview_print_dialog.h"

#include <cstdlib>
#include <functional>
#include <memory>

#include "model/printout_name.h"
#include "output/overview_printout.h"
#include "platform/common_dialogs.h"
#include "platform/print_progress_dialog.h"

namespace sb::output {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = overview_print_dialog;

class OverviewPrintProcedure : public platform::DialogProcedure {
  public:
    explicit OverviewPrintProcedure(const model::TrainingYear& year) : year_(year) {}

    void init(DialogHost& host) override {
        host.setText(id::firstMonth, "1");
        host.setText(id::lastMonth, "12");
        for (int box : {id::bike, id::run, id::other, id::types, id::summary}) host.setChecked(box, true);
        if (year_.planFileVersion == 3) host.setChecked(id::swim, true);
        platform::PrintResult result = host.services().print({platform::PrintDialogKind::DefaultPrinter, {}, {}});
        if (!result.printer && result.error != 0) {
            platform::reportPrinterFailure(host.services());
            host.end(platform::dialogCancel);
            return;
        }
        if (result.printer) printerName_ = result.printer->name();
        host.setText(id::printerName, printerName_);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == id::printerSetup) setUpPrinter(host);
        if (control == id::print) print(host);
        if (control == id::cancel) host.end(platform::dialogCancel);
    }

  private:
    void setUpPrinter(DialogHost& host) {
        platform::PrintResult result =
            host.services().print({platform::PrintDialogKind::Setup, printerName_, proposedFile()});
        if (!result.printer) {
            if (result.error != 0) platform::reportPrinterFailure(host.services());
            return;
        }
        printerName_ = result.printer->name();
        chosen_ = std::move(result.printer);
        host.setText(id::printerName, printerName_);
    }

    void print(DialogHost& host) {
        platform::Services& services = host.services();
        OverviewOptions options;
        options.firstMonth = std::atoi(host.text(id::firstMonth).c_str());
        options.lastMonth = std::atoi(host.text(id::lastMonth).c_str());
        if (!validOverviewMonths(options.firstMonth, options.lastMonth)) {
            services.messageBox("Falsche Monatseingabe(n)", "Fehler", platform::Buttons::Ok,
                                platform::Icon::Exclamation);
            return;
        }
        options.bike = host.isChecked(id::bike);
        options.run = host.isChecked(id::run);
        options.other = host.isChecked(id::other);
        options.swim = year_.planFileVersion == 3 && host.isChecked(id::swim);
        options.types = host.isChecked(id::types);
        options.cover = host.isChecked(id::cover);
        options.summary = host.isChecked(id::summary);
        // A printer the user chose with the set-up is not asked for again.
        platform::PrintResult result;
        if (chosen_)
            result.printer = std::move(chosen_);
        else
            result = services.print({platform::PrintDialogKind::Print, printerName_, proposedFile()});
        if (!result.printer) {
            if (result.error != 0) platform::reportPrinterFailure(services);
            return;
        }
        platform::printWithProgress(host, [&](const std::function<bool()>& keepPrinting) {
            printOverview(*result.printer, year_, options, keepPrinting);
        });
        host.end(platform::dialogOk);
    }

    std::string proposedFile() const { return model::printoutFileProposal(year_, "Übersicht"); }

    const model::TrainingYear& year_;
    std::string printerName_;
    std::unique_ptr<platform::Printer> chosen_;
};

platform::DialogTemplate overviewTemplate(const char* name, bool withSwim) {
    const int boxesBottom = withSwim ? 112 : 100;
    platform::DialogTemplate dialog{
        name,
        "Übersichtsliste drucken...",
        236,
        boxesBottom + 74,
        {
            {platform::staticControlId, ControlKind::Static, "Von Monat :", {8, 10, 50, 10}},
            {id::firstMonth, ControlKind::Edit, "", {60, 8, 24, 12}, ControlFlag::TabStop, 2},
            {platform::staticControlId, ControlKind::Static, "bis Monat :", {100, 10, 50, 10}},
            {id::lastMonth, ControlKind::Edit, "", {152, 8, 24, 12}, ControlFlag::TabStop, 2},
            {id::bike,
             ControlKind::CheckBox,
             "Radsportdaten drucken",
             {8, 28, 220, 10},
             ControlFlag::TabStop},
            {id::run, ControlKind::CheckBox, "Laufdaten drucken", {8, 40, 220, 10}, ControlFlag::TabStop},
            {id::other,
             ControlKind::CheckBox,
             "Alternativsportart drucken",
             {8, 52, 220, 10},
             ControlFlag::TabStop},
        }};
    int y = 64;
    if (withSwim) {
        dialog.controls.push_back(
            {id::swim, ControlKind::CheckBox, "Schwimmdaten drucken", {8, y, 220, 10}, ControlFlag::TabStop});
        y += 12;
    }
    dialog.controls.push_back({id::types,
                               ControlKind::CheckBox,
                               "Trainingseinheiten drucken",
                               {8, y, 220, 10},
                               ControlFlag::TabStop});
    dialog.controls.push_back({id::cover,
                               ControlKind::CheckBox,
                               "Deckblatt mit Legende drucken",
                               {8, y + 12, 220, 10},
                               ControlFlag::TabStop});
    dialog.controls.push_back({id::summary,
                               ControlKind::CheckBox,
                               "Zusammenfassungsblatt drucken",
                               {8, y + 24, 220, 10},
                               ControlFlag::TabStop});
    const int printerY = boxesBottom + 8;
    dialog.controls.push_back(
        {platform::staticControlId, ControlKind::GroupBox, "Drucker", {8, printerY, 220, 34}});
    dialog.controls.push_back(
        {platform::staticControlId, ControlKind::Static, "Name :", {14, printerY + 14, 30, 10}});
    dialog.controls.push_back(
        {id::printerName, ControlKind::Edit, "", {46, printerY + 12, 100, 12}, ControlFlag::ReadOnly});
    dialog.controls.push_back({id::printerSetup,
                               ControlKind::Button,
                               "Drucker einrichten",
                               {150, printerY + 11, 72, 14},
                               ControlFlag::TabStop});
    dialog.controls.push_back({id::print,
                               ControlKind::DefaultButton,
                               "Drucken",
                               {8, printerY + 44, 106, 14},
                               ControlFlag::TabStop | ControlFlag::GroupStart});
    dialog.controls.push_back(
        {id::cancel, ControlKind::Button, "Abbruch", {122, printerY + 44, 106, 14}, ControlFlag::TabStop});
    return dialog;
}

}  // namespace

const platform::DialogTemplate& overviewPrintV3Template() {
    static const platform::DialogTemplate dialog = overviewTemplate("PRINT_V3", true);
    return dialog;
}

const platform::DialogTemplate& overviewPrintV2Template() {
    static const platform::DialogTemplate dialog = overviewTemplate("PRINT_V2", false);
    return dialog;
}

void runOverviewPrint(platform::Services& services, const model::TrainingYear& year) {
    OverviewPrintProcedure procedure(year);
    services.runModal(year.planFileVersion == 3 ? overviewPrintV3Template() : overviewPrintV2Template(),
                      procedure);
}

}  // namespace sb::output
