// Random and truncated input for the profile-file parser, the settings loader and the old-file import:
// nothing may crash, read out of bounds or leave a file that parses differently after a save.
#include <gtest/gtest.h>

#include <random>

#include "config/config_store.h"
#include "config/configuration_migration.h"
#include "config/profile_file.h"
#include "support/plan_fixtures.h"
#include "platform/headless/headless_services.h"

using namespace sb::config;
using namespace sb::testing;

namespace {

// Bytes weighted towards the ones that carry structure, so most inputs get past the first line.
std::string randomInput(std::mt19937& random, std::size_t maxLength) {
    static const std::string structure = "[]=\r\n\0 \t,;.-0123456789KONFIGMENUEX_Y";
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> choice(0, 3);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<std::size_t> structural(0, structure.size());
    std::string bytes(length(random), '\0');
    for (char& c : bytes) {
        const std::size_t pick = structural(random);
        if (choice(random) == 0) {
            c = static_cast<char>(anyByte(random));
        } else {
            c = pick < structure.size() ? structure[pick] : 'a';
        }
    }
    return bytes;
}

void exerciseProfile(const std::string& bytes) {
    ProfileFile file = parseProfileText(bytes);
    const std::string text = profileText(file);
    ASSERT_EQ(profileText(parseProfileText(text)), text);
    profileString(file, "KONFIG", "SPORTART");
    setProfileString(file, "KONFIG", "SPORTART", "3");
    setProfileString(file, bytes.substr(0, 8), bytes.substr(0, 5), bytes.substr(0, 40));
    ASSERT_EQ(profileString(file, "konfig", "sportart"), "3");
    ASSERT_EQ(profileText(parseProfileText(profileText(file))), profileText(file));

    // The whole settings round in memory: a profile without a path is never saved.
    ConfigStore store;
    DiagramChoice diagram;
    store.file = parseProfileText(bytes);
    loadAllSettings(store, diagram);
    loadPulseZones(store);
    addToHistory(store, bytes.substr(0, 20));
    saveAllSettings(store, diagram, bytes.substr(0, 30));
    ASSERT_GE(store.sportMode, 1);
    ASSERT_LE(store.sportMode, 5);
    ASSERT_LE(store.history.size(), 9u);
    ASSERT_LE(store.pulseZones.count, 5);
}

}  // namespace

TEST(BadInput, ProfileParserSurvivesRandomAndTruncatedFiles) {
    std::mt19937 random(20090101);
    for (int i = 0; i < 1000; ++i) exerciseProfile(randomInput(random, i % 10 == 0 ? 2000 : 300));
    const std::string golden = fileBytes(goldenPath("config/saved_train.cfg"));
    for (std::size_t length = 0; length <= golden.size(); length += 7)
        exerciseProfile(golden.substr(0, length));
    exerciseProfile(std::string(1 << 16, 'x') + "=\n[" + std::string(1 << 16, 'K'));
}

TEST(BadInput, OldFileImportSurvivesRandomFiles) {
    TempDir dir;
    std::mt19937 random(19990101);
    sb::platform::headless::HeadlessServices services;
    ConfigStore store;
    for (int i = 0; i < 100; ++i) {
        RouteStore routes;
        const MigrationPaths paths{dir.file("train.cfg"), dir.file("train.alt"), dir.file("strecke.cfg")};
        writeBytes(paths.oldConfigFile, randomInput(random, 3000));
        migrateOldConfiguration(store, routes, paths, services);
        for (const StandardRoute& route : routes.routes) ASSERT_LE(route.name.size(), 199u);
        ASSERT_LE(store.lastFile.size(), 1023u);
    }
}
