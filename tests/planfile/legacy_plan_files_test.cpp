// The two older formats: byte-exact files, what survives a round trip, and conversion to the current
// format.
#include <gtest/gtest.h>

#include "planfile/plan_file_version.h"

#include "support/plan_fixtures.h"
#include "planfile/legacy_plan_reader.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"

using namespace sb::planfile;
using namespace sb::testing;
using sb::model::TrainingYear;

TEST(LegacyPlanFiles, WritersMatchTheFormats) {
    TempDir dir;
    ASSERT_EQ(0, writePlanFileV2(plan2009(), (dir / "p.sb2").string()));
    EXPECT_EQ(fileBytes(goldenPath("planfile/plan_2009.sb2")), fileBytes(dir / "p.sb2"));
    ASSERT_EQ(0, writePlanFileV1(plan2009(), (dir / "p.sbn").string()));
    EXPECT_EQ(fileBytes(goldenPath("planfile/plan_2009.sbn")), fileBytes(dir / "p.sbn"));

    TrainingYear park;
    park.planYear = 2009;
    park.days[0].run.route = "Park";
    park.days[0].run.distanceKm = 10;
    park.days[0].run.duration = "00:50";
    const std::string v1 = formatPlanFileV1(park);
    EXPECT_EQ(v1.find("kommentar\r\n") + 11, v1.find("10.00,Park,00:50,0,"));
}

// Version 2 drops swimming, loads, contents and climbing; version 1 also the other sport and the types.
TEST(LegacyPlanFiles, EachVersionKeepsWhatItHasAndLeavesTheRestEmpty) {
    TempDir dir;
    const std::string path = dir.file("full.sb");
    for (int version : {2, 1}) {
        for (int planYear : {2008, 2009}) {
            SCOPED_TRACE(std::to_string(version) + " " + std::to_string(planYear));
            const TrainingYear full = everyFieldFilled(planYear, 3);
            ASSERT_EQ(0, version == 2 ? writePlanFileV2(full, path) : writePlanFileV1(full, path));
            TrainingYear read = full;
            ASSERT_TRUE(readPlanFileOfVersion(version, path, read).readable);
            expectSameDocument(everyFieldFilled(planYear, version), read);
            EXPECT_EQ(fileBytes(path), version == 2 ? formatPlanFileV2(read) : formatPlanFileV1(read));
        }
    }
}

// Read with either line end, a golden file writes back byte for byte: every field it holds was read.
TEST(LegacyPlanFiles, GoldenFilesReadWithEitherLineEnd) {
    const std::string v2 = fileBytes(goldenPath("planfile/plan_2009.sb2"));
    std::string lf = v2;
    std::erase(lf, '\r');
    TrainingYear fromLf;
    parsePlanFileV2(lf, fromLf);
    EXPECT_EQ(v2, formatPlanFileV2(fromLf));
    const std::string v1 = fileBytes(goldenPath("planfile/plan_2009.sbn"));
    TrainingYear fromV1;
    parsePlanFileV1(v1, fromV1);
    EXPECT_EQ(v1, formatPlanFileV1(fromV1));
}

TEST(LegacyPlanFiles, AnOldPlanSavedInTheCurrentFormatReopensAsCurrent) {
    TempDir dir;
    TrainingYear old;
    parsePlanFileV1(fileBytes(goldenPath("planfile/plan_2009.sbn")), old);
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
