// Reading the current format: the title, athlete and header lines, one line of 31 fields per day of
// the year just read, the separator and the ten odometers.
#include "planfile/plan_file_reader.h"

#include "model/day_limits.h"
#include "planfile/field_reader.h"
#include "planfile/shared_lines.h"

namespace sb::planfile {
namespace {

namespace width = model::width;

// A load the scale 0…5 has no step for is no load: lists, diagrams and the editor then agree on it.
int loadOf(int stored) {
    return model::loadAllowed(stored) ? stored : 0;
}

void readSportFields(FieldReader& reader, model::SportEntry& entry, bool withHeight) {
    entry.route = readTextField(reader, width::route);
    entry.distanceKm = readFloatField(reader);
    if (withHeight) entry.heightMetres = readFloatField(reader);
    entry.duration = readTextField(reader, width::duration);
    entry.avgPulse = readIntField(reader);
    entry.load = loadOf(readIntField(reader));
    entry.content = readTextField(reader, width::content);
}

void readDayLine(FieldReader& reader, model::DayRecord& day) {
    readSportFields(reader, day.run, false);
    readSportFields(reader, day.bike, true);
    readSportFields(reader, day.swim, false);
    readSportFields(reader, day.other, false);
    day.weather = readTextField(reader, width::weather);
    day.bodyWeight = readFloatField(reader);
    day.restingPulse = readIntField(reader);
    day.plannedTypes = readIntField(reader);
    day.actualTypes = readIntField(reader);
    day.comment = readTextField(reader, width::comment);
    skipLine(reader);
}

}  // namespace

void parsePlanFile(std::string_view bytes, model::TrainingYear& year) {
    parsePlanLines(bytes, year, readDayLine, true);
}

}  // namespace sb::planfile
