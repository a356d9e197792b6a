// Choosing diagram quantities and the five diagram presets.
#include <gtest/gtest.h>

#include "shell/diagram_selection.h"

namespace sb::shell {
namespace {

TEST(DiagramSelection, SetQuantityStoresPerKindAndTogglesSportBits) {
    config::ConfigStore settings;
    settings.diagramKind = 1;
    setDiagramQuantity(settings, 112);  // "Zeit Rad" in the week-of-year diagram
    EXPECT_EQ(settings.weekOfYearQuantity, 112);
    EXPECT_EQ(settings.timeSportFlags, 1);
    setDiagramQuantity(settings, 112);
    EXPECT_EQ(settings.timeSportFlags, 0);

    settings.diagramKind = 3;
    settings.weekQuantity = 103;
    for (int code : {113, 114, 115}) setDiagramQuantity(settings, code);
    EXPECT_EQ(settings.timeSportFlags, 2 | 8 | 4);
    for (int code : {121, 123}) setDiagramQuantity(settings, code);
    EXPECT_EQ(settings.loadSportFlags, 1 | 8);
    EXPECT_EQ(settings.weekQuantity, 103);  // the sport items never become the quantity
    setDiagramQuantity(settings, 128);
    EXPECT_EQ(settings.weekQuantity, 128);
    setDiagramQuantity(settings, 116);  // not a week-diagram quantity
    EXPECT_EQ(settings.weekQuantity, 128);

    settings.diagramKind = 4;
    setDiagramQuantity(settings, 116);
    EXPECT_EQ(settings.monthQuantity, 116);
    EXPECT_EQ(settings.weekOfYearQuantity, 112);

    settings.diagramKind = 5;
    setDiagramQuantity(settings, 130);
    setDiagramQuantity(settings, 137);
    EXPECT_EQ(settings.xQuantity, 130);
    EXPECT_EQ(settings.yQuantity, 137);
    EXPECT_EQ(settings.monthQuantity, 116);
}

TEST(DiagramSelection, PresetsStoreAndLoadTheDiagram) {
    config::ConfigStore settings;
    settings.diagramKind = 4;
    settings.monthQuantity = 116;
    settings.userDiagrams[0] = {1, 120, 0, 0};
    settings.userDiagrams[2] = {3, 127, 5, 9};
    settings.userDiagrams[4] = {5, 103, 0, 0};

    selectUserDiagram(settings, 2);
    EXPECT_EQ(settings.userDiagramSlot, 2);
    EXPECT_EQ(settings.diagramKind, 3);
    EXPECT_EQ(settings.weekQuantity, 127);
    EXPECT_EQ(settings.timeSportFlags, 5);
    EXPECT_EQ(settings.loadSportFlags, 9);

    // Changes while a preset is active go into it when another is taken.
    setDiagramQuantity(settings, 128);
    setDiagramQuantity(settings, 113);
    selectUserDiagram(settings, 0);
    EXPECT_EQ(settings.userDiagrams[2].kind, 3);
    EXPECT_EQ(settings.userDiagrams[2].quantity, 128);
    EXPECT_EQ(settings.userDiagrams[2].timeSportFlags, 7);
    EXPECT_EQ(settings.userDiagrams[2].loadSportFlags, 9);
    EXPECT_EQ(settings.diagramKind, 1);
    EXPECT_EQ(settings.weekOfYearQuantity, 120);

    // Taking the active slot again stores nothing.
    settings.diagramKind = 2;
    selectUserDiagram(settings, 0);
    EXPECT_EQ(settings.userDiagrams[0].kind, 1);

    // Releasing keeps the current diagram and stores it; kind 5 keeps only its kind.
    settings.diagramKind = 5;
    selectUserDiagram(settings, -1);
    EXPECT_EQ(settings.userDiagramSlot, -1);
    EXPECT_EQ(settings.diagramKind, 5);
    EXPECT_EQ(settings.userDiagrams[0].kind, 5);
    EXPECT_EQ(settings.userDiagrams[0].quantity, 120);

    selectUserDiagram(settings, 7);
    selectUserDiagram(settings, -2);
    EXPECT_EQ(settings.userDiagramSlot, -1);

    // A damaged preset pairing a kind with a code it cannot draw keeps the kind's own quantity.
    settings.userDiagrams[1] = {4, 127, 0, 0};
    selectUserDiagram(settings, 1);
    EXPECT_EQ(settings.diagramKind, 4);
    EXPECT_EQ(settings.monthQuantity, 116);
}

}  // namespace
}  // namespace sb::shell
