// The plan readers' stored fuzz inputs opened through the Open command, walked through every view that
// reads a plan and saved: nothing may crash or upset the sanitizers, and the saved plan is well formed
// and stays as it is when opened and saved again. Every stored input holds a plan, so each one opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "calendars/calendar_grid.h"
#include "calendars/calendar_view.h"
#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "lists/list_dialog_templates.h"
#include "lists/list_print_dialog.h"
#include "model/calendar.h"
#include "model/diagram_quantity.h"
#include "output/export_dialog.h"
#include "output/overview_print_dialog.h"
#include "platform/headless/recording_canvas.h"
#include "shell/command_ids.h"
#include "shell/diagram_selection.h"
#include "shell/main_window_paint.h"
#include "shell_test_support.h"
#include "tools/odometer_dialog.h"
#include "tools/odometer_due_check.h"

namespace sb::shell::testing {
namespace {

namespace fs = std::filesystem;
using model::TrainingYear;
using platform::Key;
using platform::headless::HeadlessDialogHost;
using platform::headless::PrintAnswer;

// One stored input of a plan reader's fuzz target and the plan version that target reads.
struct StoredInput {
    fs::path path;
    int version;
};

class HostilePlanWalk : public ShellTest, public ::testing::WithParamInterface<StoredInput> {
  protected:
    int version() const { return GetParam().version; }

    void open(const std::string& path) {
        services.answerFileDialogs({path});
        dispatch(cmd::kOpenPlan);
        ASSERT_EQ(std::tuple(path, version()), std::tie(app.year.currentFileName, app.year.planFileVersion));
    }

    void drawEveryDiagram() {
        app.logoDone = 1;
        for (int style = 1; style <= 3; ++style) {
            app.settings.displayStyle = style;
            for (int kind = model::kWeekOfYearDiagram; kind <= model::kMonthDiagram; ++kind) {
                for (int code = model::kKmBike; code <= model::kActualTimeOther; ++code) {
                    if (!model::kindOffersQuantity(kind, code)) continue;
                    app.diagram.diagramKind = kind;
                    setDiagramQuantity(app.diagram, code);
                    app.diagram.timeSportFlags = app.diagram.loadSportFlags = 15;
                    for (int period : {1, 53}) {
                        app.currentWeek = period;
                        app.currentMonth = std::min(period, 12);
                        platform::headless::RecordingCanvas canvas;
                        paintMainWindow(app, view, canvas);
                        ASSERT_FALSE(canvas.texts().empty()) << kind << " " << code;
                    }
                }
            }
        }
        app.diagram.diagramKind = model::kNoDiagram;
    }

    // Every week and month; week 53 and the year are also saved as HTML and printed.
    void walkLists() {
        namespace id = lists::list_dialog;
        namespace sid = lists::search_dialog;
        auto stepThrough = [](int steps) {
            return [steps](HeadlessDialogHost& list) {
                for (int i = 0; i < steps; ++i) list.press(id::nextButton);
                if (steps != 11) {
                    list.press(id::htmlButton);
                    list.press(id::printButton);
                }
                list.press(id::closeButton);
            };
        };
        services.scriptDialog("LISTE_WOCHE", stepThrough(52));
        services.scriptDialog("LISTE_MONAT", stepThrough(11));
        services.scriptDialog("LISTE_JAHR", stepThrough(0));
        services.answerFileDialogs({file("woche.htm"), file("jahr.htm")});
        services.answerPrintDialogs({PrintAnswer{}, PrintAnswer{}});
        for (int list = 0; list < 2; ++list) {
            services.scriptDialog("LISTE_DRUCKEN", [](HeadlessDialogHost& print) {
                print.press(lists::list_print_dialog::printButton);
            });
        }
        services.scriptDialog("LISTE_SUCH", [](HeadlessDialogHost& search) {
            for (int type = 0; type < model::kTrainingTypeCount; ++type) {
                search.choose(sid::typeList, type);
                search.press(sid::searchButton);
            }
            search.press(sid::closeButton);
        });
        for (int id : {cmd::kWeekList, cmd::kMonthList, cmd::kYearList, cmd::kSearch}) dispatch(id);
    }

    // Every month of both calendars; the control view shows the day information of two cells a month,
    // the planning view plans type 9 on the first of each month. Then every odometer.
    void walkCalendarsAndOdometers() {
        if (version() == 1) return;
        namespace vid = calendars::view_id;
        namespace oid = tools::odometer_dialog;
        services.scriptDialog("SAISONBUCHUNG_NEU", [](HeadlessDialogHost& view) {
            for (int month = 1; month <= 12; ++month) {
                view.paint(vid::canvas);
                view.pressKey(vid::canvas, Key::Digit9);
                view.press(vid::nextMonth);
            }
            view.press(vid::ok);
        });
        services.scriptDialog(version() == 3 ? "TRAININGSKONTROLLE_NEU" : "TRAININGSKONTROLLE_V2",
                              [](HeadlessDialogHost& view) {
                                  for (int month = 1; month <= 12; ++month) {
                                      view.paint(vid::canvas);
                                      view.pressKey(vid::canvas, Key::Enter);
                                      view.pressKey(vid::canvas, Key::Down);
                                      view.pressKey(vid::canvas, Key::Enter);
                                      view.press(vid::nextMonth);
                                  }
                                  view.press(vid::ok);
                              });
        services.scriptDialog("TOOL_KILOMETERZAEHLER", [](HeadlessDialogHost& odometers) {
            for (int slot = 0; slot < int(odometers.items(oid::list).size()); ++slot)
                odometers.choose(oid::list, slot);
            odometers.press(oid::okButton);
        });
        for (int command : {cmd::kPlanningView, cmd::kControlView, cmd::kOdometers}) dispatch(command);
        const int sport = calendars::shownSports(app.settings.sportMode).front();
        for (int month = 1; month <= 12; ++month) {
            const int day = model::dayOfYear(1, month, app.year.planYear) - 1;
            EXPECT_EQ(9, model::sportTypeDigit(app.year.days[std::size_t(day)].plannedTypes, sport)) << month;
        }
    }

    void printAndExport() {
        namespace oid = output::overview_print_dialog;
        namespace eid = output::export_dialog;
        services.answerPrintDialogs({PrintAnswer{}});
        services.scriptDialog(version() == 3 ? "PRINT_V3" : "PRINT_V2", [](HeadlessDialogHost& print) {
            print.press(oid::cover);
            print.press(oid::print);
        });
        dispatch(cmd::kPrintOverview);
        services.answerFileDialogs({file("export.csv"), file("export.htm")});
        for (int command : {cmd::kExportSpreadsheet, cmd::kExportHtml}) {
            services.scriptDialog("EXPORT", [](HeadlessDialogHost& exporting) { exporting.press(eid::ok); });
            dispatch(command);
        }
        EXPECT_GT(fs::file_size(file("export.csv")), 0u);
        EXPECT_GT(fs::file_size(file("export.htm")), 0u);
    }

    // Presses a button of the day editor that stays on the day when a field is rejected; each field it
    // rejects the user sets to 0 and presses again.
    void pressCorrecting(HeadlessDialogHost& editor, int button) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            const std::size_t messages = services.messages().size();
            editor.press(button);
            if (services.messages().size() == messages) return;
            editor.type(editor.focus(), "0");
        }
        ADD_FAILURE() << "the day editor never took the day";
    }

    // The editor opens on 1 January and goes on to 1 July or 31 December; each day is stored.
    void editSomeDays() {
        namespace control = editor::control;
        const std::string form =
            editor::chooseDayEditorLayout(version(), app.settings.sportMode, app.settings.triathlonBasic)
                ->templateName;
        for (const auto& [day, month] : {std::pair{"1", "1"}, {"1", "7"}, {"31", "12"}}) {
            services.scriptDialog(form, [&, day = day, month = month](HeadlessDialogHost& editor) {
                pressCorrecting(editor, control::apply);
                editor.type(control::day, day);
                editor.type(control::month, month);
                editor.press(control::goToDate);
                pressCorrecting(editor, control::ok);
                // The reminder that follows the editor when an odometer became due.
                TrainingYear afterwards = app.year;
                if (tools::checkOdometersDue(afterwards)) services.answerMessages({Answer::No});
            });
            dispatch(cmd::kTrainingDays);
        }
    }
};

// The saved file has exactly the lines of its format, each with its CR LF, and no NUL.
void expectWellFormed(const std::string& saved, int version, const TrainingYear& year) {
    const long lines = std::count(saved.begin(), saved.end(), '\n');
    EXPECT_EQ(3 + model::dayCount(year) + (version == 1 ? 0 : 11), lines);
    EXPECT_EQ(lines, std::count(saved.begin(), saved.end(), '\r'));
    EXPECT_EQ(std::string::npos, saved.find('\0'));
}

TEST_P(HostilePlanWalk, EveryViewCopesAndSaveWritesAWellFormedPlan) {
    const std::string path = file(std::string("feindlich.sb") + "n23"[version() - 1]);  // .sbn, .sb2, .sb3
    sb::testing::writeBytes(path, fileBytes(GetParam().path));
    initialise();
    open(path);
    if (HasFatalFailure()) return;
    services.clearLog();
    const TrainingYear opened = app.year;
    drawEveryDiagram();
    walkLists();
    walkCalendarsAndOdometers();
    printAndExport();
    editSomeDays();
    const TrainingYear left = app.year;
    // A plan cut short (the stored long fields end after the first day) asks before its first save.
    if (app.year.cutShort != 0) services.answerMessages({Answer::Yes});
    dispatch(cmd::kSavePlan);
    const std::string saved = fileBytes(path);
    expectWellFormed(saved, version(), left);
    if (GetParam().path.stem() == "long-fields") {
        // Every field of the first lines is 5,000 bytes long: the name is cut to its width on reading (the
        // reader's own tests cut the day's fields), and the day editor keeps 198 characters of a route.
        EXPECT_EQ(std::pair(29ul, 198ul), std::pair(opened.firstName.size(), left.days[0].run.route.size()));
    }
    // Opened and saved again, the repaired plan stays as it is.
    open(path);
    dispatch(cmd::kSavePlan);
    EXPECT_EQ(saved, fileBytes(path));
}

// Every stored input of the three plan readers' fuzz targets, crash inputs included.
std::vector<StoredInput> storedInputs() {
    const fs::path fuzz = fs::path(std::getenv("SAISONBUCH_TEST_DATA")) / ".." / "fuzz";
    std::vector<StoredInput> inputs;
    for (int version = 1; version <= 3; ++version)
        for (const auto& entry : fs::directory_iterator(fuzz / ("plan_v" + std::to_string(version))))
            inputs.push_back({entry.path(), version});
    std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(Stored, HostilePlanWalk, ::testing::ValuesIn(storedInputs()), [](const auto& info) {
    std::string name = info.param.path.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

}  // namespace
}  // namespace sb::shell::testing
