// The day information's distance form and lines, as the control views show them.
#include <gtest/gtest.h>

#include <memory>

#include "calendars/day_information.h"

namespace sb::calendars {
namespace {

TEST(DayInformation, DistanceHasFourSignificantDigitsRoundedAwayFromZero) {
    EXPECT_EQ("12.5", fourDigitDistance(12.5f));
    EXPECT_EQ("105.3", fourDigitDistance(105.27f));
    EXPECT_EQ("1235", fourDigitDistance(1234.56f));
    EXPECT_EQ("1235", fourDigitDistance(1234.5));  // an exact half goes up, not to the even digit
    EXPECT_EQ("42", fourDigitDistance(42.0));
    EXPECT_EQ("0.1", fourDigitDistance(0.1));
    EXPECT_EQ("0.", fourDigitDistance(0));
    EXPECT_EQ("1.235e+004", fourDigitDistance(12345));
    EXPECT_EQ("1e+004", fourDigitDistance(9999.7));
    EXPECT_EQ("5e-002", fourDigitDistance(0.05));
    EXPECT_EQ("-12.5", fourDigitDistance(-12.5));
}

TEST(DayInformation, LinesNameTheSportsFieldsAndTheDaysRemarks) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = 2008;
    model::DayRecord& day = year->days[62];  // 3 March
    day.bike = {
        "Runde \xfc"
        "ber Berg",
        131,
        1234.56f,
        0,
        "02:10",
        0,
        ""};
    day.run = {"", 152, 12.5f, 0, "01:00", 0, ""};
    day.swim = {"Halle", 0, 2.0f, 0, "00:45", 0, ""};
    day.weather = "sonnig";
    day.comment = "gut";
    EXPECT_EQ(
        "3.3.2008\nDistanz: 1235\nStrecke: Runde über Berg\nZeit: 02:10\nTrainigspuls: 131\n"
        "Wetter: sonnig\nKommentar: gut",
        dayInformationText(*year, 3, 3, model::kBike));
    EXPECT_EQ(
        "3.3.2008\nDistanz: 12.5\nStrecke: \nZeit: 01:00\nTrainingspuls: 152\nWetter: sonnig\nKommentar: gut",
        dayInformationText(*year, 3, 3, model::kRun));
    EXPECT_EQ(
        "3.3.2008\nDistanz: 2\nInfo: Halle\nZeit: 00:45\nTrainingspuls: 0\nWetter: sonnig\nKommentar: gut",
        dayInformationText(*year, 3, 3, model::kSwim));
}

}  // namespace
}  // namespace sb::calendars
