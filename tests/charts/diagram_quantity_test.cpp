// The quantity catalogue: which kind computes which code, the axis texts and the captions of the
// preset buttons.
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

TEST(DiagramQuantity, AxisTextsAndCaptions) {
    EXPECT_EQ(valueAxisTitle(kKmRun), "Laufkilometer");
    EXPECT_EQ(valueAxisTitle(kTimeBySport), "Gesamtzeit (in Sportarten untergliedert)");
    EXPECT_EQ(valueAxisTitle(kClimbing), "H\xC3\xB6henmeter");
    EXPECT_EQ(valueAxisTitle(kActualTimeSwim), "IST-Plan Schwimmzeit");
    EXPECT_EQ(valueAxisTitle(kXyPower), "Leistung");
    EXPECT_EQ(valueAxisTitle(999), "");
    EXPECT_EQ(unitText(kCountOther), "x");
    EXPECT_EQ(unitText(kTime), "h");
    EXPECT_EQ(unitText(kWeight), "kg");
    EXPECT_EQ(unitText(kXyTemperature),
              "\xC2\xB0"
              "C");
    EXPECT_EQ(unitText(kXyBalance), "%");
    for (int code :
         std::initializer_list<int>{kRestingPulse, kAverageWeight, kAverageRestingPulse, kLoad, 121, 0})
        EXPECT_EQ(unitText(code), "") << code;

    EXPECT_EQ(diagramCaption(kNoDiagram, kKmBike), "Kein Diagramm ausgew\xC3\xA4hlt");
    EXPECT_EQ(diagramCaption(kWeekDiagram, kTime), "W-Diagramm (Zeit)");
    EXPECT_EQ(diagramCaption(kWeekOfYearDiagram, kTimeBySport), "WJ-Diagramm (Zeit Gesamt (Untergliedert))");
    EXPECT_EQ(diagramCaption(kMonthOfYearDiagram, kActualKmRun), "MJ-Diagramm (IST-Plan KM Laufen)");
    EXPECT_EQ(diagramCaption(kMonthDiagram, kClimbing), "M-Diagramm (H\xC3\xB6henmeter)");
    EXPECT_EQ(diagramCaption(kMonthDiagram, 121), "M-Diagramm");
    EXPECT_EQ(diagramCaption(kXyDiagram, kXyCadence), "X-Y-Diagramm Zeit - Strecke - Trittfrequenz");
    EXPECT_EQ(diagramCaption(kXyDiagram, kKmBike), "X-Y-Diagramm Zeit - Strecke -");
    EXPECT_EQ(diagramCaption(9, kKmBike), "");
}
