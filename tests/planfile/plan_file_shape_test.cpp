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
    const std::string sb3 = planText(3), sbn = planText(1);
    using enum PlanShape;
    const std::tuple<const char*, std::string, int, PlanShape, int> cases[] = {
        {"whole sb3", sb3, 3, Whole, 365},
        {"whole sb2", planText(2), 2, Whole, 365},
        {"year 1, LF only", [] { std::string t = planText(1, 1); std::erase(t, '\r'); return t; }(), 1, Whole, 365},
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

}  // namespace
}  // namespace sb::planfile
