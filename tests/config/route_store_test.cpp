// strecke.cfg: all 100 slots written in the fixed layout, read back with the lengths to one decimal.
#include "config/route_store.h"

#include <gtest/gtest.h>

#include "support/plan_fixtures.h"

using namespace sb::config;
using namespace sb::testing;

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
