// Reading the lines that all three plan file versions share (the title line, the athlete line and the
// ten odometer lines) and the frame of every version: those lines around one line per day.
#pragma once

#include <string_view>

#include "model/training_year.h"
#include "planfile/field_reader.h"

namespace sb::planfile {

// The year from the title line; start month and day are always 1 whatever the line says.
void readTitleLine(FieldReader& reader, model::TrainingYear& year);
void readAthleteLine(FieldReader& reader, model::TrainingYear& year);
// The separator line, then the ten odometers.
void readOdometerLines(FieldReader& reader, model::TrainingYear& year);

using DayLineReader = void (*)(FieldReader& reader, model::DayRecord& day);
// Empties the document, then reads title, athlete and header line, a line per day of the year read
// and, withOdometers, the separator and the odometers; sets planLoaded.
void parsePlanLines(std::string_view bytes, model::TrainingYear& year, DayLineReader readDayLine,
                    bool withOdometers);

}  // namespace sb::planfile
