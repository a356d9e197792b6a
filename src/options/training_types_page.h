// The options page "Soll/Ist-Bereiche": the ten planned/actual training types with their labels and
// colours. Unlike the other pages its edits take effect at once; Cancel puts back what the sheet found.
#pragma once

#include <array>
#include <string>

#include "config/config_store.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::options {

namespace training_types_page {
constexpr int firstLabel = 1100;         // 1100…1109
constexpr int firstSwatch = 1160;        // 1160…1169
constexpr int firstColourButton = 1310;  // 1310…1319
}  // namespace training_types_page

const platform::DialogTemplate& trainingTypesPageTemplate();

class TrainingTypesPage : public platform::DialogProcedure {
  public:
    TrainingTypesPage(config::ConfigStore& settings, platform::CustomColours& customColours)
        : settings_(settings), customColours_(customColours) {}
    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void pageCancel(platform::DialogHost& host) override;

  private:
    void showColours(platform::DialogHost& host);

    config::ConfigStore& settings_;
    platform::CustomColours& customColours_;
    std::array<std::string, config::kTrainingTypeCount> savedLabels_;
    std::array<int, config::kTrainingTypeCount> savedColours_{};
};

}  // namespace sb::options
