// The three body calculators: their results for known inputs, every message, and what each remembers
// in train.cfg when it is closed with "Abbruch" or with the close box.
#include <gtest/gtest.h>

#include <tuple>

#include "support/plan_fixtures.h"
#include "platform/headless/headless_services.h"
#include "tools/basal_metabolism_dialog.h"
#include "tools/body_calculator_settings.h"
#include "tools/body_mass_index_dialog.h"
#include "tools/waist_hip_dialog.h"

namespace sb::tools {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
namespace button = calculator_buttons;

void calculateWith(HeadlessDialogHost& dialog, int field, const std::string& text) {
    dialog.type(field, text);
    dialog.press(button::calculate);
}

class BodyCalculators : public ::testing::Test {
  protected:
    void SetUp() override {
        config::openConfigFile(settings, scratch.file("train.cfg"));
        year.gender = 'm';
        year.days[40].bodyWeight = 72.4f;
    }

    std::string stored(const char* section, const char* key) const {
        return config::profileString(config::loadProfileFile(scratch.file("train.cfg")), section, key)
            .value_or("missing");
    }

    void TearDown() override { EXPECT_EQ(services.unexpected(), std::vector<std::string>{}); }

    sb::testing::TempDir scratch;
    config::ConfigStore settings;
    model::TrainingYear year;
    HeadlessServices services;
};

TEST_F(BodyCalculators, BasalMetabolicRateChecksItsFieldsAndStoresWhatWasLastRead) {
    namespace id = basal_metabolism_dialog;
    services.scriptDialog("TOOL_GRUNDUMSATZ", [](HeadlessDialogHost& dialog) {
        // Height 0: nothing calculated on opening.
        EXPECT_EQ(
            std::tuple(dialog.text(id::weightField), dialog.isChecked(id::male), dialog.text(id::result)),
            std::tuple("72.4", true, ""));
        dialog.type(id::ageField, "30");
        dialog.type(id::weightField, "60");
        calculateWith(dialog, id::heightField, "170");
        EXPECT_EQ("1534", dialog.text(id::result));
        dialog.press(id::female);
        dialog.press(button::calculate);
        EXPECT_EQ("1396", dialog.text(id::result));
        calculateWith(dialog, id::heightField, "200");
        calculateWith(dialog, id::heightField, "200,1");
        dialog.type(id::heightField, "200");
        calculateWith(dialog, id::weightField, "0");
        dialog.type(id::weightField, "72,5");
        calculateWith(dialog, id::ageField, "dreißig");
        EXPECT_EQ(id::ageField, dialog.focus());
        calculateWith(dialog, id::ageField, "121");
        dialog.type(id::ageField, "31");
        dialog.press(button::close);
    });
    runBasalMetabolismCalculator(services, settings, year, "inhalt");
    EXPECT_EQ((std::vector<std::string>{
                  "Eingabefehler im Feld Größe [100-200]", "Eingabefehler im Feld Gewicht [1-300]",
                  "Eingabefehler im Feld Alter [1-120]", "Eingabefehler im Feld Alter [1-120]"}),
              services.messageTexts());
    EXPECT_EQ(std::tuple(stored("GRUNDUMSATZ", "GESCHLECHT"), stored("GRUNDUMSATZ", "GEWICHT"),
                         stored("GRUNDUMSATZ", "GROESSE"), stored("GRUNDUMSATZ", "ALTER")),
              std::tuple("W", "72.5", "200.0", "121"));

    // Stored values in range calculate on opening; the close box keeps edits out of the file.
    config::writeSetting(settings, "GRUNDUMSATZ", "ALTER", "30");
    config::writeSetting(settings, "GRUNDUMSATZ", "GEWICHT", "60.0");
    config::writeSetting(settings, "GRUNDUMSATZ", "GROESSE", "170.0");
    services.scriptDialog("TOOL_GRUNDUMSATZ", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("1396", dialog.text(id::result));
        calculateWith(dialog, id::weightField, "90");
        dialog.pressClose();
    });
    runBasalMetabolismCalculator(services, settings, year, "inhalt");
    EXPECT_EQ("60.0", stored("GRUNDUMSATZ", "GEWICHT"));
}

TEST_F(BodyCalculators, BodyMassIndexRefusesOnlyAZeroHeight) {
    namespace id = body_mass_index_dialog;
    services.scriptDialog("TOOL_BMI", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("0.0", dialog.text(id::heightField));
        dialog.type(id::weightField, "70");
        calculateWith(dialog, id::heightField, "175");
        EXPECT_EQ("23", dialog.text(id::result));
        calculateWith(dialog, id::heightField, "0");
        calculateWith(dialog, id::heightField, "1,75m");
        EXPECT_EQ("23", dialog.text(id::result));
        calculateWith(dialog, id::heightField, "300");
        EXPECT_EQ("8", dialog.text(id::result));
        dialog.press(button::help);
        dialog.press(button::close);
    });
    runBodyMassIndexCalculator(services, settings, year, "inhalt");
    EXPECT_EQ((std::vector<std::string>{"Fehler bei der Größeneingabe", "Fehler bei der Größeneingabe"}),
              services.messageTexts());
    EXPECT_EQ(services.helpCalls(), (std::vector<platform::headless::LoggedHelp>{{"inhalt", 42}}));
    EXPECT_EQ(std::tuple(stored("BMI", "GROESSE"), stored("BMI", "GEWICHT")), std::tuple("300.0", "70.0"));
}

TEST_F(BodyCalculators, WaistHipRatioRatesBySexAndReportsAMissingHipAtOnce) {
    namespace id = waist_hip_dialog;
    year.gender = 'w';
    services.scriptDialog("TOOL_THQ", [](HeadlessDialogHost& dialog) {
        EXPECT_TRUE(dialog.items(id::rating).empty());
        dialog.type(id::waistField, "80");
        calculateWith(dialog, id::hipField, "100");
        EXPECT_EQ((std::vector<std::string>{"Ihr THQ: 0.80", "OK"}), dialog.items(id::rating));
        calculateWith(dialog, id::hipField, "hundert");
        EXPECT_TRUE(dialog.items(id::rating).empty());
        dialog.type(id::hipField, "100");
        dialog.type(id::waistField, "104,5");
        dialog.press(id::male);
        dialog.press(button::calculate);
        EXPECT_EQ(
            (std::vector<std::string>{"Ihr THQ: 1.04", "Ungünstig: THQ > 1,0", "Ungünstig: Taille > 100cm"}),
            dialog.items(id::rating));
        dialog.press(button::close);
    });
    runWaistHipCalculator(services, settings, year, "inhalt");
    EXPECT_EQ((std::vector<std::string>{"Fehler bei der Hüfteingabe", "Fehler bei der Hüfteingabe"}),
              services.messageTexts());
    EXPECT_EQ(std::tuple(stored("THQ", "GESCHLECHT"), stored("THQ", "TAILLE"), stored("THQ", "HUEFTE")),
              std::tuple("M", "104.5", "100.0"));
}

}  // namespace
}  // namespace sb::tools
