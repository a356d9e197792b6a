// The quantity catalogue: which kind computes which code and how its series is split.
#include "charts/diagram_quantity.h"

#include <gtest/gtest.h>

#include <set>

using namespace sb::charts;

namespace {

std::set<int> handledCodes(int kind) {
    std::set<int> codes;
    for (int code = 0; code < 200; ++code)
        if (kindHandlesQuantity(kind, code)) codes.insert(code);
    return codes;
}

std::set<int> range(int first, int last) {
    std::set<int> codes;
    for (int code = first; code <= last; ++code) codes.insert(code);
    return codes;
}

std::set<int> join(std::initializer_list<std::set<int>> parts) {
    std::set<int> all;
    for (const auto& part : parts) all.insert(part.begin(), part.end());
    return all;
}

}  // namespace

TEST(DiagramQuantity, EachKindComputesItsOwnCodes) {
    std::set<int> year = join({range(103, 117), {120, 125, 126}, range(143, 150)});
    EXPECT_EQ(handledCodes(kWeekOfYearDiagram), year);
    EXPECT_EQ(handledCodes(kMonthOfYearDiagram), year);
    EXPECT_EQ(handledCodes(kWeekDiagram), join({range(103, 106), {118, 119, 127, 128}, range(143, 150)}));
    EXPECT_EQ(handledCodes(kMonthDiagram), join({range(103, 106), range(112, 119), range(143, 150)}));
    EXPECT_TRUE(handledCodes(kNoDiagram).empty());
    EXPECT_TRUE(handledCodes(kXyDiagram).empty());

    EXPECT_EQ(seriesParts(kTimeBySport), SeriesParts::bySport);
    EXPECT_EQ(seriesParts(kLoad), SeriesParts::bySport);
    EXPECT_EQ(seriesParts(kTime), SeriesParts::bySport);
    EXPECT_EQ(seriesParts(kActualKmBike), SeriesParts::byType);
    EXPECT_EQ(seriesParts(kActualTimeOther), SeriesParts::byType);
    EXPECT_EQ(seriesParts(kTimeTotal), SeriesParts::none);
}
