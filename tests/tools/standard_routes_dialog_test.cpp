// The standard routes dialog as the user works it: adding, changing and deleting routes, the length
// limits, names with commas, duplicates, and a full table that must not be written outside its slots.
#include <gtest/gtest.h>

#include <tuple>

#include "tools/standard_routes_dialog.h"
#include "platform/headless/headless_services.h"

namespace sb::tools {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
namespace id = routes_dialog;

const char* const kLengthMessage = "Distanz muss zwischen 0 und 500km liegen.";

class RoutesDialog : public ::testing::Test {
  protected:
    void edit(const std::function<void(HeadlessDialogHost&)>& script) {
        services.scriptDialog("STDSTRECKEN", [&script](HeadlessDialogHost& dialog) {
            script(dialog);
            dialog.press(id::okButton);
        });
        editRoutes(services, store, "inhalt");
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }

    static void addRoute(HeadlessDialogHost& dialog, const std::string& name, const std::string& length) {
        dialog.press(id::addButton);
        dialog.type(id::nameField, name);
        dialog.type(id::lengthField, length);
        dialog.press(id::applyButton);
    }

    HeadlessServices services;
    config::RouteStore store;
};

TEST_F(RoutesDialog, AddsRoutesIntoTheFirstFreeSlots) {
    store.routes[1] = {7.5f, "Waldweg"};
    edit([](HeadlessDialogHost& dialog) {
        EXPECT_EQ(std::vector<std::string>{"Waldweg"}, dialog.items(id::list));
        EXPECT_FALSE(dialog.isEnabled(id::nameField));
        dialog.press(id::addButton);
        EXPECT_EQ("0.00", dialog.text(id::lengthField));
        dialog.type(id::lengthField, "12,5");
        dialog.press(id::applyButton);
        addRoute(dialog, "Berg, Tal", "499.9");
        EXPECT_EQ((std::vector<std::string>{"Berg. Tal", "Strecke 1", "Waldweg"}), dialog.items(id::list));
        EXPECT_FALSE(dialog.isEnabled(id::applyButton));
    });
    EXPECT_EQ(std::vector<std::string>{"Eingabefehler: Trainingsstrecke muss benannt werden\ngeändert"},
              services.messageTexts());
    EXPECT_EQ(std::tuple(store.routes[0].name, store.routes[0].lengthKm, store.routes[2].name,
                         store.routes[2].lengthKm),
              std::tuple("Strecke 1", 12.5f, "Berg. Tal", 499.9f));
}

TEST_F(RoutesDialog, LengthsOf500BelowZeroOrNoNumberAreRejectedButTheNameIsKept) {
    store.routes[0] = {10, "Runde"};
    edit([](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, "Runde");
        EXPECT_EQ("10.0", dialog.text(id::lengthField));
        dialog.type(id::nameField, "Große Runde");
        dialog.type(id::lengthField, "500");
        dialog.press(id::applyButton);
        EXPECT_EQ("500", dialog.text(id::lengthField));
        dialog.type(id::lengthField, "-1");
        dialog.press(id::applyButton);
        dialog.type(id::lengthField, "zwölf");
        dialog.press(id::applyButton);
        EXPECT_EQ(id::lengthField, dialog.focus());
    });
    EXPECT_EQ((std::vector<std::string>{kLengthMessage, kLengthMessage, kLengthMessage}), services.messageTexts());
    EXPECT_EQ(std::tuple(store.routes[0].name, store.routes[0].lengthKm), std::tuple("Gro\xDF" "e Runde", 10.0f));
}

TEST_F(RoutesDialog, TheFirstOfTwoEqualNamesIsEditedAndDeletingLeavesAGap) {
    store.routes[3] = {5, "Kanal"};
    store.routes[7] = {9, "Kanal"};
    store.routes[8] = {2, "Park"};
    edit([](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, 1);
        EXPECT_EQ("5.0", dialog.text(id::lengthField));
        dialog.press(id::deleteButton);
        EXPECT_EQ((std::vector<std::string>{"Kanal", "Park"}), dialog.items(id::list));
        EXPECT_FALSE(dialog.isEnabled(id::deleteButton));
        addRoute(dialog, "Neu", "3");
    });
    EXPECT_EQ(std::tuple(store.routes[0].name, store.routes[3].name, store.routes[3].lengthKm, store.routes[7].name),
              std::tuple("Neu", "", 0.0f, "Kanal"));

    // Storing refills the list: nothing is chosen any more, so nothing can be deleted by mistake.
    edit([](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, "Kanal");
        EXPECT_TRUE(dialog.isEnabled(id::deleteButton));
        dialog.press(id::applyButton);
        EXPECT_FALSE(dialog.isEnabled(id::deleteButton));
        dialog.choose(id::list, "Kanal");
        addRoute(dialog, "Zweite", "4");
        EXPECT_FALSE(dialog.isEnabled(id::deleteButton));
    });
    EXPECT_EQ(std::tuple(store.routes[1].name, store.routes[7].name), std::tuple("Zweite", "Kanal"));
}

TEST_F(RoutesDialog, AFullTableStoresAndDeletesNothingUntilARouteIsChosen) {
    for (int i = 0; i < config::kRouteCount; ++i) store.routes[std::size_t(i)] = {1, "R" + std::to_string(i)};
    edit([](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, "R42");
        dialog.press(id::addButton);
        EXPECT_FALSE(dialog.isEnabled(id::applyButton));
        EXPECT_FALSE(dialog.isEnabled(id::deleteButton));
        dialog.choose(id::list, "R7");
        dialog.type(id::lengthField, "7");
        dialog.press(id::applyButton);
    });
    EXPECT_EQ(std::vector<std::string>{"Standardstreckenspeicher Voll\nMax. 100 Strecken erlaubt"},
              services.messageTexts());
    for (int i = 0; i < config::kRouteCount; ++i)
        EXPECT_EQ(std::tuple(store.routes[std::size_t(i)].name, store.routes[std::size_t(i)].lengthKm),
                  std::tuple("R" + std::to_string(i), i == 7 ? 7.0f : 1.0f));

    // Driven past the disabled controls, the procedure still refuses to touch a slot.
    StandardRoutesProcedure procedure(store, "inhalt");
    services.scriptDialog("STDSTRECKEN", [&procedure](HeadlessDialogHost& dialog) {
        dialog.press(id::addButton);
        procedure.command(dialog, id::applyButton, platform::Notification::Clicked);
        procedure.command(dialog, id::deleteButton, platform::Notification::Clicked);
        EXPECT_EQ(-1, procedure.currentRoute());
        dialog.press(id::okButton);
    });
    services.runModal(standardRoutesTemplate(), procedure);
    EXPECT_EQ("R0", store.routes[0].name);
    EXPECT_EQ(config::kRouteCount, int(std::count_if(store.routes.begin(), store.routes.end(),
                                             [](const config::StandardRoute& r) { return !r.name.empty(); })));
}

}  // namespace
}  // namespace sb::tools
