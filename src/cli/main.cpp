// saisonbuch-cli: batch commands over the program's core, one subcommand per file.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_settings.h"

namespace {

struct Subcommand {
    const char* name;
    int (*run)(const sb::cli::Arguments&, const sb::config::ConfigStore&);
    const char* summary;
};

// New subcommands add one line here.
constexpr Subcommand kSubcommands[] = {
    {"info", sb::cli::runInfo, "info PLAN                 Version, Sportler(in), Jahr und Kilometer je Sportart"},
    {"convert", sb::cli::runConvert, "convert EIN AUS           Plan in das Format der Endung von AUS schreiben (sb3, sb2, sbn)"},
    {"export", sb::cli::runExport, "export PLAN AUS.csv [...] Tabellenkalkulations-Export (--help zeigt die Optionen)"},
    {"series", sb::cli::runSeries, "series PLAN --kind K [--quantity Q] [...] Werte eines Diagramms je Slot (Slot;Gesamt;...)"},
    {"chart", sb::cli::runChart, "chart PLAN -o AUS.png|AUS.pdf --kind K [--quantity Q] [...] Diagramm als Bild oder Druckseite"},
    {"calendar", sb::cli::runCalendar, "calendar PLAN --month M [--control] -o AUS.png|AUS.pdf Planungs- oder Kontrollkalender eines Monats"},
    {"overview", sb::cli::runOverview, "overview PLAN -o AUS.pdf [--from M] [--to M] [...] Übersichtsliste (Deckblatt, Monatsseiten, Zusammenfassung) als PDF"},
    {"recording", sb::cli::runRecording, "recording DATEI -o AUS.png|AUS.pdf [--x A] [--y A] | --summary  X-Y-Diagramm oder Kennzahlen einer Aufzeichnung (hrm, dat)"},
    {"list", sb::cli::runList, "list PLAN (--week W | --month M | --year) [--columns 0,1,...] [--html AUS.htm] Wochen-, Monats- oder Jahresliste"},
    {"search", sb::cli::runSearch, "search PLAN --type 0..9 [--columns 0,1,...] [--html AUS.htm] Suchliste nach Training IST"},
    {"load", sb::cli::runLoad, "load PLAN [--from T.M] [--to T.M] | -o AUS.png|AUS.pdf  Punkte, Fitness, Ermüdung und Form je Tag, oder ihr Verlauf als Bild"},
};

void printUsage(std::FILE* stream) {
    std::fputs("Aufruf: saisonbuch-cli BEFEHL ...\n\nBefehle:\n", stream);
    for (const auto& command : kSubcommands) std::fprintf(stream, "  %s\n", command.summary);
    std::fputs("\nJeder Befehl nimmt --settings DATEI (eine andere train.cfg als die des Programms).\n", stream);
}

}  // namespace

namespace sb::cli {
int fail(const std::string& message) {
    std::fprintf(stderr, "saisonbuch-cli: %s\n", message.c_str());
    return 1;
}
}  // namespace sb::cli

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printUsage(stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printUsage(stdout);
        return 0;
    }
    for (const auto& command : kSubcommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        sb::cli::Arguments arguments(argv + 2, argv + argc);
        sb::config::ConfigStore settings;
        std::string error;
        if (!sb::cli::takeSettings(arguments, settings, error)) return sb::cli::fail(error);
        return command.run(arguments, settings);
    }
    return sb::cli::fail(std::string("unbekannter Befehl: ") + argv[1]);
}
