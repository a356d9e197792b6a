// The current format's column layout: four sport blocks with load and content, the bike with its
// climbing, and the title with start month and day.
#include "planfile/plan_file_writer.h"

#include <array>

#include "fileio/file_bytes.h"
#include "planfile/plan_text.h"

namespace sb::planfile {
namespace {

constexpr std::array<SportBlockLayout, 4> kBlocks{{
    {model::kRun, false, false, true, true, "laufen-strecke,laufen-distanz(km),", "laufen-gesamtkilometer,",
     "laufen-durchschnitt(min/h),", "laufen-zeit,", "laufen-durchschnittspuls,",
     "laufen-belastung,laufen-inhalt,", "laufen-kcal,", "laufentrainingsoll,laufentrainingist,"},
    {model::kBike, false, true, true, true, "rad-strecke,rad-distanz(km),rad-hoehenmeter(m),",
     "rad-gesamtkilometer,", "rad-durchschnitt(km/h),", "rad-zeit,", "rad-durchschnittspuls,",
     "rad-belastung,rad-inhalt,", "rad-kcal,", "radtrainingsoll,radtrainingist,"},
    {model::kSwim, false, false, true, true, "schwimm-strecke,schwimm-distanz(km),",
     "schwimm-gesamtkilometer,", "schwimm-durchschnitt(km/h),", "schwimm-zeit,", "schwimm-durchschnittspuls,",
     "schwimm-belastung,schwimm-inhalt,", "schwimm-kcal,", "schwimmtrainingsoll,schwimmtrainingist,"},
    {model::kOther, false, false, true, false, "Sonst.Sport-Strecke,Sonst.Sport-distanz(m),",
     "sonst.Sport-gesamtkilometer,", "sonst.Sport-durchschnitt,", "Sonst.Sport-Zeit,", "Sonst.Sport-Puls,",
     "Sonst.Sport-belastung,Sonst.Sport-inhalt,", "", "sonst.trainingsoll,sonst.trainingist,"},
}};

}  // namespace

std::string formatPlanFile(const model::TrainingYear& year, const PlanFileColumns& columns,
                           const TypeLabels& labels) {
    return formatPlanText(year, columns, labels, PlanTextLayout{true, kBlocks, true});
}

int writePlanFile(const model::TrainingYear& year, const std::string& path, const PlanFileColumns& columns,
                  const TypeLabels& labels) {
    return fileio::writeFileAtomically(path, formatPlanFile(year, columns, labels)) ? 0 : 1;
}

}  // namespace sb::planfile
