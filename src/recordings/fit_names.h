// The names behind the numbers a FIT file gives for its sport and its maker, and the plan's sport a
// file's sport stands for.
#pragma once

#include <string>

namespace sb::recordings {

// The sport's name as the FIT profile spells it ("running", "cycling" …); "sport 42" for one not in
// the table.
std::string fitSportName(int sport);
// model::kRun, kBike, kSwim for running, cycling, swimming; kOther for any other sport; 0 for the
// generic sport 0, which says nothing.
int planSportOfFitSport(int sport);
// The maker's name; "Hersteller 95" for one not in the table.
std::string fitManufacturerName(int manufacturer);

}  // namespace sb::recordings
