// The body mass index calculator. Only the height is checked (any height but 0 is taken); the weight is
// read as it stands.
#include "tools/body_mass_index_dialog.h"

#include "fileio/c_numbers.h"
#include "platform/help.h"
#include "platform/number_field.h"
#include "tools/body_calculator_settings.h"

namespace sb::tools {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = body_mass_index_dialog;
namespace button = calculator_buttons;

constexpr const char* kSection = "BMI";
constexpr int kInputLength = 8;

class BodyMassIndexProcedure : public platform::DialogProcedure {
  public:
    BodyMassIndexProcedure(config::ConfigStore& settings, const model::TrainingYear& year,
                           std::string helpFile)
        : settings_(settings), year_(year), helpFile_(std::move(helpFile)) {}

    void init(DialogHost& host) override {
        weight_ = readDecimalSetting(settings_, kSection, "GEWICHT", weightDefault(year_));
        height_ = readDecimalSetting(settings_, kSection, "GROESSE", "0.0");
        showDecimal(host, id::weightField, weight_);
        showDecimal(host, id::heightField, height_);
        if (height_ > 100 && height_ < 250 && weight_ > 35 && weight_ < 200) calculate(host);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == button::calculate) calculate(host);
        if (control == button::help) help(host);
        if (control == button::close) {
            writeDecimalSetting(settings_, kSection, "GEWICHT", weight_);
            writeDecimalSetting(settings_, kSection, "GROESSE", height_);
            host.end(platform::dialogOk);
        }
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
    }

  private:
    void calculate(DialogHost& host) {
        weight_ = decimalField(host, id::weightField);
        const std::optional<double> height = platform::numberField(host, id::heightField, kInputLength);
        if (height) height_ = float(*height);
        if (!height || height_ == 0) {
            platform::rejectField(host, id::heightField, "Fehler bei der Größeneingabe", platform::Icon::Exclamation, "Fehler");
            return;
        }
        const double index = double(weight_) * 10000 / (double(height_) * double(height_));
        host.setText(id::result, fileio::formatFixed(index, 0));
    }

    config::ConfigStore& settings_;
    const model::TrainingYear& year_;
    std::string helpFile_;
    float weight_ = 0;  // kg
    float height_ = 0;  // cm
};

}  // namespace

const platform::DialogTemplate& bodyMassIndexTemplate() {
    static const platform::DialogTemplate dialog = [] {
        platform::DialogTemplate built{
            "TOOL_BMI",
            "BodyMassIndex Rechner",
            200,
            144,
            {
                {platform::staticControlId, ControlKind::Static, "Gewicht:", {8, 10, 60, 10}},
                {id::weightField, ControlKind::Edit, "", {72, 8, 40, 12}, ControlFlag::TabStop, kInputLength},
                {platform::staticControlId, ControlKind::Static, "kg", {116, 10, 20, 10}},
                {platform::staticControlId, ControlKind::Static, "Körpergröße:", {8, 26, 60, 10}},
                {id::heightField,
                 ControlKind::Edit,
                 "",
                 {72, 24, 40, 12},
                 ControlFlag::TabStop,
                 kInputLength},
                {platform::staticControlId, ControlKind::Static, "cm", {116, 26, 20, 10}},
                {platform::staticControlId, ControlKind::Static, "Ihr BMI :", {8, 44, 60, 10}},
                {id::result, ControlKind::Edit, "", {72, 42, 40, 12}, ControlFlag::ReadOnly},
                {platform::staticControlId, ControlKind::Static, "BMI < 20", {8, 64, 50, 10}},
                {platform::staticControlId, ControlKind::Static, "Untergewicht", {62, 64, 130, 10}},
                {platform::staticControlId, ControlKind::Static, "BMI 20-25", {8, 74, 50, 10}},
                {platform::staticControlId, ControlKind::Static, "Normalgewicht", {62, 74, 130, 10}},
                {platform::staticControlId, ControlKind::Static, "BMI 25-30", {8, 84, 50, 10}},
                {platform::staticControlId, ControlKind::Static, "leichtes Übergewicht", {62, 84, 130, 10}},
                {platform::staticControlId, ControlKind::Static, "BMI 30-40", {8, 94, 50, 10}},
                {platform::staticControlId, ControlKind::Static, "deutliches Übergewicht", {62, 94, 130, 10}},
                {platform::staticControlId, ControlKind::Static, "BMI > 40", {8, 104, 50, 10}},
                {platform::staticControlId, ControlKind::Static, "starkes Übergewicht", {62, 104, 130, 10}},
            }};
        addCalculatorButtons(built, 122);
        return built;
    }();
    return dialog;
}

void runBodyMassIndexCalculator(platform::Services& services, config::ConfigStore& settings,
                                const model::TrainingYear& year, const std::string& helpFile) {
    BodyMassIndexProcedure procedure(settings, year, helpFile);
    services.runModal(bodyMassIndexTemplate(), procedure);
}

}  // namespace sb::tools
