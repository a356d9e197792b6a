// The waist-to-hip ratio calculator. It calculates as soon as it opens, so the very first opening
// (both values 0) reports the missing hip at once.
#include "tools/waist_hip_dialog.h"

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
namespace id = waist_hip_dialog;
namespace button = calculator_buttons;

constexpr const char* kSection = "THQ";
constexpr int kInputLength = 8;

class WaistHipProcedure : public platform::DialogProcedure {
  public:
    WaistHipProcedure(config::ConfigStore& settings, const model::TrainingYear& year, std::string helpFile)
        : settings_(settings), year_(year), helpFile_(std::move(helpFile)) {}

    void init(DialogHost& host) override {
        const bool female = readFemaleSetting(settings_, kSection, year_);
        waist_ = readDecimalSetting(settings_, kSection, "TAILLE", "0.0");
        hip_ = readDecimalSetting(settings_, kSection, "HUEFTE", "0.0");
        host.setChecked(female ? id::female : id::male, true);
        showDecimal(host, id::waistField, waist_);
        showDecimal(host, id::hipField, hip_);
        calculate(host);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (notification != Notification::Clicked) return;
        if (control == button::calculate) calculate(host);
        if (control == button::help) help(host);
        if (control == button::close) {
            config::writeSetting(settings_, kSection, "GESCHLECHT", host.isChecked(id::female) ? "W" : "M");
            writeDecimalSetting(settings_, kSection, "TAILLE", waist_);
            writeDecimalSetting(settings_, kSection, "HUEFTE", hip_);
            host.end(platform::dialogOk);
        }
    }

    void help(DialogHost& host) override {
        platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
    }

  private:
    void calculate(DialogHost& host) {
        host.clearItems(id::rating);
        waist_ = decimalField(host, id::waistField);
        const std::optional<double> hip = platform::numberField(host, id::hipField, kInputLength);
        if (hip) hip_ = float(*hip);
        if (!hip || hip_ == 0) {
            platform::rejectField(host, id::hipField, "Fehler bei der Hüfteingabe", platform::Icon::Exclamation, "Fehler");
            return;
        }
        const float ratio = waist_ / hip_;
        host.addItem(id::rating, "Ihr THQ: " + fileio::formatFixed(ratio, 2));
        if (host.isChecked(id::female))
            host.addItem(id::rating, ratio > 0.85f ? "Ungünstig: THQ > 0,85" : "OK");
        if (host.isChecked(id::male)) host.addItem(id::rating, ratio > 1.0f ? "Ungünstig: THQ > 1,0" : "OK");
        if (waist_ > 100) host.addItem(id::rating, "Ungünstig: Taille > 100cm");
    }

    config::ConfigStore& settings_;
    const model::TrainingYear& year_;
    std::string helpFile_;
    float waist_ = 0;  // cm
    float hip_ = 0;    // cm
};

}  // namespace

const platform::DialogTemplate& waistHipTemplate() {
    static const platform::DialogTemplate dialog = [] {
        platform::DialogTemplate built{
            "TOOL_THQ",
            "Taille/Hüfte Quotient Rechner",
            220,
            140,
            {
                {platform::staticControlId, ControlKind::Static, "Taillenumfang:", {8, 10, 64, 10}},
                {id::waistField, ControlKind::Edit, "", {76, 8, 40, 12}, ControlFlag::TabStop, kInputLength},
                {platform::staticControlId, ControlKind::Static, "cm", {120, 10, 16, 10}},
                {platform::staticControlId, ControlKind::Static, "Hüftumfang:", {8, 26, 64, 10}},
                {id::hipField, ControlKind::Edit, "", {76, 24, 40, 12}, ControlFlag::TabStop, kInputLength},
                {platform::staticControlId, ControlKind::Static, "cm", {120, 26, 16, 10}},
                {platform::staticControlId, ControlKind::Static, "Wertung:", {8, 56, 64, 10}},
                {id::rating, ControlKind::ListBox, "", {8, 68, 204, 46}},
                {platform::staticControlId, ControlKind::GroupBox, "Geschlecht", {144, 4, 68, 48}},
                {id::female,
                 ControlKind::RadioButton,
                 "weiblich",
                 {150, 18, 58, 10},
                 ControlFlag::TabStop | ControlFlag::GroupStart},
                {id::male, ControlKind::RadioButton, "männlich", {150, 34, 58, 10}},
            }};
        addCalculatorButtons(built, 120);
        return built;
    }();
    return dialog;
}

void runWaistHipCalculator(platform::Services& services, config::ConfigStore& settings,
                           const model::TrainingYear& year, const std::string& helpFile) {
    WaistHipProcedure procedure(settings, year, helpFile);
    services.runModal(waistHipTemplate(), procedure);
}

}  // namespace sb::tools
