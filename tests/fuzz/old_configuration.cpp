// The earliest version's comma-separated settings file, imported once into the standard routes.
#include <filesystem>

#include "config/configuration_migration.h"
#include "config/route_store.h"
#include "fuzz_target.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sb::config;
    const std::filesystem::path folder = scratchFolder();
    std::filesystem::remove(folder / "strecke.cfg");
    const MigrationPaths paths{scratchFile("train.cfg", fuzzBytes(data, size)), (folder / "train.alt").string(),
                               (folder / "strecke.cfg").string()};
    ConfigStore store;
    RouteStore routes;
    migrateOldConfiguration(store, routes, paths);
    fuzzRequire(store.lastFile.size() < buffer::fileName);
    for (const StandardRoute& route : routes.routes) fuzzRequire(route.name.size() < kRouteNameWidth);
    return 0;
}
