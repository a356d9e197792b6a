// Choosing diagram quantities, moving the check marks after a choice, and the five diagram presets.
#include <gtest/gtest.h>

#include <set>

#include "shell/diagram_selection.h"
#include "shell/menu_bar.h"
#include "support/headless_main_window.h"

namespace sb::shell {
namespace {

bool checked(const Application& app, int id) {
    const platform::MenuItem* item = platform::findMenuItem(app.menuBar, id);
    EXPECT_NE(item, nullptr) << id;
    return item && item->checked;
}

TEST(DiagramSelection, MenuIdsAndCodesCorrespond) {
    EXPECT_EQ(quantityCodeOfMenuItem(218), 128);
    EXPECT_EQ(quantityCodeOfMenuItem(224), 117);
    EXPECT_EQ(quantityCodeOfMenuItem(228), 127);
    EXPECT_EQ(quantityCodeOfMenuItem(231), 123);
    EXPECT_EQ(quantityCodeOfMenuItem(99), 142);
    for (int id : {0, 89, 100, 208, 243, 12}) EXPECT_EQ(quantityCodeOfMenuItem(id), 0) << id;
    std::set<int> codes;
    for (int id = 209; id <= 242; ++id) codes.insert(quantityCodeOfMenuItem(id));
    for (int id = 90; id <= 99; ++id) codes.insert(quantityCodeOfMenuItem(id));
    EXPECT_EQ(codes.size(), 44u);  // one code per item, none twice
    EXPECT_EQ(codes.count(0), 0u);
}

TEST(DiagramSelection, SetQuantityStoresPerKindAndTogglesSportBits) {
    config::DiagramChoice settings;
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

TEST(DiagramSelection, MarkQuantityMovesTheCheck) {
    Application app;
    app.year.planFileVersion = 3;
    app.diagram.diagramKind = 1;
    app.diagram.weekOfYearQuantity = 103;
    app.menuBar = buildMenuBar(app);
    testing::HeadlessMainWindow view;
    setDiagramQuantity(app.diagram, 116);
    markQuantityItem(app, view, 223);
    EXPECT_TRUE(checked(app, 223));
    EXPECT_FALSE(checked(app, 209));
    EXPECT_TRUE(view.menuItem(223).checked);

    // Week diagram: the sport items show their bits, "Zeit" shows whether it is the quantity.
    app.diagram.diagramKind = 3;
    app.diagram.weekQuantity = 128;
    app.diagram.timeSportFlags = 1 | 2;
    app.menuBar = buildMenuBar(app);
    setDiagramQuantity(app.diagram, 112);  // switches Rad off
    markQuantityItem(app, view, 219);
    EXPECT_FALSE(checked(app, 219));
    EXPECT_TRUE(checked(app, 220));
    EXPECT_TRUE(checked(app, 218));
    setDiagramQuantity(app.diagram, 104);
    markQuantityItem(app, view, 210);
    EXPECT_TRUE(checked(app, 210));
    EXPECT_FALSE(checked(app, 218));
    EXPECT_TRUE(checked(app, 220));

    // X-Y diagram: a Y choice leaves the X check alone; the X check moves only there.
    app.diagram.diagramKind = 5;
    app.recordings.capabilityBits = 64 | 1;
    app.menuBar = buildMenuBar(app);
    EXPECT_TRUE(checked(app, 90));
    EXPECT_TRUE(checked(app, 92));
    markQuantityItem(app, view, 94);
    EXPECT_TRUE(checked(app, 90));
    EXPECT_TRUE(checked(app, 94));
    EXPECT_FALSE(checked(app, 92));
    markXAxisItem(app, view, 91);
    EXPECT_TRUE(checked(app, 91));
    EXPECT_FALSE(checked(app, 90));
    EXPECT_TRUE(checked(app, 94));
    app.diagram.diagramKind = 1;
    markXAxisItem(app, view, 90);
    EXPECT_TRUE(checked(app, 91));
}

TEST(DiagramSelection, KindItemsOfThePresetMenu) {
    Application app;
    app.diagram.userDiagramSlot = 0;
    app.diagram.diagramKind = 2;
    app.menuBar = buildMenuBar(app);
    testing::HeadlessMainWindow view;
    app.diagram.diagramKind = 3;
    markDiagramKindItems(app, view);
    EXPECT_FALSE(checked(app, 54));
    EXPECT_TRUE(checked(app, 55));
    EXPECT_TRUE(view.menuItem(55).checked);
}

TEST(DiagramSelection, PresetsStoreAndLoadTheDiagram) {
    config::DiagramChoice settings;
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
