// Choosing diagram quantities and the five diagram presets.
#include <gtest/gtest.h>

#include <tuple>

#include "shell/diagram_selection.h"

namespace sb::shell {
namespace {

std::tuple<int, int, int, int> fieldsOf(const config::UserDiagramPreset& preset) {
    return {preset.kind, preset.quantity, preset.timeSportFlags, preset.loadSportFlags};
}

TEST(DiagramSelection, SetQuantityStoresPerKindAndTogglesSportBits) {
    config::DiagramChoice diagram;
    diagram.diagramKind = 1;
    setDiagramQuantity(diagram, 112);  // "Zeit Rad" in the week-of-year diagram
    EXPECT_EQ(std::pair(diagram.weekOfYearQuantity, diagram.timeSportFlags), std::pair(112, 1));
    setDiagramQuantity(diagram, 112);
    EXPECT_EQ(diagram.timeSportFlags, 0);

    diagram.diagramKind = 3;
    diagram.weekQuantity = 103;
    for (int code : {113, 114, 115, 121, 123}) setDiagramQuantity(diagram, code);
    // The sport items never become the quantity.
    EXPECT_EQ(std::tuple(diagram.timeSportFlags, diagram.loadSportFlags, diagram.weekQuantity),
              std::tuple(2 | 8 | 4, 1 | 8, 103));
    setDiagramQuantity(diagram, 128);
    setDiagramQuantity(diagram, 116);  // not a week-diagram quantity
    EXPECT_EQ(diagram.weekQuantity, 128);

    diagram.diagramKind = 4;
    setDiagramQuantity(diagram, 116);
    diagram.diagramKind = 5;
    setDiagramQuantity(diagram, 130);
    setDiagramQuantity(diagram, 137);
    EXPECT_EQ(std::tuple(diagram.xQuantity, diagram.yQuantity, diagram.monthQuantity, diagram.weekOfYearQuantity),
              std::tuple(130, 137, 116, 112));
}

TEST(DiagramSelection, PresetsStoreAndLoadTheDiagram) {
    config::DiagramChoice diagram;
    diagram.diagramKind = 4;
    diagram.monthQuantity = 116;
    diagram.userDiagrams[0] = {1, 120, 0, 0};
    diagram.userDiagrams[2] = {3, 127, 5, 9};
    diagram.userDiagrams[4] = {5, 103, 0, 0};

    selectUserDiagram(diagram, 2);
    EXPECT_EQ(std::tuple(diagram.userDiagramSlot, diagram.diagramKind, diagram.weekQuantity,
                         diagram.timeSportFlags, diagram.loadSportFlags),
              std::tuple(2, 3, 127, 5, 9));

    // Changes while a preset is active go into it when another is taken.
    setDiagramQuantity(diagram, 128);
    setDiagramQuantity(diagram, 113);
    selectUserDiagram(diagram, 0);
    EXPECT_EQ(fieldsOf(diagram.userDiagrams[2]), std::tuple(3, 128, 7, 9));
    EXPECT_EQ(std::pair(diagram.diagramKind, diagram.weekOfYearQuantity), std::pair(1, 120));

    // Taking the active slot again stores nothing.
    diagram.diagramKind = 2;
    selectUserDiagram(diagram, 0);
    EXPECT_EQ(diagram.userDiagrams[0].kind, 1);

    // Releasing keeps the current diagram and stores it; kind 5 keeps only its kind.
    diagram.diagramKind = 5;
    selectUserDiagram(diagram, -1);
    EXPECT_EQ(std::tuple(diagram.userDiagramSlot, diagram.diagramKind), std::tuple(-1, 5));
    EXPECT_EQ(fieldsOf(diagram.userDiagrams[0]), std::tuple(5, 120, 0, 0));

    selectUserDiagram(diagram, 7);
    selectUserDiagram(diagram, -2);
    EXPECT_EQ(diagram.userDiagramSlot, -1);

    // A damaged preset pairing a kind with a code it cannot draw keeps the kind's own quantity.
    diagram.userDiagrams[1] = {4, 127, 0, 0};
    selectUserDiagram(diagram, 1);
    EXPECT_EQ(std::pair(diagram.diagramKind, diagram.monthQuantity), std::pair(4, 116));
}

}  // namespace
}  // namespace sb::shell
