// Reading plan files of the three versions: what counts as a plan (the title line of its version with a
// year 1…9999, the athlete line and a first whole day line) and where a plan cut short ends, full-year
// round trips, both line ends, conversion to the current format, short and damaged files, over-long
// fields and values outside the editor's ranges.
#include "planfile/plan_file_reader.h"

#include <gtest/gtest.h>

#include <tuple>

#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_shape.h"
#include "planfile/plan_file_version.h"
#include "planfile/plan_file_writer.h"
#include "support/plan_fixtures.h"

using namespace sb::planfile;
using namespace sb::testing;
using sb::model::TrainingYear;

namespace {

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

const std::string kEmptyDay = ",0.00,,0,0,,,0.00,0,,0,0,,,0.00,,0,0,,,0.00,,0,0,,,0.00,0,0,0,,,\r\n";
const std::string kHead =
    "Saisonbuch f\x81r das Jahr,2008,1,1,,,,,,,,\r\nSportler:,A,B,Geb. Datum:,1.1.1990,Trainer:,T,Verein:,V,"
    "Geschlecht:,m,\r\nheader\r\n";

std::string planText(int version, int planYear = 2009) {
    TrainingYear year = plan2009();
    year.planYear = planYear;
    return version == 3 ? formatPlanFile(year) : version == 2 ? formatPlanFileV2(year) : formatPlanFileV1(year);
}

// The first `lines` whole lines of text, then `more` bytes of the next.
std::string firstLines(const std::string& text, int lines, std::size_t more = 0) {
    std::size_t end = 0;
    for (int line = 0; line < lines; ++line) end = text.find('\n', end) + 1;
    return text.substr(0, end + more);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

// Each version keeps what it stores and leaves the rest empty (version 2 drops swimming, loads, contents
// and climbing; version 1 also the other sport and the types), in leap and common years, whether the
// document read into was empty or full of other values.
TEST(PlanFileReader, EachVersionKeepsWhatItStoresAndLeavesTheRestEmpty) {
    TempDir dir;
    const std::string path = dir.file("full.sb");
    for (int version : {3, 2, 1}) {
        for (int planYear : {2008, 2009}) {
            SCOPED_TRACE(std::to_string(version) + " " + std::to_string(planYear));
            ASSERT_EQ(0, writePlanFileOfVersion(version, path, everyFieldFilled(planYear, 3)));
            for (TrainingYear read : {TrainingYear{}, everyFieldFilled(2008, 3)}) {
                read.planStartMonth = 7;
                read.planLoaded = 0;
                ASSERT_TRUE(readPlanFileOfVersion(version, path, read).readable);
                expectSameDocument(everyFieldFilled(planYear, version), read);
                EXPECT_EQ(1, read.planLoaded);
                EXPECT_EQ(fileBytes(path), formatPlanFileOfVersion(version, read));
            }
        }
    }
}

TEST(PlanFileReader, GoldenFilesReadWithEitherLineEndAndWriteBackUnchanged) {
    TempDir dir;
    // The file holds distances to two decimals and the climbing in whole metres.
    TrainingYear expected = plan2009();
    expected.days[364].bike.distanceKm = 0;
    expected.days[364].bike.heightMetres = 1235;
    for (const std::string name : {"plan_2009.sb3", "plan_2009.sb2", "plan_2009.sbn"}) {
        const int version = planFileVersionOf(name);
        const std::string golden = fileBytes(goldenPath("planfile/" + name));
        for (const std::string& bytes : {golden, withoutCarriageReturns(golden)}) {
            SCOPED_TRACE(name + (bytes == golden ? " CR LF" : " LF"));
            writeBytes(dir / name, bytes);
            TrainingYear read;
            ASSERT_TRUE(readPlanFileOfVersion(version, dir.file(name), read).readable);
            EXPECT_EQ(golden, formatPlanFileOfVersion(version, read));
            if (version == 3) expectSameDocument(expected, read);
        }
    }
}

TEST(PlanFileReader, AnOldPlanSavedInTheCurrentFormatReopensAsCurrent) {
    TempDir dir;
    TrainingYear old;
    ASSERT_TRUE(readPlanFileOfVersion(1, goldenPath("planfile/plan_2009.sbn"), old).readable);
    const std::string path = (dir / "converted.sb3").string();
    ASSERT_EQ(0, writePlanFile(old, path));
    const std::string text = fileBytes(path);
    EXPECT_EQ(0u, text.find("Saisonbuch f\x81r das Jahr,2009,1,1,,,,,,,,\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\nStrand,12.34,01:05,145,0,,Berg,45.60,0,01:45,128,0,,,0.00,,0,0,,,0.00,,0,0,,"
                        "Schnee,78.25,52,0,0,Neujahr,,\r\n"));
    TrainingYear reread;
    ASSERT_TRUE(readPlanFileOfVersion(3, path, reread).readable);
    expectSameDocument(old, reread);
}

TEST(PlanFileReader, TitleFieldsAndShortFiles) {
    TrainingYear year;
    parsePlanFile("Saisonbuch f\x81r das Jahr,2009,5,7,,,,,,,,\r\n", year);
    EXPECT_EQ(std::tuple(2009, 1, 1, 'w'), std::tie(year.planYear, year.planStartMonth, year.planStartDay, year.gender));

    // A 2008 file that ends after 100 day lines: the rest of the year and the odometers are empty.
    const std::string full = formatPlanFile(everyFieldFilled(2008, 3));
    parsePlanFile(firstLines(full, 3 + 100), year);
    EXPECT_EQ(std::tuple("Lauf99", "Kommentar 99"), std::tie(year.days[99].run.route, year.days[99].comment));
    EXPECT_TRUE(year.days[100] == sb::model::DayRecord{});
    EXPECT_EQ(std::tuple("", 0), std::tie(year.odometers[1].description, year.odometers[1].dueKm));

    // Nothing at all still reads, as an empty plan.
    parsePlanFile("", year);
    EXPECT_EQ(std::pair(0, 1), std::pair(year.planYear, year.planLoaded));
}

TEST(PlanFileReader, AthleteLineByPosition) {
    TrainingYear year;
    parsePlanFile(kHead, year);
    EXPECT_EQ(std::tuple("A", "B", "1.1.1990", "T", "V", 'm'),
              std::tie(year.firstName, year.lastName, year.birthDate, year.trainer, year.club, year.gender));

    // An empty gender at the end of an LF line must not swallow the header line.
    parsePlanFile("t,2008,1,1\nSportler:,A,B,G:,d,T:,t,V:,v,G:,\nheader\nRoute,1.5\n", year);
    EXPECT_EQ(std::tuple('w', "Route", 1.5f),
              std::tie(year.gender, year.days[0].run.route, year.days[0].run.distanceKm));
}

TEST(PlanFileReader, FieldsAreCutToTheirWidthsAndNumbersReadLikeAtoiButLoadsStayOnTheirScale) {
    const std::string longText(1000, 'x');
    std::string day = longText + ",1e999," + longText + ", -12abc,9,+7,";  // run block
    day += ",,,,,,,,,,,,,,,,,,,";                                          // bike, swim, other
    day += longText + ",abc,99999999999999999999,-5,123456," + longText + ",,\r\n";
    std::string rest;
    for (int i = 1; i < 366; ++i) rest += kEmptyDay;
    rest += "sep\r\n-5,1,2,3," + longText + ",4,,\r\n";
    TrainingYear year;
    parsePlanFile(kHead + day + rest, year);
    const auto& d = year.days[0];
    EXPECT_EQ((sb::model::SportEntry{std::string(255, 'x'), -12, 0.0f, 0, std::string(7, 'x'), 0, "+7"}), d.run);
    EXPECT_EQ(std::tuple(std::string(254, 'x'), 0.0f, 2147483647, -5, 123456, std::string(255, 'x')),
              std::tie(d.weather, d.bodyWeight, d.restingPulse, d.plannedTypes, d.actualTypes, d.comment));
    EXPECT_EQ("", year.days[1].run.route);
    const sb::model::Odometer& odometer = year.odometers[0];
    EXPECT_EQ(std::tuple(-5, std::string(31, 'x'), 4),
              std::tie(odometer.startDayIndex, odometer.description, odometer.sportSelector));

    // Packed types from a file are kept as they are and written back unchanged.
    EXPECT_NE(std::string::npos, formatPlanFile(year).find(",-5,123456,"));

    // A NUL byte ends a text but not the file.
    parsePlanFile(kHead + std::string("Pa\0rk,3.5,\0\0,120,", 17) + std::string(27, ',') + "\r\n", year);
    EXPECT_EQ((sb::model::SportEntry{"Pa", 120, 3.5f, 0, "", 0, ""}), year.days[0].run);
}

TEST(PlanFileReader, UnreadableFileLeavesTheDocumentAlone) {
    TempDir dir;
    TrainingYear year = plan2009();
    EXPECT_FALSE(readPlanFileOfVersion(3, (dir / "missing.sb3").string(), year).readable);
    EXPECT_FALSE(readPlanFileOfVersion(3, dir.path().string(), year).readable);
    EXPECT_EQ("Bernd", year.firstName);
}

TEST(PlanFileShape, RefusesWhatIsNoPlanAndFindsWhereAPlanEnds) {
    const std::string sb3 = planText(3), sbn = planText(1);
    using enum PlanShape;
    const std::tuple<const char*, std::string, int, PlanShape, int> cases[] = {
        {"whole sb3", sb3, 3, Whole, 365},
        {"whole sb2", planText(2), 2, Whole, 365},
        {"year 1, LF only", withoutCarriageReturns(planText(1, 1)), 1, Whole, 365},
        {"year 9999", planText(2, 9999), 2, Whole, 365},
        {"leap year", planText(1, 2008), 1, Whole, 366},
        {"year 0", planText(3, 0), 3, NotAPlan, 0},
        {"year 10000", replaced(sb3, "2009", "10000"), 3, NotAPlan, 0},
        {"ü in Windows-1252", replaced(sb3, "f\x81r", "f\xfcr"), 3, Whole, 365},
        {"ü in UTF-8", replaced(sb3, "f\x81r", "f\xc3\xbcr"), 3, Whole, 365},
        {"a damaged CR LF", replaced(sb3, "\r\n,0.00", std::string("\r\0,0.00", 7)), 3, Whole, 365},
        {"sb3 under an sb2 name", sb3, 2, NotAPlan, 0},
        {"sb2 under an sb3 name", planText(2), 3, NotAPlan, 0},
        {"an image", "\x89PNG\r\n\x1a\n", 3, NotAPlan, 0},
        {"no whole day line", firstLines(sb3, 3, 40), 3, NotAPlan, 0},
        {"one day line", firstLines(sb3, 4), 3, CutShort, 1},
        {"cut inside day 101", firstLines(sb3, 103, 40), 3, CutShort, 100},
        {"sbn without its last day", firstLines(sbn, 367), 1, CutShort, 364},
        {"no odometers", firstLines(sb3, 3 + 365), 3, CutShort, 365},
        {"last odometer without line end", sb3.substr(0, sb3.size() - 3), 3, Whole, 365},
        {"last odometer without its sport", sb3.substr(0, sb3.size() - 5), 3, CutShort, 365},
    };
    for (const auto& [name, bytes, version, shape, daysRead] : cases) {
        const PlanShapeOutcome outcome = planShapeOf(bytes, version);
        EXPECT_EQ(std::tuple(shape, daysRead), std::tuple(outcome.shape, outcome.daysRead)) << name;
    }
    EXPECT_EQ("10.04.2009", lastDayRead(2009, 100));
}
