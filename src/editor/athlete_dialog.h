// The athlete dialog IDD_PERSONEN ("Personeninformationen"): names, birth date, gender, club and
// trainer, and, only while a new plan is made, the plan year.
#pragma once

#include <string>

#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::editor {

namespace athlete_dialog {
constexpr int firstName = 201;
constexpr int lastName = 202;
constexpr int birthDate = 203;
constexpr int female = 204;
constexpr int male = 205;
constexpr int helpButton = 207;
constexpr int club = 208;
constexpr int trainer = 209;
constexpr int planYear = 210;
constexpr int okButton = 211;
constexpr int cancelButton = 212;
constexpr int startMonth = 213;
constexpr int startDay = 214;
constexpr int helpTopic = 21;
constexpr int firstYear = 1990;
constexpr int lastYear = 2040;
}  // namespace athlete_dialog

const platform::DialogTemplate& athleteTemplate();

class AthleteProcedure : public platform::DialogProcedure {
  public:
    AthleteProcedure(model::TrainingYear& year, bool newPlanMode, std::string helpFile)
        : year_(year), newPlanMode_(newPlanMode), helpFile_(std::move(helpFile)) {}

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void help(platform::DialogHost& host) override;

  private:
    void store(platform::DialogHost& host);
    void storePlanYear(platform::DialogHost& host);

    model::TrainingYear& year_;
    bool newPlanMode_;
    std::string helpFile_;
};

// The modal dialog; dialogOk when the athlete data was stored.
int editAthlete(platform::Services& services, model::TrainingYear& year, bool newPlanMode,
                const std::string& helpFile);

}  // namespace sb::editor
