// Loading and saving the 100 standard routes through the profile-file layer.
#include "config/route_store.h"

#include "fileio/c_numbers.h"
#include "config/profile_file.h"
#include "model/training_year.h"

namespace sb::config {

namespace {

std::string routeSection(int index) {
    return "STRECKE_" + fileio::formatInt(index);
}

}  // namespace

void loadRoutes(RouteStore& store, const std::string& path) {
    const ProfileFile file = loadProfileFile(path);
    for (int i = 0; i < kRouteCount; ++i) {
        const std::string section = routeSection(i);
        StandardRoute& route = store.routes[i];
        std::string name = profileString(file, section, "STRECKEN_NAME").value_or("");
        route.name = model::cutToWidth(std::string_view(name).substr(0, name.find('\0')), kRouteNameWidth);
        route.lengthKm =
            fileio::atofFloatC(profileString(file, section, "STRECKEN_LAENGE").value_or(""));
    }
}

int saveRoutes(const RouteStore& store, const std::string& path) {
    ProfileFile file = loadProfileFile(path);
    for (int i = 0; i < kRouteCount; ++i) {
        const std::string section = routeSection(i);
        const StandardRoute& route = store.routes[i];
        setProfileString(file, section, "STRECKEN_NAME", route.name);
        setProfileString(file, section, "STRECKEN_LAENGE", fileio::formatFixed(route.lengthKm, 1));
    }
    return saveProfileFile(file) ? 0 : 1;
}

}  // namespace sb::config
