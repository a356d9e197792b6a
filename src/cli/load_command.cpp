// saisonbuch-cli load PLAN [--from T.M] [--to T.M] | -o OUT.png|OUT.pdf: the season's load of a plan,
// one tab-separated line per day (date, points, fitness, fatigue, form) after a header line, or the
// load chart as an image (one pixel per logical unit) or as a printed page.
#include <cstdio>
#include <memory>
#include <optional>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "charts/load_chart.h"
#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "cli/qt_session.h"
#include "model/calendar.h"
#include "platform/qt/surface_render.h"
#include "statistics/training_load.h"

namespace sb::cli {
namespace {

struct LoadCommandLine {
    std::string planPath;
    std::string outputPath;
    std::string from;
    std::string to;
};

// "T.M" or "T.M." to a day index of the plan year; nothing for anything else or a date the year lacks.
std::optional<int> dayIndexOf(const std::string& text, int planYear) {
    int day = 0;
    int month = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%2d.%2d%n", &day, &month, &used) != 2) return std::nullopt;
    const std::string rest = text.substr(std::size_t(used));
    if ((rest != "" && rest != ".") || !model::isValidDayMonth(day, month, planYear)) return std::nullopt;
    return model::dayOfYear(day, month, planYear) - 1;
}

bool parse(const CommandLine& commandLine, LoadCommandLine& line, std::string& error) {
    line.planPath = commandLine.arguments[0];
    line.outputPath = commandLine.value("-o");
    line.from = commandLine.value("--from");
    line.to = commandLine.value("--to");
    if (!line.outputPath.empty() && (!line.from.empty() || !line.to.empty())) {
        error = "--from und --to gelten nur für die Zeilenausgabe, das Bild zeigt das ganze Jahr";
        return false;
    }
    if (!line.outputPath.empty() && !hasExtension(line.outputPath, ".png") &&
        !hasExtension(line.outputPath, ".pdf")) {
        error = "Ausgabe muss auf .png oder .pdf enden: " + line.outputPath;
        return false;
    }
    return true;
}

int printLines(const LoadCommandLine& line, const model::TrainingYear& year) {
    const statistics::LoadSeries series = statistics::computeLoadSeries(year);
    const int last = int(series.days.size()) - 1;
    const std::optional<int> first = line.from.empty() ? 0 : dayIndexOf(line.from, year.planYear);
    if (!first) return fail("falsches Datum bei --from: " + line.from);
    const std::optional<int> final = line.to.empty() ? last : dayIndexOf(line.to, year.planYear);
    if (!final) return fail("falsches Datum bei --to: " + line.to);
    if (*first > *final) return fail("--from liegt nach --to");
    std::printf("Datum\tPunkte\tFitness\tErmüdung\tForm\n");
    for (int d = *first; d <= *final; ++d) {
        const statistics::LoadDay& day = series.days[std::size_t(d)];
        const model::DayMonth date = model::dateOfDayOfYear(d + 1, year.planYear);
        std::printf(
            "%04d-%02d-%02d\t%s\t%s\t%s\t%s\n", year.planYear, date.month, date.day,
            statistics::formatLoadValue(day.points).c_str(), statistics::formatLoadValue(day.fitness).c_str(),
            statistics::formatLoadValue(day.fatigue).c_str(), statistics::formatLoadValue(day.form).c_str());
    }
    return 0;
}

bool drawChart(const std::string& path, const model::TrainingYear& year) {
    const statistics::LoadSeries series = statistics::computeLoadSeries(year);
    auto draw = [&](platform::Canvas& canvas) { charts::drawLoadChart(canvas, series, year.planYear, -1); };
    if (hasExtension(path, ".pdf")) {
        return printA4Pdf(path, [&](platform::Printer& printer) {
            return charts::printOnUpperHalf(printer, "Belastungsverlauf", draw);
        });
    }
    return platform::qt::writePng(
        path, {charts::frame::width, charts::frame::height}, [&](platform::Canvas& canvas) {
            charts::setupScreenFrame(canvas, {0, 0, charts::frame::width, charts::frame::height});
            draw(canvas);
        });
}

int runLoad(const CommandLine& commandLine, const config::ConfigStore&) {
    LoadCommandLine line;
    std::string error;
    if (!parse(commandLine, line, error)) return fail(error);
    if (!line.outputPath.empty() && refuseOutput(commandLine, line.outputPath, {line.planPath})) return 1;
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    if (line.outputPath.empty()) return printLines(line, *year);
    if (!withGuiApplication([&] { return drawChart(line.outputPath, *year); }))
        return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace

const Subcommand kLoadCommand{
    "load",
    "PLAN [--from T.M] [--to T.M]  oder  PLAN -o AUS.png|AUS.pdf",
    "Punkte, Fitness, Ermüdung und Form je Tag, oder ihr Verlauf als Bild",
    1,
    1,
    {{"--from", "T.M", "erster Tag der Zeilen"},
     {"--to", "T.M", "letzter Tag der Zeilen"},
     {"-o", "AUS", "der Verlauf des ganzen Jahres als Bild (.png) oder Druckseite (.pdf)"}},
    runLoad,
};

}  // namespace sb::cli
