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
#include "platform/qt/surface_render.h"

namespace sb::cli {
namespace {

const char* const kUsage =
    " (Aufruf: saisonbuch-cli calendar PLAN --month 1..12 [--control] -o AUS.png|AUS.pdf)";

struct CalendarCommandLine {
    std::string planPath;
    std::string outputPath;
    int month = 0;
    bool control = false;
};

bool parseMonth(const std::string& text, int& month) {
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), month);
    return status == std::errc() && end == text.data() + text.size() && month >= 1 && month <= 12;
}

bool parse(const Arguments& arguments, CalendarCommandLine& line, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-o" && hasValue) {
            line.outputPath = arguments[++i];
        } else if (argument == "--month" && hasValue) {
            if (!parseMonth(arguments[++i], line.month)) {
                error = "ungültiger Wert für --month: " + arguments[i];
                return false;
            }
        } else if (argument == "--control") {
            line.control = true;
        } else if (!argument.starts_with("-") && line.planPath.empty()) {
            line.planPath = argument;
        } else {
            error = "unbekannte oder unvollständige Option: " + argument;
            return false;
        }
    }
    if (line.planPath.empty() || line.outputPath.empty() || line.month == 0) {
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

}  // namespace

int runCalendar(const Arguments& arguments, const config::ConfigStore& settings) {
    CalendarCommandLine line;
    std::string error;
    if (!parse(arguments, line, error)) return fail(error + kUsage);
    const bool pdf = hasExtension(line.outputPath, ".pdf");
    if (!pdf && !hasExtension(line.outputPath, ".png"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    const bool written = withGuiApplication([&] {
        return pdf ? printCalendarPdf(line, *year, settings) : writeCalendarPng(line, *year, settings);
    });
    if (!written) return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace sb::cli
