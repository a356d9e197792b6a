// What counts as a plan: the title line of its version with a year 1…9999, the athlete line and a first
// whole day line; and where a plan cut short ends.
#include "planfile/plan_file_shape.h"

#include <gtest/gtest.h>

#include <tuple>

#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_writer.h"
#include "support/plan_fixtures.h"

namespace sb::planfile {
namespace {

std::string planText(int version, int planYear = 2009) {
    model::TrainingYear year = testing::plan2009();
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

TEST(PlanFileShape, RefusesWhatIsNoPlanAndFindsWhereAPlanEnds) {
    const std::string sb3 = planText(3);
    struct Case {
        const char* name;
        std::string bytes;
        int version;
        PlanShape shape;
        int daysRead;
    };
    const Case cases[] = {
        {"whole sb3", sb3, 3, PlanShape::Whole, 365},
        {"whole sb2", planText(2), 2, PlanShape::Whole, 365},
        {"whole sbn, LF only", [] { std::string t = planText(1); std::erase(t, '\r'); return t; }(), 1,
         PlanShape::Whole, 365},
        {"year 1", planText(3, 1), 3, PlanShape::Whole, 365},
        {"year 9999", planText(2, 9999), 2, PlanShape::Whole, 365},
        {"leap year", planText(1, 2008), 1, PlanShape::Whole, 366},
        {"year 0", planText(3, 0), 3, PlanShape::NotAPlan, 0},
        {"year 10000", replaced(sb3, "2009", "10000"), 3, PlanShape::NotAPlan, 0},
        {"year abc", replaced(sb3, "2009", "abc"), 3, PlanShape::NotAPlan, 0},
        {"ü in Windows-1252", replaced(sb3, "f\x81r", "f\xfcr"), 3, PlanShape::Whole, 365},
        {"ü in UTF-8", replaced(sb3, "f\x81r", "f\xc3\xbcr"), 3, PlanShape::Whole, 365},
        {"sb3 under an sb2 name", sb3, 2, PlanShape::NotAPlan, 0},
        {"sb2 under an sb3 name", planText(2), 3, PlanShape::NotAPlan, 0},
        {"a damaged CR LF", replaced(sb3, "\r\n,0.00", std::string("\r\0,0.00", 7)), 3, PlanShape::Whole, 365},
        {"title and athlete line only", firstLines(sb3, 2), 3, PlanShape::NotAPlan, 0},
        {"empty", "", 3, PlanShape::NotAPlan, 0},
        {"an image", "\x89PNG\r\n\x1a\n", 3, PlanShape::NotAPlan, 0},
        {"no whole day line", firstLines(sb3, 3, 40), 3, PlanShape::NotAPlan, 0},
        {"one day line", firstLines(sb3, 4), 3, PlanShape::CutShort, 1},
        {"cut inside day 101", firstLines(sb3, 103, 40), 3, PlanShape::CutShort, 100},
        {"sbn without its last day", firstLines(planText(1), 367), 1, PlanShape::CutShort, 364},
        {"no odometers", firstLines(sb3, 3 + 365), 3, PlanShape::CutShort, 365},
        {"last odometer without line end", sb3.substr(0, sb3.size() - 3), 3, PlanShape::Whole, 365},
        {"last odometer without its sport", sb3.substr(0, sb3.size() - 5), 3, PlanShape::CutShort, 365},
    };
    for (const Case& c : cases) {
        const PlanShapeOutcome outcome = planShapeOf(c.bytes, c.version);
        EXPECT_EQ(std::tuple(c.shape, c.daysRead), std::tuple(outcome.shape, outcome.daysRead)) << c.name;
    }
    EXPECT_EQ("10.04.2009", lastDayRead(2009, 100));
    EXPECT_EQ("31.12.2008", lastDayRead(2008, 366));
}

}  // namespace
}  // namespace sb::planfile
