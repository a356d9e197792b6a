// Hostile input for every reader: random bytes, every truncation of a valid file and random mutations
// of it. Each must read without a crash or an overrun (run under the sanitizers) and give a document
// whose texts fit their widths.
#include <gtest/gtest.h>

#include <random>

#include "model/training_types.h"
#include "support/plan_fixtures.h"
#include "planfile/legacy_plan_reader.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"

using namespace sb::planfile;
using namespace sb::testing;
using sb::model::TrainingYear;
namespace width = sb::model::width;

namespace {

struct Reader {
    const char* name;
    void (*parse)(std::string_view, TrainingYear&);
    std::string valid;
};

std::vector<Reader> readers() {
    TrainingYear small = everyFieldFilled(2009, 3);
    return {{"v3", parsePlanFile, formatPlanFile(small)},
            {"v2", parsePlanFileV2, formatPlanFileV2(small)},
            {"v1", parsePlanFileV1, formatPlanFileV1(small)}};
}

// The widths hold whatever the file said; checked on every document read.
bool fitsWidths(const TrainingYear& year) {
    bool fits = year.firstName.size() < width::name && year.lastName.size() < width::name &&
                year.club.size() < width::name && year.trainer.size() < width::name &&
                year.birthDate.size() < width::birthDate;
    for (const auto& day : year.days) {
        for (const auto* e : {&day.run, &day.bike, &day.swim, &day.other})
            fits = fits && e->route.size() < width::route && e->duration.size() < width::duration &&
                   e->content.size() < width::content;
        fits = fits && day.weather.size() < width::weather && day.comment.size() < width::comment;
    }
    for (const auto& odometer : year.odometers)
        fits = fits && odometer.description.size() < width::odometerDescription;
    return fits;
}

// Whatever was read can be written in every layout, with every optional column.
void writeEverything(const TrainingYear& year) {
    PlanFileColumns all;
    all.withDateColumns = all.withKcal = all.withCumulativeKm = all.withAverages = 1;
    all.typeColumns = 2;
    const TypeLabels labels = sb::model::defaultTrainingTypeLabels();
    EXPECT_FALSE(formatPlanFile(year, all, labels).empty());
    EXPECT_FALSE(formatPlanFileV2(year, all, labels).empty());
    EXPECT_FALSE(formatPlanFileV1(year).empty());
}

std::string randomBytes(std::mt19937& random, std::size_t length, bool textLike) {
    static const char kText[] = "0123456789,,,,\r\n\n-+.eE abc\xfc";
    std::string bytes(length, '\0');
    for (char& c : bytes)
        c = textLike ? kText[random() % (sizeof kText - 1)] : static_cast<char>(random() & 0xff);
    return bytes;
}

}  // namespace

TEST(BadInput, EveryReaderSurvivesGarbageTruncationAndMutation) {
    std::mt19937 random(20080229);
    TrainingYear year;
    for (const Reader& reader : readers()) {
        SCOPED_TRACE(reader.name);
        const std::string& valid = reader.valid;
        // Every prefix of the first part of the file, then a sample of longer ones.
        for (std::size_t length = 0; length <= valid.size(); length += length < 1000 ? 1 : 499) {
            reader.parse(std::string_view(valid).substr(0, length), year);
            ASSERT_TRUE(fitsWidths(year)) << length;
        }
        for (int round = 0; round < 800; ++round) {
            const std::size_t length = random() % (round % 10 == 0 ? 20000 : 600);
            reader.parse(randomBytes(random, length, round % 2 == 0), year);
            ASSERT_TRUE(fitsWidths(year)) << round;
            if (round % 50 == 0) writeEverything(year);
        }
        for (int round = 0; round < 150; ++round) {
            std::string mutated = valid;
            for (int change = 0, changes = 1 + random() % 40; change < changes; ++change) {
                const std::size_t at = random() % mutated.size();
                switch (random() % 3) {
                    case 0:
                        mutated[at] = static_cast<char>(random() & 0xff);
                        break;
                    case 1:
                        mutated.erase(at, 1 + random() % 50);
                        break;
                    default:
                        mutated.insert(at, randomBytes(random, 1 + random() % 300, random() % 2));
                        break;
                }
                if (mutated.empty()) mutated = "x";
            }
            reader.parse(mutated, year);
            ASSERT_TRUE(fitsWidths(year)) << round;
            if (round % 50 == 0) writeEverything(year);
        }
    }
}
