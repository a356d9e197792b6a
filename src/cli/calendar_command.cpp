// saisonbuch-cli calendar PLAN --month M [--control] -o OUT.png|OUT.pdf: the planning grid (or with
// --control the control grid) of a month exactly as the view draws it, on a 1400 × 1000 image, or
// printed on one PDF page as the view's "Drucken" prints it; sport mode, labels and colours from the
// user's settings.
#include <charconv>
#include <memory>

#include "calendars/calendar_grid.h"
#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "cli/qt_session.h"
#include "model/period_range.h"
#include "platform/qt/surface_render.h"

namespace sb::cli {
namespace {

struct CalendarCommandLine {
    std::string planPath;
    std::string outputPath;
    int month = 0;
    bool control = false;
};

bool parseMonth(const std::string& text, int& month) {
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), month);
    return status == std::errc() && end == text.data() + text.size() && model::isMonth(month);
}

bool parse(const CommandLine& commandLine, CalendarCommandLine& line, std::string& error) {
    line.planPath = commandLine.arguments[0];
    line.outputPath = commandLine.value("-o");
    line.control = commandLine.has("--control");
    if (commandLine.has("--month") && !parseMonth(commandLine.value("--month"), line.month)) {
        error = "ungültiger Wert für --month: " + commandLine.value("--month");
        return false;
    }
    if (line.outputPath.empty() || line.month == 0) {
        error = "PLAN, --month und -o fehlen";
        return false;
    }
    return true;
}

calendars::CalendarGrid gridOf(const CalendarCommandLine& line, const model::TrainingYear& year,
                               const config::ConfigStore& settings, platform::Colour background) {
    const auto variant = line.control ? calendars::GridVariant::Control : calendars::GridVariant::Planning;
    return calendars::calendarGridOf(year, settings, line.month, variant, background);
}

bool writeCalendarPng(const CalendarCommandLine& line, const model::TrainingYear& year,
                      const config::ConfigStore& settings) {
    const calendars::CalendarGrid grid = gridOf(line, year, settings, calendars::dialogFace);
    return platform::qt::writePng(
        line.outputPath, {charts::frame::width, charts::frame::height}, [&](platform::Canvas& canvas) {
            charts::setupDialogFrame(canvas, {charts::frame::width, charts::frame::height},
                                     calendars::dialogFace);
            calendars::drawCalendarGrid(canvas, grid, nullptr);
        });
}

bool printCalendarPdf(const CalendarCommandLine& line, const model::TrainingYear& year,
                      const config::ConfigStore& settings) {
    const calendars::CalendarGrid grid = gridOf(line, year, settings, charts::colour::white);
    const std::string name = std::string(line.control ? "Saisonbuchkontrolle_" : "Saisonbuch_") +
                             std::to_string(line.month) + "_" + std::to_string(year.planYear);
    return printA4Pdf(line.outputPath, [&](platform::Printer& printer) {
        return charts::printOnUpperHalf(printer, name,
                                        [&](platform::Canvas& canvas) { calendars::drawCalendarGrid(canvas, grid, nullptr); });
    });
}

int runCalendar(const CommandLine& commandLine, const config::ConfigStore& settings) {
    CalendarCommandLine line;
    std::string error;
    if (!parse(commandLine, line, error)) return failWithUsage(kCalendarCommand, error);
    const bool pdf = hasExtension(line.outputPath, ".pdf");
    if (!pdf && !hasExtension(line.outputPath, ".png"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
    if (refuseOutput(commandLine, line.outputPath, {line.planPath})) return 1;
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    const bool written = withGuiApplication([&] {
        return pdf ? printCalendarPdf(line, *year, settings) : writeCalendarPng(line, *year, settings);
    });
    if (!written) return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace

const Subcommand kCalendarCommand{
    "calendar",
    "PLAN --month 1..12 [--control] -o AUS.png|AUS.pdf",
    "Planungs- oder Kontrollkalender eines Monats",
    1,
    1,
    {{"--month", "M", "Monat 1..12"},
     {"--control", nullptr, "der Kontroll- statt des Planungskalenders"},
     {"-o", "AUS", "das Bild (.png) oder die Druckseite (.pdf)"}},
    runCalendar,
};

}  // namespace sb::cli
