// The season fixture. The generated files are made fresh in each test's folder, so no archive in the
// repository has to be trusted byte for byte.
#include "support/season_fixture.h"

#include <zip.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>

namespace sb::testing {

namespace fs = std::filesystem;

std::string gzipped(const std::string& bytes) {
    TempDir dir;
    gzFile file = gzopen(dir.file("packed.gz").c_str(), "wb9");
    gzwrite(file, bytes.data(), unsigned(bytes.size()));
    gzclose(file);
    return fileBytes(dir / "packed.gz");
}

std::string zipped(const std::vector<std::pair<std::string, std::string>>& entries) {
    TempDir dir;
    const std::string path = dir.file("archive.zip");
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    return fileBytes(path);
}

// A TCX activity of one lap: sport as TCX names it ("Running", "Biking"), start as ISO time in UTC.
static std::string tcxActivity(const std::string& sport, const std::string& start, double seconds,
                               double metres, int pulse) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "<?xml version=\"1.0\"?>\n<TrainingCenterDatabase "
                  "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">"
                  "<Activities><Activity Sport=\"%s\"><Id>%s</Id><Lap StartTime=\"%s\">"
                  "<TotalTimeSeconds>%.0f</TotalTimeSeconds><DistanceMeters>%.0f</DistanceMeters><Track>"
                  "<Trackpoint><Time>%s</Time><DistanceMeters>0</DistanceMeters>"
                  "<HeartRateBpm><Value>%d</Value></HeartRateBpm></Trackpoint>"
                  "<Trackpoint><Time>%s</Time><DistanceMeters>%.0f</DistanceMeters>"
                  "<HeartRateBpm><Value>%d</Value></HeartRateBpm></Trackpoint>"
                  "</Track></Lap></Activity></Activities></TrainingCenterDatabase>\n",
                  sport.c_str(), start.c_str(), start.c_str(), seconds, metres, start.c_str(), pulse,
                  (start.substr(0, 11) + "23:59:00Z").c_str(), metres, pulse);
    return text;
}

std::string recordingBytes(const std::string& name) {
    return fileBytes(goldenPath("recordings/" + name));
}

model::TrainingYear seasonPlan(int version) {
    model::TrainingYear year;
    year.planYear = 2017;
    year.planFileVersion = version;
    year.firstName = "Anna";
    model::SportEntry& taken = year.days[161].run;  // 11 June
    taken.duration = "01:00";
    taken.distanceKm = 10;
    model::SportEntry& entered = year.days[16].run;  // 17 January
    entered.duration = "00:57";
    entered.distanceKm = 6.75f;
    return year;
}

std::vector<std::string> writeSeason(const TempDir& dir) {
    const fs::path folder = dir / "season";
    fs::create_directories(folder / "watch");
    for (const char* name : {"garmin-fenix-5-walk.fit", "garmin-fenix-5-run.fit", "developer-types-sample.fit",
                             "activity-filecrc.fit", "pcolby_bipolar_training-sessions-1912463368.hrm"})
        writeBytes(folder / "watch" / name, recordingBytes(name));
    writeBytes(folder / "evening-ride.tcx", tcxActivity("Biking", "2017-06-12T17:00:00Z", 3600, 30000, 130));
    writeBytes(folder / "notes.txt", "not a recording");
    const std::string inner = zipped({{"garmin-edge-820-bike.fit", recordingBytes("garmin-edge-820-bike.fit")}});
    const std::string cut = inner.substr(0, inner.size() / 2);
    writeBytes(dir / "season.zip",
               zipped({{"old/test.tcx.gz", gzipped(recordingBytes("vkurup_python-tcxparser_test.tcx"))},
                       {"nested/inner.zip", inner},
                       {"nested/broken.zip", cut},
                       {"copy/developer-types-sample.fit.gz", gzipped(recordingBytes("developer-types-sample.fit"))},
                       {"long-run.tcx.gz", gzipped(tcxActivity("Running", "2017-03-05T08:00:00Z", 93600, 20000, 140))},
                       {"readme.txt", "Saison 2017"}}));
    return {folder.string(), (dir / "season.zip").string()};
}

}  // namespace sb::testing
