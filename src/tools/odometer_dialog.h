// The dialog "Kilometerzaehler konfigurieren" (template TOOL_KILOMETERZAEHLER): the list of odometers
// with their totals and states, and adding, changing, deleting and switching one odometer at a time.
// It edits the odometers of the open plan in memory; they are saved with the plan.
#pragma once

#include <string>

#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::tools {

namespace odometer_dialog {
constexpr int list = 201;
constexpr int deleteButton = 202;
constexpr int addButton = 203;
constexpr int okButton = 204;
constexpr int startDayField = 205;
constexpr int previousKmField = 206;
constexpr int applyButton = 208;
constexpr int cyclingChoice = 209;
constexpr int runningChoice = 210;
constexpr int bothChoice = 211;
constexpr int dueKmField = 212;
constexpr int toggleButton = 213;
constexpr int startMonthField = 214;
constexpr int descriptionField = 215;
constexpr int helpButton = 216;
constexpr int helpTopic = 44;
}  // namespace odometer_dialog

const platform::DialogTemplate& odometerTemplate();

class OdometerProcedure : public platform::DialogProcedure {
  public:
    OdometerProcedure(model::TrainingYear& year, std::string helpFile)
        : year_(year), helpFile_(std::move(helpFile)) {}

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void help(platform::DialogHost& host) override;

    // The slot being edited, -1 for none.
    int currentSlot() const { return currentSlot_; }

  private:
    void refresh(platform::DialogHost& host);
    void enableEditing(platform::DialogHost& host, bool enabled);
    void selectLine(platform::DialogHost& host);
    void addOdometer(platform::DialogHost& host);
    void deleteOdometer(platform::DialogHost& host);
    void toggleOdometer(platform::DialogHost& host);
    void applyChanges(platform::DialogHost& host);
    int readKm(platform::DialogHost& host, int id, const char* message);
    void fillFields(platform::DialogHost& host, int day, int month, const model::Odometer& odometer);

    model::TrainingYear& year_;
    std::string helpFile_;
    int currentSlot_ = -1;
};

// The line of an odometer in the list, UTF-8.
std::string odometerLine(int slot, const model::Odometer& odometer);

// The modal dialog over the odometers of `year`.
void editOdometers(platform::Services& services, model::TrainingYear& year, const std::string& helpFile);

}  // namespace sb::tools
