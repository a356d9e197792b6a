// The export dialog (template EXPORT, "Exportoptionen"): the date range, the sports and columns, the
// target file; remembers its boxes in section EXPORT and reports the outcome of the export.
#pragma once

#include <functional>
#include <string>

#include "config/config_store.h"
#include "model/training_year.h"
#include "output/spreadsheet_export.h"
#include "platform/services.h"

namespace sb::output {

namespace export_dialog {
constexpr int ok = 202;
constexpr int cancel = 203;
constexpr int startDay = 204;
constexpr int startMonth = 205;
constexpr int endDay = 206;
constexpr int endMonth = 207;
constexpr int bike = 208;
constexpr int run = 209;
constexpr int cumulativeKm = 210;
constexpr int averages = 211;
constexpr int pulse = 212;
constexpr int weight = 213;
constexpr int kcal = 214;
constexpr int other = 217;
constexpr int trainingTypes = 218;
constexpr int help = 219;
constexpr int swim = 220;
constexpr int helpTopic = 14;
}  // namespace export_dialog

enum class ExportType { Spreadsheet = 1, Html = 2 };

// Writes the file; 0 on success, 1 on failure.
using Exporter = std::function<int(const ExportChoices&, const ExportRange&, const std::string& path)>;

const platform::DialogTemplate& exportTemplate();

void runExportDialog(platform::Services& services, config::ConfigStore& settings,
                     const model::TrainingYear& year, ExportType type, const Exporter& exporter,
                     const std::string& helpFile);

// The spreadsheet export of the open plan with the user's training-type labels.
void runSpreadsheetExport(platform::Services& services, config::ConfigStore& settings,
                          const model::TrainingYear& year, const std::string& helpFile);
// The HTML year document of the open plan, with the same boxes and labels.
void runHtmlExport(platform::Services& services, config::ConfigStore& settings,
                   const model::TrainingYear& year, const std::string& helpFile);

}  // namespace sb::output
