// saisonbuch-cli overview PLAN -o OUT.pdf [--from M] [--to M] [--no-bike] [--no-run] [--no-other]
// [--no-swim] [--no-types] [--cover] [--no-summary]: the overview printout into a PDF, with the print
// dialog's choices as options and its month check.
#include <cstdlib>
#include <map>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "cli/qt_session.h"
#include "output/overview_printout.h"

namespace sb::cli {
namespace {

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli overview PLAN -o AUS.pdf [--from M] [--to M] [--no-bike] [--no-run] [--no-other] "
    "[--no-swim] [--no-types] [--cover] [--no-summary]";

using Flag = bool output::OverviewOptions::*;

}  // namespace

int runOverview(const Arguments& arguments, const config::ConfigStore&) {
    if (arguments.empty()) return fail(kUsage);
    output::OverviewOptions options;
    std::string outputPath;
    const std::map<std::string, std::pair<Flag, bool>> switches{
        {"--no-bike", {&output::OverviewOptions::bike, false}},
        {"--no-run", {&output::OverviewOptions::run, false}},
        {"--no-other", {&output::OverviewOptions::other, false}},
        {"--no-swim", {&output::OverviewOptions::swim, false}},
        {"--no-types", {&output::OverviewOptions::types, false}},
        {"--cover", {&output::OverviewOptions::cover, true}},
        {"--no-summary", {&output::OverviewOptions::summary, false}}};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool withValue = i + 1 < arguments.size();
        if (auto found = switches.find(option); found != switches.end())
            options.*(found->second.first) = found->second.second;
        else if (option == "-o" && withValue)
            outputPath = arguments[++i];
        else if (option == "--from" && withValue)
            options.firstMonth = std::atoi(arguments[++i].c_str());
        else if (option == "--to" && withValue)
            options.lastMonth = std::atoi(arguments[++i].c_str());
        else
            return fail("unbekannte Option: " + option + "\n" + kUsage);
    }
    if (!hasExtension(outputPath, ".pdf")) return fail("Ausgabe muss auf .pdf enden\n" + std::string(kUsage));
    if (!output::validOverviewMonths(options.firstMonth, options.lastMonth))
        return fail("Falsche Monatseingabe(n)");
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(arguments[0], *year) == 0) return 1;
    const bool printed = withGuiApplication([&] {
        return printA4Pdf(outputPath, [&](platform::Printer& printer) {
            return output::printOverview(printer, *year, options, [] { return true; });
        });
    });
    if (!printed) return fail("Fehler beim Schreiben der Datei " + outputPath);
    return 0;
}

}  // namespace sb::cli
