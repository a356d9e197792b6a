// The "Tagesinformation" box of the control views: what was recorded for one sport on one day, and the
// short distance form it uses (four significant digits).
#pragma once

#include <string>

#include "model/training_year.h"
#include "platform/services.h"

namespace sb::calendars {

// Four significant digits, rounded half away from zero: fixed notation from 0.1 to below 10000 with
// the fraction's trailing zeros dropped ("1235", "12.5"), otherwise a mantissa and a signed exponent of
// three digits ("1.235e+004"); 0 is written "0.".
std::string fourDigitDistance(double value);

// The box's text (UTF-8) for a sport (model::Sport) on day `day` of `month` in the plan year.
std::string dayInformationText(const model::TrainingYear& year, int day, int month, int sport);

void showDayInformation(platform::Services& services, const model::TrainingYear& year, int day, int month,
                        int sport);

}  // namespace sb::calendars
