// The standard routes file strecke.cfg. Saving may tidy what a damaged file holds once (a line break in
// a name becomes a blank), but a second save must keep the routes exactly.
#include <cmath>

#include "config/route_store.h"
#include "fuzz_target.h"
#include "scratch_folder.h"

namespace {

bool sameLength(float a, float b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

sb::config::RouteStore savedAndReadBack(const sb::config::RouteStore& routes, const std::string& path) {
    sb::config::RouteStore reread;
    fuzzRequire(sb::config::saveRoutes(routes, path) == 0);
    sb::config::loadRoutes(reread, path);
    return reread;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sb::config;
    const std::string path = scratchFile("strecke.cfg", fuzzBytes(data, size));
    RouteStore routes;
    loadRoutes(routes, path);
    for (const StandardRoute& route : routes.routes) fuzzRequire(route.name.size() < kRouteNameWidth);
    const RouteStore once = savedAndReadBack(routes, path);
    const RouteStore twice = savedAndReadBack(once, path);
    for (int i = 0; i < kRouteCount; ++i) {
        fuzzRequire(twice.routes[i].name == once.routes[i].name);
        fuzzRequire(sameLength(twice.routes[i].lengthKm, once.routes[i].lengthKm));
    }
    return 0;
}
