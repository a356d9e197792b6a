// Choosing diagram quantities and the five diagram presets.
#include <gtest/gtest.h>

#include "shell/diagram_selection.h"

namespace sb::shell {
namespace {

TEST(DiagramSelection, SetQuantityStoresPerKindAndTogglesSportBits) {
    config::DiagramChoice diagram;
    diagram.diagramKind = 1;
    setDiagramQuantity(diagram, 112);  // "Zeit Rad" in the week-of-year diagram
    EXPECT_EQ(diagram.weekOfYearQuantity, 112);
    EXPECT_EQ(diagram.timeSportFlags, 1);
    setDiagramQuantity(diagram, 112);
    EXPECT_EQ(diagram.timeSportFlags, 0);

    diagram.diagramKind = 3;
    diagram.weekQuantity = 103;
    for (int code : {113, 114, 115}) setDiagramQuantity(diagram, code);
    EXPECT_EQ(diagram.timeSportFlags, 2 | 8 | 4);
    for (int code : {121, 123}) setDiagramQuantity(diagram, code);
    EXPECT_EQ(diagram.loadSportFlags, 1 | 8);
    EXPECT_EQ(diagram.weekQuantity, 103);  // the sport items never become the quantity
    setDiagramQuantity(diagram, 128);
    EXPECT_EQ(diagram.weekQuantity, 128);
    setDiagramQuantity(diagram, 116);  // not a week-diagram quantity
    EXPECT_EQ(diagram.weekQuantity, 128);

    diagram.diagramKind = 4;
    setDiagramQuantity(diagram, 116);
    EXPECT_EQ(diagram.monthQuantity, 116);
    EXPECT_EQ(diagram.weekOfYearQuantity, 112);

    diagram.diagramKind = 5;
    setDiagramQuantity(diagram, 130);
    setDiagramQuantity(diagram, 137);
    EXPECT_EQ(diagram.xQuantity, 130);
    EXPECT_EQ(diagram.yQuantity, 137);
    EXPECT_EQ(diagram.monthQuantity, 116);
}

TEST(DiagramSelection, PresetsStoreAndLoadTheDiagram) {
    config::DiagramChoice diagram;
    diagram.diagramKind = 4;
    diagram.monthQuantity = 116;
    diagram.userDiagrams[0] = {1, 120, 0, 0};
    diagram.userDiagrams[2] = {3, 127, 5, 9};
    diagram.userDiagrams[4] = {5, 103, 0, 0};

    selectUserDiagram(diagram, 2);
    EXPECT_EQ(diagram.userDiagramSlot, 2);
    EXPECT_EQ(diagram.diagramKind, 3);
    EXPECT_EQ(diagram.weekQuantity, 127);
    EXPECT_EQ(diagram.timeSportFlags, 5);
    EXPECT_EQ(diagram.loadSportFlags, 9);

    // Changes while a preset is active go into it when another is taken.
    setDiagramQuantity(diagram, 128);
    setDiagramQuantity(diagram, 113);
    selectUserDiagram(diagram, 0);
    EXPECT_EQ(diagram.userDiagrams[2].kind, 3);
    EXPECT_EQ(diagram.userDiagrams[2].quantity, 128);
    EXPECT_EQ(diagram.userDiagrams[2].timeSportFlags, 7);
    EXPECT_EQ(diagram.userDiagrams[2].loadSportFlags, 9);
    EXPECT_EQ(diagram.diagramKind, 1);
    EXPECT_EQ(diagram.weekOfYearQuantity, 120);

    // Taking the active slot again stores nothing.
    diagram.diagramKind = 2;
    selectUserDiagram(diagram, 0);
    EXPECT_EQ(diagram.userDiagrams[0].kind, 1);

    // Releasing keeps the current diagram and stores it; kind 5 keeps only its kind.
    diagram.diagramKind = 5;
    selectUserDiagram(diagram, -1);
    EXPECT_EQ(diagram.userDiagramSlot, -1);
    EXPECT_EQ(diagram.diagramKind, 5);
    EXPECT_EQ(diagram.userDiagrams[0].kind, 5);
    EXPECT_EQ(diagram.userDiagrams[0].quantity, 120);

    selectUserDiagram(diagram, 7);
    selectUserDiagram(diagram, -2);
    EXPECT_EQ(diagram.userDiagramSlot, -1);

    // A damaged preset pairing a kind with a code it cannot draw keeps the kind's own quantity.
    diagram.userDiagrams[1] = {4, 127, 0, 0};
    selectUserDiagram(diagram, 1);
    EXPECT_EQ(diagram.diagramKind, 4);
    EXPECT_EQ(diagram.monthQuantity, 116);
}

}  // namespace
}  // namespace sb::shell
