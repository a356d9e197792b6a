// The title, athlete and odometer lines, read by position; labels are skipped, never compared.
#include "planfile/shared_lines.h"

namespace sb::planfile {

namespace width = model::width;

void readTitleLine(FieldReader& reader, model::TrainingYear& year) {
    skipField(reader);
    year.planYear = readIntField(reader);
    year.planStartMonth = 1;
    year.planStartDay = 1;
    skipLine(reader);
}

void readAthleteLine(FieldReader& reader, model::TrainingYear& year) {
    skipField(reader);
    year.firstName = readTextField(reader, width::name);
    year.lastName = readTextField(reader, width::name);
    skipField(reader);
    year.birthDate = readTextField(reader, width::birthDate);
    skipField(reader);
    year.trainer = readTextField(reader, width::name);
    skipField(reader);
    year.club = readTextField(reader, width::name);
    skipField(reader);
    // An empty gender field, or a line that ends there, keeps the empty plan's gender; a line end
    // taken as the gender would make the skip below swallow the header line.
    const int gender = nextChar(reader);
    if (gender == -1 || gender == '\n') return;
    if (gender != ',' && gender != '\r' && gender != '\0') year.gender = static_cast<char>(gender);
    skipLine(reader);
}

void readOdometerLines(FieldReader& reader, model::TrainingYear& year) {
    skipLine(reader);
    for (model::Odometer& odometer : year.odometers) {
        odometer.startDayIndex = readIntField(reader);
        odometer.previousKm = readIntField(reader);
        odometer.dueKm = readIntField(reader);
        odometer.state = readIntField(reader);
        odometer.description = readTextField(reader, width::odometerDescription);
        odometer.sportSelector = readIntField(reader);
        skipLine(reader);
    }
}

void parsePlanLines(std::string_view bytes, model::TrainingYear& year, DayLineReader readDayLine,
                    bool withOdometers) {
    model::clearTrainingYear(year);
    FieldReader reader{bytes};
    readTitleLine(reader, year);
    readAthleteLine(reader, year);
    skipLine(reader);
    // Past the end every field reads empty, which is what the cleared document already holds.
    const int days = model::dayCount(year);
    for (int dayIndex = 0; dayIndex < days && !atEnd(reader); ++dayIndex)
        readDayLine(reader, year.days[dayIndex]);
    if (withOdometers && !atEnd(reader)) readOdometerLines(reader, year);
    year.planLoaded = 1;
}

}  // namespace sb::planfile
