// The older formats' column layouts. Their run block opens with the distance before the route; the
// version 1 layout is the version 2 one without the other sport, the types and the odometers.
#include "planfile/legacy_plan_writer.h"

#include <array>

#include "fileio/file_bytes.h"
#include "planfile/plan_text.h"

namespace sb::planfile {
namespace {

constexpr std::array<SportBlockLayout, 3> kBlocks{{
    {model::kRun, true, false, false, true, "laufen-distanz(km),laufen-strecke,", "laufen-gesamtkilometer,",
     "laufen-durchschnitt(min/km),", "laufen-zeit,", "laufen-durchschnittspuls,", "", "laufen-kcal,",
     "laufentrainingsoll,laufentrainingist,"},
    {model::kBike, false, false, false, true, "rad-strecke,rad-distanz(km),", "rad-gesamtkilometer,",
     "rad-durchschnitt(km/h),", "rad-zeit,", "rad-durchschnittspuls,", "", "rad-kcal,",
     "radtrainingsoll,radtrainingist,"},
    {model::kOther, false, false, false, false, "Sonst.Sport-Strecke,Sonst.Sport-distanz(m),",
     "sonst.Sport-gesamtkilometer,", "sonst.Sport-durchschnitt(km/h),", "Sonst.Sport-Zeit,",
     "Sonst.Sport-Puls,", "", "", "sonst.trainingsoll,sonst.trainingist,"},
}};

PlanFileColumns version1Columns() {
    PlanFileColumns columns;
    columns.withOther = 0;
    columns.typeColumns = 0;
    return columns;
}

}  // namespace

std::string formatPlanFileV2(const model::TrainingYear& year, const PlanFileColumns& columns,
                             const TypeLabels& labels) {
    return formatPlanText(year, columns, labels, PlanTextLayout{false, kBlocks, true});
}

int writePlanFileV2(const model::TrainingYear& year, const std::string& path, const PlanFileColumns& columns,
                    const TypeLabels& labels) {
    return fileio::writeFileAtomically(path, formatPlanFileV2(year, columns, labels)) ? 0 : 1;
}

std::string formatPlanFileV1(const model::TrainingYear& year) {
    return formatPlanText(year, version1Columns(), TypeLabels{}, PlanTextLayout{false, kBlocks, false});
}

int writePlanFileV1(const model::TrainingYear& year, const std::string& path) {
    return fileio::writeFileAtomically(path, formatPlanFileV1(year)) ? 0 : 1;
}

}  // namespace sb::planfile
