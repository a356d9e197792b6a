// The basal metabolic rate calculator. Besides the height, weight and age are checked too, so no
// nonsense input can give a negative rate.
#include "tools/basal_metabolism_dialog.h"

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
namespace id = basal_metabolism_dialog;
namespace button = calculator_buttons;

constexpr const char* kSection = "GRUNDUMSATZ";
constexpr int kInputLength = 8;

struct Inputs {
    float weight = 0;  // kg
    float height = 0;  // cm
    int age = 0;       // years
};

class BasalMetabolismProcedure : public platform::DialogProcedure {
  public:
    BasalMetabolismProcedure(config::ConfigStore& settings, const model::TrainingYear& year,
                             std::string helpFile)
        : settings_(settings), year_(year), helpFile_(std::move(helpFile)) {}

    void init(DialogHost& host) override {
        const bool female = readFemaleSetting(settings_, kSection, year_);
        inputs_.weight = readDecimalSetting(settings_, kSection, "GEWICHT", weightDefault(year_));
        inputs_.height = readDecimalSetting(settings_, kSection, "GROESSE", "0.0");
        inputs_.age = config::readIntSetting(settings_, kSection, "ALTER", 0, config::WriteBack::Yes);
        host.setChecked(female ? id::female : id::male, true);
        showDecimal(host, id::weightField, inputs_.weight);
        showDecimal(host, id::heightField, inputs_.height);
        host.setText(id::ageField, fileio::formatInt(inputs_.age));
        if (inputs_.weight > 35 && inputs_.weight < 200 && inputs_.age >= 1 && inputs_.age <= 119 &&
            inputs_.height > 100 && inputs_.height < 250)
            calculate(host);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == button::calculate) calculate(host);
        if (control == button::help) help(host);
        if (control == button::close) {
            config::writeSetting(settings_, kSection, "GESCHLECHT", host.isChecked(id::female) ? "W" : "M");
            writeDecimalSetting(settings_, kSection, "GEWICHT", inputs_.weight);
            writeDecimalSetting(settings_, kSection, "GROESSE", inputs_.height);
            config::writeIntSetting(settings_, kSection, "ALTER", inputs_.age);
            host.end(platform::dialogOk);
        }
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
    }

  private:
    // Every field that holds a number is taken; the first one out of its range is reported.
    void calculate(DialogHost& host) {
        const std::optional<double> weight = platform::numberField(host, id::weightField, kInputLength);
        const std::optional<double> height = platform::numberField(host, id::heightField, kInputLength);
        const std::optional<int> age = platform::integerField(host, id::ageField, kInputLength);
        if (weight) inputs_.weight = float(*weight);
        if (height) inputs_.height = float(*height);
        if (age) inputs_.age = *age;
        if (!age || *age < 1 || *age > 120) {
            platform::rejectField(host, id::ageField, "Eingabefehler im Feld Alter [1-120]");
        } else if (!weight || inputs_.weight < 1 || inputs_.weight > 300) {
            platform::rejectField(host, id::weightField, "Eingabefehler im Feld Gewicht [1-300]");
        } else if (!height || inputs_.height < 100 || inputs_.height > 200) {
            platform::rejectField(host, id::heightField, "Eingabefehler im Feld Größe [100-200]");
        } else {
            const bool female = host.isChecked(id::female);
            host.setText(id::result, fileio::formatInt(basalMetabolicRate(female, inputs_.weight,
                                                                          inputs_.height, inputs_.age)));
        }
    }

    config::ConfigStore& settings_;
    const model::TrainingYear& year_;
    std::string helpFile_;
    Inputs inputs_;
};

}  // namespace

const platform::DialogTemplate& basalMetabolismTemplate() {
    static const platform::DialogTemplate dialog = [] {
        platform::DialogTemplate built{
            "TOOL_GRUNDUMSATZ",
            "Grundumsatzrechner",
            228,
            108,
            {
                {platform::staticControlId, ControlKind::Static, "Alter in Jahren:", {8, 10, 72, 10}},
                {id::ageField, ControlKind::Edit, "", {84, 8, 40, 12}, ControlFlag::TabStop, kInputLength},
                {platform::staticControlId, ControlKind::Static, "Körpergewicht:", {8, 26, 72, 10}},
                {id::weightField,
                 ControlKind::Edit,
                 "",
                 {84, 24, 40, 12},
                 ControlFlag::TabStop,
                 kInputLength},
                {platform::staticControlId, ControlKind::Static, "kg", {128, 26, 20, 10}},
                {platform::staticControlId, ControlKind::Static, "Körpergröße:", {8, 42, 72, 10}},
                {id::heightField,
                 ControlKind::Edit,
                 "",
                 {84, 40, 40, 12},
                 ControlFlag::TabStop,
                 kInputLength},
                {platform::staticControlId, ControlKind::Static, "cm", {128, 42, 20, 10}},
                {platform::staticControlId, ControlKind::Static, "Grundumsatz:", {8, 64, 72, 10}},
                {id::result, ControlKind::Edit, "", {84, 62, 40, 12}, ControlFlag::ReadOnly},
                {platform::staticControlId, ControlKind::Static, "kcal", {128, 64, 20, 10}},
                {platform::staticControlId, ControlKind::GroupBox, "Geschlecht", {152, 4, 68, 50}},
                {id::male,
                 ControlKind::RadioButton,
                 "männlich",
                 {158, 18, 58, 10},
                 ControlFlag::TabStop | ControlFlag::GroupStart},
                {id::female, ControlKind::RadioButton, "weiblich", {158, 34, 58, 10}},
            }};
        addCalculatorButtons(built, 86);
        return built;
    }();
    return dialog;
}

int basalMetabolicRate(bool female, double weightKg, double heightCm, int age) {
    const double rate = female ? 655 + 9.6 * weightKg + 1.8 * heightCm - 4.7 * age
                               : 66 + 13.7 * weightKg + 5 * heightCm - 6.8 * age;
    return int(rate);
}

void runBasalMetabolismCalculator(platform::Services& services, config::ConfigStore& settings,
                                  const model::TrainingYear& year, const std::string& helpFile) {
    BasalMetabolismProcedure procedure(settings, year, helpFile);
    services.runModal(basalMetabolismTemplate(), procedure);
}

}  // namespace sb::tools
