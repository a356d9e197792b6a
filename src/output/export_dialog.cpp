// The export dialog. The boxes a plan's version cannot fill are shown unchecked and disabled, but their
// keys keep the stored value until an export writes the shown states back.
#include "output/export_dialog.h"

#include <cstdlib>
#include <vector>

#include "output/output_target.h"
#include "output/year_document.h"
#include "planfile/plan_file_writer.h"
#include "platform/help.h"
#include "platform/common_dialogs.h"

namespace sb::output {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = export_dialog;

constexpr const char* kSection = "EXPORT";

struct ExportBox {
    int control;
    const char* key;
    int ExportChoices::*choice;
};

const std::vector<ExportBox>& exportBoxes() {
    static const std::vector<ExportBox> boxes{
        {id::bike, "RAD", &ExportChoices::bike},
        {id::run, "LAUFEN", &ExportChoices::run},
        {id::other, "ALTERNATIV", &ExportChoices::other},
        {id::swim, "SCHWIMMEN", &ExportChoices::swim},
        {id::cumulativeKm, "GESAMTKILOMETER", &ExportChoices::cumulativeKm},
        {id::averages, "AVG_GESCHWINDIGKEIT", &ExportChoices::averages},
        {id::pulse, "PULS", &ExportChoices::pulse},
        {id::weight, "GEWICHT", &ExportChoices::weight},
        {id::kcal, "KALORIEN", &ExportChoices::kcal},
        {id::trainingTypes, "TRAININGSKONTROLLE", &ExportChoices::trainingTypes},
    };
    return boxes;
}

platform::FileDialogRequest targetFileRequest(ExportType type) {
    if (type == ExportType::Html)
        return {"Datei exportieren nach...", {{"HTML Dokument (*.htm)", "*.htm"}}, "export.htm", "htm"};
    return {"Datei exportieren nach...", {{"Text mit Trennzeichen (*.csv)", "*.csv"}}, "export.csv", "csv"};
}

class ExportProcedure : public platform::DialogProcedure {
  public:
    ExportProcedure(config::ConfigStore& settings, const model::TrainingYear& year, ExportType type,
                    const Exporter& exporter, std::string helpFile)
        : settings_(settings),
          year_(year),
          type_(type),
          exporter_(exporter),
          helpFile_(std::move(helpFile)) {}

    void init(DialogHost& host) override {
        ExportChoices stored;
        for (const ExportBox& box : exportBoxes())
            stored.*box.choice =
                config::readIntSetting(settings_, kSection, box.key, 1, config::WriteBack::Yes);
        const ExportChoices shown = limitToPlanVersion(stored, year_.planFileVersion);
        host.setText(id::startDay, "1");
        host.setText(id::startMonth, "1");
        host.setText(id::endDay, "31");
        host.setText(id::endMonth, "12");
        for (const ExportBox& box : exportBoxes()) host.setChecked(box.control, shown.*box.choice != 0);
        const bool withOther = year_.planFileVersion == 2 || year_.planFileVersion == 3;
        host.enable(id::other, withOther);
        host.enable(id::trainingTypes, withOther);
        host.enable(id::swim, year_.planFileVersion == 3);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == id::ok) exportFile(host);
        if (control == id::cancel) host.end(platform::dialogCancel);
        if (control == id::help) help(host);
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
    }

  private:
    void exportFile(DialogHost& host) {
        platform::Services& services = host.services();
        const std::optional<std::string> path = services.saveFileName(targetFileRequest(type_));
        if (!path) {
            platform::reportDialogError(services);
            return;
        }
        const std::string refusal =
            outputRefusal("Der Export", *path, {year_.currentFileName, settings_.file.path});
        if (!refusal.empty()) {
            services.messageBox(refusal, "Fehler", platform::Buttons::Ok, platform::Icon::Exclamation);
            return;
        }
        if (!platform::askOverwrite(services, *path)) return;
        ExportChoices choices;
        for (const ExportBox& box : exportBoxes()) choices.*box.choice = host.isChecked(box.control) ? 1 : 0;
        const ExportDates dates{
            std::atoi(host.text(id::startDay).c_str()), std::atoi(host.text(id::startMonth).c_str()),
            std::atoi(host.text(id::endDay).c_str()), std::atoi(host.text(id::endMonth).c_str())};
        const ExportRange range = exportRange(dates, year_.planYear);
        if (range.wholeYearFallback)
            services.messageBox("Eingabefehler in den Datumsfeldern\nexportiere gesamtes Jahr",
                                "Eingabefehler", platform::Buttons::Ok, platform::Icon::Exclamation);
        if (exporter_(choices, range, *path) != 0)
            services.messageBox("Fehler beim Export der Datei", "Fehler", platform::Buttons::Ok,
                                platform::Icon::Exclamation);
        else
            services.messageBox("Datei exportiert", "Hinweis", platform::Buttons::Ok,
                                platform::Icon::Information);
        for (const ExportBox& box : exportBoxes())
            config::writeIntSetting(settings_, kSection, box.key, choices.*box.choice);
        host.end(platform::dialogOk);
    }

    config::ConfigStore& settings_;
    const model::TrainingYear& year_;
    ExportType type_;
    const Exporter& exporter_;
    std::string helpFile_;
};

platform::ControlTemplate checkBox(int control, const char* text, int x, int y) {
    return {control, ControlKind::CheckBox, text, {x, y, 124, 10}, ControlFlag::TabStop};
}

}  // namespace

const platform::DialogTemplate& exportTemplate() {
    static const platform::DialogTemplate dialog{
        "EXPORT",
        "Exportoptionen",
        272,
        148,
        {
            {platform::staticControlId, ControlKind::Static, "Export von:", {8, 10, 50, 10}},
            {id::startDay, ControlKind::Edit, "", {60, 8, 20, 12}, ControlFlag::TabStop, 2},
            {platform::staticControlId, ControlKind::Static, ".", {82, 10, 6, 10}},
            {id::startMonth, ControlKind::Edit, "", {88, 8, 20, 12}, ControlFlag::TabStop, 2},
            {platform::staticControlId, ControlKind::Static, "Export bis:", {130, 10, 50, 10}},
            {id::endDay, ControlKind::Edit, "", {182, 8, 20, 12}, ControlFlag::TabStop, 2},
            {platform::staticControlId, ControlKind::Static, ".", {204, 10, 6, 10}},
            {id::endMonth, ControlKind::Edit, "", {210, 8, 20, 12}, ControlFlag::TabStop, 2},
            {platform::staticControlId, ControlKind::GroupBox, "Sportarten", {8, 28, 118, 66}},
            checkBox(id::bike, "Radsportdaten", 14, 40),
            checkBox(id::run, "Laufdaten", 14, 52),
            checkBox(id::other, "Alternativsportdaten", 14, 64),
            checkBox(id::swim, "Schwimmdaten", 14, 76),
            {platform::staticControlId, ControlKind::GroupBox, "Zusatzdaten", {132, 28, 132, 88}},
            checkBox(id::cumulativeKm, "Gesamtkilometer", 138, 40),
            checkBox(id::averages, "Durschnittsgeschwindigkeit", 138, 52),
            checkBox(id::pulse, "Pulsdaten", 138, 64),
            checkBox(id::weight, "Körpergewichtsinformationen", 138, 76),
            checkBox(id::kcal, "Kalorienverbrauch", 138, 88),
            {id::trainingTypes,
             ControlKind::CheckBox,
             "Trainingseinheiten: soll/ist",
             {138, 100, 124, 10},
             ControlFlag::TabStop},
            {id::ok,
             ControlKind::DefaultButton,
             "OK",
             {8, 128, 80, 14},
             ControlFlag::TabStop | ControlFlag::GroupStart},
            {id::cancel, ControlKind::Button, "Abbruch", {96, 128, 80, 14}, ControlFlag::TabStop},
            {id::help, ControlKind::Button, "Hilfe", {184, 128, 80, 14}, ControlFlag::TabStop},
        }};
    return dialog;
}

void runExportDialog(platform::Services& services, config::ConfigStore& settings,
                     const model::TrainingYear& year, ExportType type, const Exporter& exporter,
                     const std::string& helpFile) {
    ExportProcedure procedure(settings, year, type, exporter, helpFile);
    services.runModal(exportTemplate(), procedure);
}

void runSpreadsheetExport(platform::Services& services, config::ConfigStore& settings,
                          const model::TrainingYear& year, const std::string& helpFile) {
    const Exporter exporter = [&](const ExportChoices& choices, const ExportRange& range,
                                  const std::string& path) {
        platform::WaitCursor waiting(services);
        return planfile::writePlanFile(year, path, spreadsheetColumns(choices, range),
                                       settings.trainingTypeLabels);
    };
    runExportDialog(services, settings, year, ExportType::Spreadsheet, exporter, helpFile);
}

void runHtmlExport(platform::Services& services, config::ConfigStore& settings,
                   const model::TrainingYear& year, const std::string& helpFile) {
    const Exporter exporter = [&](const ExportChoices& choices, const ExportRange& range,
                                  const std::string& path) {
        platform::WaitCursor waiting(services);
        return writeYearDocument(year, path, spreadsheetColumns(choices, range), settings.trainingTypeLabels);
    };
    runExportDialog(services, settings, year, ExportType::Html, exporter, helpFile);
}

}  // namespace sb::output
