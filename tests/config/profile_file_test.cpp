// Profile files: case-insensitive lookups, values changed in place, new keys and sections placed where a
// reader expects them, foreign content kept byte for byte, and safe saving.
#include "config/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>

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
