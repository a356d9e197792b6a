// The built menu bar: its popups, the axis lists for every sport mode, plan version and diagram kind
// (with the calendar rows and the search list, which follow the same sport rule), the file history and
// the check marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "calendars/calendar_grid.h"
#include "lists/day_rows.h"
#include "model/diagram_quantity.h"
#include "shell/command_ids.h"
#include "shell/diagram_selection.h"
#include "shell/menu_bar.h"

namespace sb::shell {
namespace {

using platform::MenuItem;

Application appWith(int sportMode, int version, int kind) {
    Application app;
    app.settings.sportMode = sportMode;
    app.year.planFileVersion = version;
    app.diagram.diagramKind = kind;
    return app;
}

std::vector<std::string> titles(const std::vector<MenuItem>& bar) {
    std::vector<std::string> result;
    for (const MenuItem& popup : bar) result.push_back(popup.text);
    return result;
}

const MenuItem* popupNamed(const std::vector<MenuItem>& bar, const std::string& title) {
    auto found =
        std::find_if(bar.begin(), bar.end(), [&](const MenuItem& item) { return item.text == title; });
    return found == bar.end() ? nullptr : &*found;
}

// The ids of a popup's items, 0 for a separator.
std::vector<int> ids(const MenuItem& popup) {
    std::vector<int> result;
    for (const MenuItem& item : popup.children) result.push_back(item.separator ? 0 : item.id);
    return result;
}

std::vector<int> yAxisIds(const Application& app) {
    const std::vector<MenuItem> bar = buildMenuBar(app);
    const MenuItem* axis = popupNamed(bar, "&Y-Achse");
    return axis ? ids(*axis) : std::vector<int>{};
}

std::vector<int> checkedIds(const std::vector<MenuItem>& items) {
    std::vector<int> result;
    for (const MenuItem& item : items) {
        if (item.checked) result.push_back(item.id);
        for (int id : checkedIds(item.children)) result.push_back(id);
    }
    return result;
}

TEST(MenuBar, OptionalPopupsFollowSettingsAndPreset) {
    Application app = appWith(5, 3, 4);
    app.settings.polarSupport = 0;
    app.settings.bikeComputerSupport = 1;
    app.diagram.userDiagramSlot = 2;
    const std::vector<MenuItem> bar = buildMenuBar(app);
    EXPECT_EQ(titles(bar),
              (std::vector<std::string>{"&Datei", "&Bearbeiten", "&Ansicht", "&Tools", "&Radcomputer",
                                        "&Extras", "&Diagramm", "&Y-Achse", "&Hilfe"}));
    EXPECT_EQ(checkedIds(popupNamed(bar, "&Diagramm")->children), (std::vector<int>{56}));
}

TEST(MenuBar, HistoryEntries) {
    Application app = appWith(5, 3, 0);
    app.settings.history = {"/home/anna/plan 2024.sb3", "C:\\Daten\\alt.sb2", "/tmp/R&D.sbn", "/x/d.sb3",
                            "/x/e.sb3"};

    app.settings.historyMaxCount = 0;
    EXPECT_EQ(ids(buildMenuBar(app)[0]), (std::vector<int>{10, 11, 0, 12, 13, 0, 100, 0, 16, 0, 17}));

    app.settings.historyMaxCount = 3;
    std::vector<MenuItem> bar = buildMenuBar(app);
    EXPECT_EQ(ids(bar[0]), (std::vector<int>{10, 11, 0, 12, 13, 0, 100, 0, 16, 0, 20, 21, 22, 0, 17}));
    EXPECT_EQ(std::tuple(bar[0].children[10].text, bar[0].children[11].text, bar[0].children[12].text),
              std::tuple("&1 plan 2024.sb3", "&2 alt.sb2", "&3 R&&D.sbn"));
    EXPECT_EQ(shownHistoryCount(app.settings), 3);

    app.settings.historyMaxCount = 9;
    EXPECT_EQ(shownHistoryCount(app.settings), 5);
    app.settings.history = {std::string("/home/anna/J\xfcrgen.sb3")};  // a name kept in Windows-1252
    EXPECT_EQ(buildMenuBar(app)[0].children[10].text, "&1 Jürgen.sb3");
    app.settings.history.clear();
    EXPECT_EQ(ids(buildMenuBar(app)[0]), (std::vector<int>{10, 11, 0, 12, 13, 0, 100, 0, 16, 0, 0, 17}));
}

TEST(MenuBar, AxisItemsFollowTheDiagramKindAndStyle) {
    EXPECT_EQ(findMenuItem(buildMenuBar(appWith(5, 3, 1)), 210)->text, "KM Lauf");
    const std::vector<MenuItem> week = buildMenuBar(appWith(5, 3, 3));
    EXPECT_EQ(findMenuItem(week, 210)->text, "KM Laufen");
    EXPECT_EQ(findMenuItem(week, 231)->text, "   Schwimmen");
    EXPECT_FALSE(popupNamed(buildMenuBar(appWith(5, 3, 0)), "&Y-Achse"));
    // The divided total time only in the bar style.
    for (int kind : {1, 2, 4}) {
        Application app = appWith(5, 3, kind);
        for (int style = 1; style <= 3; ++style) {
            app.settings.displayStyle = style;
            EXPECT_EQ(findMenuItem(buildMenuBar(app), 224)->greyed, style != 1) << kind << " " << style;
        }
    }
}

// Across every combination: each offered quantity is one the kind draws, no item appears twice, and the
// list never ends in a separator.
TEST(MenuBar, AxisListsOfferWhatTheKindDraws) {
    for (int mode = 1; mode <= 5; ++mode) {
        for (int version = 0; version <= 3; ++version) {
            for (int kind = 1; kind <= 4; ++kind) {
                const std::vector<int> list = yAxisIds(appWith(mode, version, kind));
                std::set<int> seen;
                for (int id : list) {
                    if (id == 0) continue;
                    SCOPED_TRACE(::testing::Message() << "mode " << mode << " version " << version << " kind "
                                                      << kind << " id " << id);
                    EXPECT_TRUE(seen.insert(id).second);
                    const int code = quantityCodeOfMenuItem(id);
                    const bool sportFlag =
                        kind == 3 && ((code >= 112 && code <= 115) || (code >= 121 && code <= 124));
                    EXPECT_TRUE(sportFlag || model::kindHandlesQuantity(kind, code));
                    EXPECT_TRUE((id != 227 && id != 228) || version == 3);
                }
                EXPECT_NE(list.back(), 0);
            }
        }
    }
}

// The sport mode decides the sports of the calendar rows, the axis menus and the search list alike;
// swimming needs a plan of version 3 except in the calendar rows, and version 1 offers no Alternativ
// quantities. Letters: S Schwimmen, B Rad, R Laufen, O Alternativ.
TEST(MenuBar, EveryViewShowsTheSportsOfTheSportMode) {
    struct Row {
        int mode;
        int version;
        std::string calendarRows, axisMenu, searchList;
    };
    const Row rows[] = {
        {1, 1, "BO", "B", "BO"},     {1, 2, "BO", "BO", "BO"},     {1, 3, "BO", "BO", "BO"},
        {2, 1, "RO", "R", "RO"},     {2, 2, "RO", "RO", "RO"},     {2, 3, "RO", "RO", "RO"},
        {3, 1, "SO", "", "O"},       {3, 2, "SO", "O", "O"},       {3, 3, "SO", "SO", "SO"},
        {4, 1, "BRO", "BR", "BRO"},  {4, 2, "BRO", "BRO", "BRO"},  {4, 3, "BRO", "BRO", "BRO"},
        {5, 1, "SBRO", "BR", "BRO"}, {5, 2, "SBRO", "BRO", "BRO"}, {5, 3, "SBRO", "SBRO", "SBRO"},
    };
    const auto letters = [](const std::vector<int>& sports) {
        std::string text;
        for (int sport : {model::kSwim, model::kBike, model::kRun, model::kOther})
            if (std::count(sports.begin(), sports.end(), sport)) text += "?BROS"[sport];
        return text;
    };
    // The first item of each sport's group in the week-of-year axis menu.
    const std::pair<int, int> firstItems[] = {{model::kSwim, cmd::kAxisKmSwim},
                                              {model::kBike, cmd::kAxisKmBike},
                                              {model::kRun, cmd::kAxisKmRun},
                                              {model::kOther, cmd::kAxisKmOther}};
    model::DayRecord day;
    for (model::SportEntry* entry : {&day.bike, &day.run, &day.swim, &day.other}) entry->distanceKm = 1;
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " version " << row.version);
        const std::vector<int> menu = yAxisIds(appWith(row.mode, row.version, 1));
        std::vector<int> menuSports;
        for (auto [sport, id] : firstItems)
            if (std::count(menu.begin(), menu.end(), id)) menuSports.push_back(sport);
        EXPECT_EQ(letters(calendars::shownSports(row.mode)), row.calendarRows);
        EXPECT_EQ(letters(menuSports), row.axisMenu);
        EXPECT_EQ(letters(lists::searchRowSports(day, row.version, row.mode, 0)), row.searchList);
    }
}

TEST(MenuBar, CheckMarksFromState) {
    Application app = appWith(5, 3, 3);
    app.diagram.weekQuantity = 128;
    app.diagram.timeSportFlags = 1 | 8;  // Rad, Schwimmen
    app.diagram.loadSportFlags = 4;      // Alternativ
    app.settings.showToolbar = 1;
    app.settings.showStatusBar = 0;
    EXPECT_EQ(checkedIds(buildMenuBar(app)), (std::vector<int>{64, 218, 221, 219, 232}));

    app.diagram.weekQuantity = 127;
    app.settings.showToolbar = 0;
    app.settings.showStatusBar = 1;
    EXPECT_EQ(checkedIds(buildMenuBar(app)), (std::vector<int>{65, 221, 219, 228, 232}));

    app.diagram.diagramKind = 1;
    app.diagram.weekOfYearQuantity = 117;
    EXPECT_EQ(checkedIds(buildMenuBar(app)), (std::vector<int>{65, 224}));
}

TEST(MenuBar, XyAxisMenusFollowTheRecording) {
    Application app = appWith(5, 3, 5);
    app.diagram.xQuantity = 130;
    app.diagram.yQuantity = 138;
    app.recordings.capabilityBits = 1 | 2 | 256;  // no bit 64: nothing to offer
    EXPECT_FALSE(popupNamed(buildMenuBar(app), "&Y-Achse"));
    EXPECT_FALSE(popupNamed(buildMenuBar(app), "&X-Achse"));

    app.recordings.capabilityBits = 64;
    std::vector<MenuItem> bar = buildMenuBar(app);
    EXPECT_FALSE(popupNamed(bar, "&X-Achse"));
    EXPECT_EQ(ids(*popupNamed(bar, "&Y-Achse")), (std::vector<int>{92}));

    app.recordings.capabilityBits = 64 | 1 | 2 | 4 | 8 | 16 | 256;
    bar = buildMenuBar(app);
    EXPECT_EQ(titles(bar).end()[-3], "&X-Achse");
    EXPECT_EQ(ids(*popupNamed(bar, "&X-Achse")), (std::vector<int>{90, 91}));
    EXPECT_EQ(ids(*popupNamed(bar, "&Y-Achse")), (std::vector<int>{92, 93, 94, 95, 96, 97, 98, 99}));
    EXPECT_EQ(findMenuItem(bar, 99)->text, "Temperatur");
    EXPECT_EQ(checkedIds(bar), (std::vector<int>{64, 65, 91, 95}));
}

}  // namespace
}  // namespace sb::shell
