// Start-up cost of the settings: reading a realistic train.cfg with every setting and the pulse zones,
// and reading a strecke.cfg with all 100 routes named.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/config_store.h"
#include "config/route_store.h"

namespace {

std::string benchFile(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "saisonbuch-config-bench";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

// A configuration as a long-used installation has it: all settings, a full history, the keys of the
// dialogs that keep their own settings, and a pulse-zone section.
std::string writeRealisticConfig() {
    const std::string path = benchFile("train.cfg");
    std::remove(path.c_str());
    sb::config::ConfigStore store;
    sb::config::DiagramChoice diagram;
    sb::config::openConfigFile(store, path);
    sb::config::loadAllSettings(store, diagram);
    sb::config::loadPulseZones(store);
    store.historyMaxCount = 9;
    sb::config::writeIntSetting(store, "MENUE", "MAX_ANZAHL", 9);
    for (int i = 0; i < 12; ++i) {
        sb::config::addToHistory(store, "/home/anna/Saisonbuch/Planung_" + std::to_string(2000 + i) + ".sb3");
    }
    for (const char* key : {"DATUM", "RAD", "LAUFEN", "SCHWIMMEN", "ALTERNATIV", "TYPEN"}) {
        sb::config::setProfileString(store.file, "EXPORT", key, "1");
    }
    sb::config::setProfileString(store.file, "KONFIG", "LISTVIEW", "11$0$1$2$3$4$5$6$7$8$9$10$");
    sb::config::setProfileString(store.file, "SUCHEN", "SOLL", "3");
    sb::config::setProfileString(store.file, "Ritzelrechner", "UMFANG", "2.10");
    sb::config::setProfileString(store.file, "X_Y_DIAGRAMM", "Anzahl_Bereich", "4");
    for (int i = 0; i < 6; ++i) {
        sb::config::setProfileString(store.file, "X_Y_DIAGRAMM", "Max_Bereich" + std::to_string(i),
                                     std::to_string(120 + 15 * i));
    }
    sb::config::saveAllSettings(store, diagram, "/home/anna/Saisonbuch/Planung_2011.sb3");
    return path;
}

std::string writeFullRoutes() {
    const std::string path = benchFile("strecke.cfg");
    sb::config::RouteStore routes;
    for (int i = 0; i < sb::config::kRouteCount; ++i) {
        routes.routes[i] = {5.0f + 0.7f * static_cast<float>(i),
                            "Trainingsrunde Nummer " + std::to_string(i)};
    }
    sb::config::saveRoutes(routes, path);
    return path;
}

void loadWholeConfiguration(benchmark::State& state) {
    const std::string path = writeRealisticConfig();
    for (auto _ : state) {
        sb::config::ConfigStore store;
        sb::config::DiagramChoice diagram;
        sb::config::openConfigFile(store, path);
        sb::config::loadAllSettings(store, diagram);
        sb::config::loadPulseZones(store);
        benchmark::DoNotOptimize(store.pulseZones.lower[5]);
    }
}
BENCHMARK(loadWholeConfiguration)->Unit(benchmark::kMicrosecond);

void loadHundredRoutes(benchmark::State& state) {
    const std::string path = writeFullRoutes();
    for (auto _ : state) {
        sb::config::RouteStore routes;
        sb::config::loadRoutes(routes, path);
        benchmark::DoNotOptimize(routes.routes[99].lengthKm);
    }
}
BENCHMARK(loadHundredRoutes)->Unit(benchmark::kMicrosecond);

}  // namespace
