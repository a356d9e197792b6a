// The standard routes: 100 named training routes with their lengths, kept in strecke.cfg in the program
// directory. Sections STRECKE_0 … STRECKE_99, each with STRECKEN_NAME and STRECKEN_LAENGE ("%.1f").
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sb::config {

constexpr int kRouteCount = 100;
constexpr std::size_t kRouteNameWidth = 200;  // bytes with the terminating NUL: names hold at most 199

struct StandardRoute {
    float lengthKm = 0;  // km
    std::string name;    // Windows-1252; empty = the slot is free
};

struct RouteStore {
    std::array<StandardRoute, kRouteCount> routes;
};

// Missing keys give an empty name and length 0; names are cut to 199 bytes. Nothing is written back.
void loadRoutes(RouteStore& store, const std::string& path);
// Writes all 100 slots, free ones as an empty name and 0.0; other content of the file is kept.
// Returns 0 on success and 1 on failure.
int saveRoutes(const RouteStore& store, const std::string& path);

}  // namespace sb::config
