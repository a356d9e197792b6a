// The gear calculator dialog. The list and the chart share one area; the one not in use is hidden. The
// chart is painted from the inputs of the last calculation, so a refused circumference leaves it as it was.
#include "tools/gear_calculator_dialog.h"

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "fileio/c_numbers.h"
#include "model/text_encoding.h"
#include "platform/common_dialogs.h"
#include "platform/help.h"
#include "platform/number_field.h"
#include "tools/gear_chart.h"
#include "tools/gear_list_printing.h"

namespace sb::tools {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = gear_dialog;

constexpr const char* kSection = "Ritzelrechner";
constexpr int kTeethLength = 3;
constexpr int kCircumferenceLength = 5;
constexpr int kListMode = 0;
constexpr int kChartMode = 1;

std::string chainringKey(int k) {
    return "Kettenblatt" + fileio::formatInt(k + 1);
}
std::string sprocketKey(int k) {
    return "Ritzel" + fileio::formatInt(k + 1);
}

class GearCalculatorProcedure : public platform::DialogProcedure {
  public:
    GearCalculatorProcedure(config::ConfigStore& settings, std::string helpFile)
        : settings_(settings), helpFile_(std::move(helpFile)) {}

    void init(DialogHost& host) override {
        for (int k = 0; k < kChainringCount; ++k) {
            showTeeth(host, id::firstChainring + k,
                      config::readIntSetting(settings_, kSection, chainringKey(k), 0, config::WriteBack::No));
        }
        for (int k = 0; k < kSprocketCount; ++k) {
            showTeeth(host, id::firstSprocket + k,
                      config::readIntSetting(settings_, kSection, sprocketKey(k), 0, config::WriteBack::No));
        }
        const std::string circumference = config::readSetting(
            settings_, kSection, "Umfang", fileio::formatInt(kDefaultCircumference), config::WriteBack::Yes);
        host.setText(id::circumference, fileio::formatInt(int(fileio::atofC(circumference))));
        mode_ = config::readIntSetting(settings_, kSection, "MODUS", kListMode, config::WriteBack::Yes);
        host.post(id::calculate, Notification::Clicked);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification == Notification::TextChanged) {
            keepFieldsInOrder(host, control);
            return;
        }
        if (notification != Notification::Clicked) return;
        switch (control) {
            case id::listButton:
                mode_ = kListMode;
                calculate(host);
                break;
            case id::chartButton:
                mode_ = kChartMode;
                calculate(host);
                break;
            case id::calculate:
                calculate(host);
                break;
            case id::printListButton:
                printList(host);
                break;
            case id::printChartButton:
                printChart(host);
                break;
            case id::helpButton:
                help(host);
                break;
            case id::closeButton:
                store(host);
                host.end(platform::dialogOk);
                break;
            default:
                break;
        }
    }

    void paint(DialogHost& host, int control, platform::Canvas& canvas) override {
        if (control != id::chart) return;
        charts::setupDialogFrame(canvas, host.clientSize(id::chart), charts::colour::white);
        drawGearChart(canvas, inputs_);
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
    }

  private:
    static void showTeeth(DialogHost& host, int control, int teeth) {
        if (teeth != 0) host.setText(control, fileio::formatInt(teeth));
    }

    // A field may only be filled when the one before it is: values go in from the left without gaps.
    static void keepFieldsInOrder(DialogHost& host, int control) {
        const bool chainring = control > id::firstChainring && control < id::firstChainring + kChainringCount;
        const bool sprocket = control > id::firstSprocket && control < id::firstSprocket + kSprocketCount;
        if (!chainring && !sprocket) return;
        if (!host.text(control - 1).empty() || host.text(control).empty()) return;
        host.setText(control, "");
        host.services().messageBox("Bitte geben Sie die Werte  nach einander ein.", "Hinweis",
                                   platform::Buttons::Ok, platform::Icon::Exclamation);
    }

    // The fields as numbers; nothing (after the message) when the circumference is no positive number.
    static std::optional<GearInputs> readInputs(DialogHost& host) {
        GearInputs inputs;
        for (int k = 0; k < kChainringCount; ++k)
            inputs.chainrings[std::size_t(k)] = fileio::atoiC(host.text(id::firstChainring + k));
        for (int k = 0; k < kSprocketCount; ++k)
            inputs.sprockets[std::size_t(k)] = fileio::atoiC(host.text(id::firstSprocket + k));
        const std::optional<int> circumference =
            platform::integerField(host, id::circumference, kCircumferenceLength);
        if (!circumference || *circumference <= 0) {
            platform::rejectField(host, id::circumference, "Eingabefehler im Feld Radumfang");
            return std::nullopt;
        }
        inputs.circumference = *circumference;
        return inputs;
    }

    void calculate(DialogHost& host) {
        const std::optional<GearInputs> inputs = readInputs(host);
        if (!inputs) return;
        inputs_ = *inputs;
        host.show(id::resultList, mode_ != kChartMode);
        host.show(id::chart, mode_ == kChartMode);
        if (mode_ == kChartMode) {
            host.repaint(id::chart);
            return;
        }
        host.clearItems(id::resultList);
        for (const std::string& line : gearListLines(inputs_)) host.addItem(id::resultList, line);
    }

    // The printer of the print dialog; nothing when it was cancelled or failed (reported with `icon`).
    static std::unique_ptr<platform::Printer> choosePrinter(DialogHost& host, platform::Icon icon) {
        platform::PrintResult result = host.services().print({});
        if (!result.printer && result.error != 0) platform::reportPrinterFailure(host.services(), icon);
        return std::move(result.printer);
    }

    void printList(DialogHost& host) {
        const std::optional<GearInputs> inputs = readInputs(host);
        if (!inputs) return;
        std::unique_ptr<platform::Printer> printer = choosePrinter(host, platform::Icon::Stop);
        if (!printer) return;
        host.enable(platform::dialogItself, false);
        printGearList(host.services(), *printer, *inputs);
        host.enable(platform::dialogItself, true);
    }

    void printChart(DialogHost& host) {
        const std::optional<GearInputs> inputs = readInputs(host);
        if (!inputs) return;
        std::unique_ptr<platform::Printer> printer = choosePrinter(host, platform::Icon::Exclamation);
        if (!printer) return;
        charts::printOnUpperHalf(*printer, "Ritzelrechner",
                                 [&inputs](platform::Canvas& canvas) { drawGearChart(canvas, *inputs); });
    }

    void store(DialogHost& host) {
        auto fieldText = [&host](int control) { return model::utf8ToCp1252(host.text(control)); };
        for (int k = 0; k < kChainringCount; ++k)
            config::writeSetting(settings_, kSection, chainringKey(k), fieldText(id::firstChainring + k));
        for (int k = 0; k < kSprocketCount; ++k)
            config::writeSetting(settings_, kSection, sprocketKey(k), fieldText(id::firstSprocket + k));
        config::writeSetting(settings_, kSection, "Umfang", fieldText(id::circumference));
        config::writeIntSetting(settings_, kSection, "MODUS", mode_);
    }

    config::ConfigStore& settings_;
    std::string helpFile_;
    GearInputs inputs_;
    int mode_ = kListMode;
};

platform::DialogTemplate buildTemplate() {
    constexpr unsigned tab = ControlFlag::TabStop;
    platform::DialogTemplate dialog{
        "TOOL_RITZELRECHNER",
        "Ritzelrechner",
        400,
        370,
        {
            {platform::staticControlId, ControlKind::GroupBox, "Einstellungen", {8, 4, 384, 88}},
            {platform::staticControlId, ControlKind::Static, "Kettenblätter:", {16, 18, 60, 10}},
            {platform::staticControlId, ControlKind::Static, "Ritzel:", {16, 36, 60, 10}},
            {platform::staticControlId,
             ControlKind::Static,
             "klein ................................................... groß",
             {80, 52, 276, 10}},
            {platform::staticControlId, ControlKind::Static, "Radumfang:", {16, 70, 60, 10}},
            {platform::staticControlId, ControlKind::Static, "mm", {124, 70, 20, 10}},
        }};
    for (int k = 0; k < kChainringCount; ++k)
        dialog.controls.push_back(
            {id::firstChainring + k, ControlKind::Edit, "", {80 + 28 * k, 16, 24, 12}, tab, kTeethLength});
    for (int k = 0; k < kSprocketCount; ++k)
        dialog.controls.push_back(
            {id::firstSprocket + k, ControlKind::Edit, "", {80 + 28 * k, 34, 24, 12}, tab, kTeethLength});
    const std::vector<platform::ControlTemplate> rest{
        {id::circumference, ControlKind::Edit, "", {80, 68, 40, 12}, tab, kCircumferenceLength},
        {id::listButton, ControlKind::Button, "Liste", {8, 98, 58, 14}, tab},
        {id::printListButton, ControlKind::Button, "Liste drucken", {70, 98, 62, 14}, tab},
        {id::chartButton, ControlKind::Button, "Grafik", {136, 98, 58, 14}, tab},
        {id::printChartButton, ControlKind::Button, "Grafik drucken", {198, 98, 62, 14}, tab},
        {id::helpButton, ControlKind::Button, "Hilfe", {264, 98, 60, 14}, tab},
        {id::closeButton, ControlKind::Button, "Beenden", {328, 98, 64, 14}, tab},
        {id::resultList, ControlKind::ListBox, "", {8, 118, 384, 244}, ControlFlag::Sorted | tab},
        {id::chart, ControlKind::Canvas, "", {8, 118, 384, 244}, ControlFlag::Hidden},
    };
    dialog.controls.insert(dialog.controls.end(), rest.begin(), rest.end());
    return dialog;
}

}  // namespace

const platform::DialogTemplate& gearCalculatorTemplate() {
    static const platform::DialogTemplate dialog = buildTemplate();
    return dialog;
}

void runGearCalculator(platform::Services& services, config::ConfigStore& settings,
                       const std::string& helpFile) {
    GearCalculatorProcedure procedure(settings, helpFile);
    services.runModal(gearCalculatorTemplate(), procedure);
}

}  // namespace sb::tools
