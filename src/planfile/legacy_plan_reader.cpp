// Reading version 2 (18 fields a day, then the odometers) and version 1 (12 fields a day, nothing
// after the days). Both open the run block with the distance before the route.
#include "planfile/legacy_plan_reader.h"

#include "planfile/field_reader.h"
#include "planfile/shared_lines.h"

namespace sb::planfile {
namespace {

namespace width = model::width;

void readRunFields(FieldReader& reader, model::SportEntry& run) {
    run.distanceKm = readFloatField(reader);
    run.route = readTextField(reader, width::route);
    run.duration = readTextField(reader, width::duration);
    run.avgPulse = readIntField(reader);
}

void readSportFields(FieldReader& reader, model::SportEntry& entry) {
    entry.route = readTextField(reader, width::route);
    entry.distanceKm = readFloatField(reader);
    entry.duration = readTextField(reader, width::duration);
    entry.avgPulse = readIntField(reader);
}

void readDayValues(FieldReader& reader, model::DayRecord& day) {
    day.weather = readTextField(reader, width::weather);
    day.bodyWeight = readFloatField(reader);
    day.restingPulse = readIntField(reader);
}

void readDayLineV2(FieldReader& reader, model::DayRecord& day) {
    readRunFields(reader, day.run);
    readSportFields(reader, day.bike);
    readSportFields(reader, day.other);
    readDayValues(reader, day);
    day.plannedTypes = readIntField(reader);
    day.actualTypes = readIntField(reader);
    day.comment = readTextField(reader, width::comment);
    skipLine(reader);
}

void readDayLineV1(FieldReader& reader, model::DayRecord& day) {
    readRunFields(reader, day.run);
    readSportFields(reader, day.bike);
    readDayValues(reader, day);
    day.comment = readTextField(reader, width::comment);
    skipLine(reader);
}

}  // namespace

void parsePlanFileV2(std::string_view bytes, model::TrainingYear& year) {
    parsePlanLines(bytes, year, readDayLineV2, true);
}

void parsePlanFileV1(std::string_view bytes, model::TrainingYear& year) {
    parsePlanLines(bytes, year, readDayLineV1, false);
}

}  // namespace sb::planfile
