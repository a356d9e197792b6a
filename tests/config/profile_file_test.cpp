// Profile files: case-insensitive lookups, values changed in place, new keys and sections placed where a
// reader expects them, foreign content kept byte for byte, and safe saving; strecke.cfg on top of them,
// all 100 slots written in the fixed layout and read back with the lengths to one decimal.
#include "config/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "config/route_store.h"
#include "support/plan_fixtures.h"

using namespace sb::config;
using namespace sb::testing;

TEST(ProfileFile, LooksUpSectionsAndKeysWithoutRegardToCase) {
    const ProfileFile file = parseProfileText(
        "; comment\n[konfig]\nSportArt = 2\nLABEL=  padded   \r\n[Konfig]\nsportart=4\n[ X_Y_Diagramm ]\n"
        "Max_Bereich0=130\nno equals sign\n=no key\n");
    // The first of duplicate sections wins.
    EXPECT_EQ(
        (std::vector<std::optional<std::string>>{"2", "padded   ", "130", std::nullopt, std::nullopt,
                                                 std::nullopt}),
        (std::vector{profileString(file, "KONFIG", "SPORTART"), profileString(file, "KONFIG", "label"),
                     profileString(file, "x_y_diagramm", "MAX_BEREICH0"),
                     profileString(file, "X_Y_DIAGRAMM", "no equals sign"),
                     profileString(file, "KONFIG", "TOOLBAR"), profileString(file, "MENUE", "ANZAHL")}));
}

TEST(ProfileFile, WritesInPlaceAndKeepsEverythingElse) {
    ProfileFile file = parseProfileText(
        "; written by hand\n[konfig]\nsportart = 2\nUnbekannt=\xe4rger \n\n[Fremd]\nx=1\n\n");
    setProfileString(file, "KONFIG", "SPORTART", "5");
    setProfileString(file, "Konfig", "TOOLBAR", "1");
    setProfileString(file, "MENUE", "ANZAHL", "0");
    setProfileString(file, "FREMD", "y", std::string_view("line\r\nbreak\0cut", 15));
    EXPECT_EQ(profileText(file),
              "; written by hand\r\n[konfig]\r\nsportart=5\r\nUnbekannt=\xe4rger \r\nTOOLBAR=1\r\n\r\n"
              "[Fremd]\r\nx=1\r\ny=line  break\r\n\r\n[MENUE]\r\nANZAHL=0\r\n");

    ProfileFile empty = parseProfileText("");
    setProfileString(empty, "A", "k", "v");
    setProfileString(empty, "B", "k", "w");
    EXPECT_EQ(profileText(empty), "[A]\r\nk=v\r\n\r\n[B]\r\nk=w\r\n");
    EXPECT_EQ(profileText(parseProfileText(profileText(empty))), profileText(empty));
}

TEST(ProfileFile, SavesByReplacingTheWholeFile) {
    TempDir dir;
    const std::string path = dir.file("train.cfg");
    ProfileFile file = loadProfileFile(path);
    EXPECT_TRUE(file.readable);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(writeProfileString(file, "KONFIG", "AUTOLADEN", "1"));
    EXPECT_EQ(fileBytes(path), "[KONFIG]\r\nAUTOLADEN=1\r\n");
    // A folder in the file's place, a full disk or a read-only folder: failed_writes_test (train.cfg).
    ProfileFile lost = loadProfileFile(dir.file("missing/train.cfg"));
    EXPECT_FALSE(writeProfileString(lost, "A", "b", "c"));
}

TEST(RouteStore, WritesAllSlotsAndReadsThemBack) {
    TempDir dir;
    const std::string path = dir.file("strecke.cfg");
    RouteStore store;
    loadRoutes(store, path);  // a missing file: every slot empty, as the golden file shows
    store.routes[0] = {12.5f, "Hausrunde"};
    store.routes[1] = {42.0f, "\xdc" "ber den Berg"};
    store.routes[5] = {0.0f, "Kanal"};
    store.routes[99] = {7.25f, "Letzte"};
    ASSERT_EQ(saveRoutes(store, path), 0);
    EXPECT_EQ(fileBytes(path), fileBytes(goldenPath("config/strecke.cfg")));

    // Read back and saved again: every name and length (7.25 stored as 7.2) came back.
    RouteStore again;
    loadRoutes(again, path);
    ASSERT_EQ(saveRoutes(again, path), 0);
    EXPECT_EQ(fileBytes(path), fileBytes(goldenPath("config/strecke.cfg")));
}

TEST(RouteStore, ReadsHandWrittenFilesSafely) {
    TempDir dir;
    const std::string path = dir.file("strecke.cfg");
    writeBytes(path, "[strecke_3]\nstrecken_name=" + std::string(250, 'n') +
                         "\nSTRECKEN_LAENGE=12,5\n[STRECKE_4]\nSTRECKEN_NAME=Ohne L\xe4nge\n"
                         "[STRECKE_100]\nSTRECKEN_NAME=zu viel\n[Eigenes]\nx=1\n");
    RouteStore store;
    loadRoutes(store, path);
    // atof stops at the comma.
    EXPECT_EQ(
        std::tuple(store.routes[3].name, store.routes[3].lengthKm, store.routes[4].name, store.routes[4].lengthKm),
        std::tuple(std::string(199, 'n'), 12.0f, "Ohne L\xe4nge", 0.0f));
    ASSERT_EQ(saveRoutes(store, path), 0);
    const std::string written = fileBytes(path);
    EXPECT_NE(written.find("[Eigenes]\r\nx=1\r\n"), std::string::npos);
    EXPECT_NE(written.find("[STRECKE_99]\r\nSTRECKEN_NAME=\r\nSTRECKEN_LAENGE=0.0\r\n"), std::string::npos);
    EXPECT_NE(
        written.find("[strecke_3]\r\nstrecken_name=" + std::string(199, 'n') + "\r\nSTRECKEN_LAENGE=12.0"),
        std::string::npos);
}
