// From track points to the recording table. Distance and altitude are levels that hold between the
// points that state them, so a point without one keeps the last value; heart rate, cadence, power and
// temperature are measured per point, so a point without one shows 0 (no signal).
#include "recordings/activity_track.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/training_year.h"

namespace sb::recordings {

namespace {

constexpr double kEarthRadiusMetres = 6371000.0;
constexpr double kKmhPerMs = 3.6;
constexpr double kSecondsPerHour = 3600;

double pathMetres(const TrackPoint& from, const TrackPoint& to) {
    constexpr double kRadians = std::numbers::pi / 180;
    const double lat1 = *from.latitude * kRadians, lat2 = *to.latitude * kRadians;
    const double halfDLat = (lat2 - lat1) / 2;
    const double halfDLon = (*to.longitude - *from.longitude) * kRadians / 2;
    const double a = std::sin(halfDLat) * std::sin(halfDLat) +
                     std::cos(lat1) * std::cos(lat2) * std::sin(halfDLon) * std::sin(halfDLon);
    return 2 * kEarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(a)));
}

// Metres at each point: the file's own distances, or the path along the positions when it states
// none. Empty until the first point that gives one.
std::vector<std::optional<double>> distancesOf(const std::vector<TrackPoint>& points) {
    const bool stated =
        std::any_of(points.begin(), points.end(), [](const TrackPoint& p) { return p.distance; });
    std::vector<std::optional<double>> distances;
    distances.reserve(points.size());
    std::optional<double> last;
    const TrackPoint* previousPosition = nullptr;
    for (const TrackPoint& point : points) {
        if (stated && point.distance) {
            last = point.distance;
        } else if (!stated && point.latitude) {
            last = previousPosition ? *last + pathMetres(*previousPosition, point) : 0.0;
            previousPosition = &point;
        }
        distances.push_back(last);
    }
    return distances;
}

template <typename Value>
std::optional<Value> firstOf(const std::vector<TrackPoint>& points, std::optional<Value> TrackPoint::*field) {
    for (const TrackPoint& point : points)
        if (point.*field) return point.*field;
    return std::nullopt;
}

template <typename Value>
bool anyOf(const std::vector<TrackPoint>& points, std::optional<Value> TrackPoint::*field) {
    return firstOf(points, field).has_value();
}

// The files keep UTC. A diary day is the athlete's own day, so the date and start time are the
// computer's local time (the C library's, honouring TZ), as the watch showed them.
void setLocalStart(double utcSeconds, ActivityInfo& info) {
    tzset();
    const time_t seconds = static_cast<time_t>(std::floor(utcSeconds));
    struct tm local {};
    if (localtime_r(&seconds, &local)) setActivityStart(local, info);
}

int capabilitiesOf(const std::vector<TrackPoint>& points, bool hasDistance) {
    int bits = capability::cyclingData;  // the axis menus offer their quantities only with this bit
    if (hasDistance || anyOf(points, &TrackPoint::speed)) bits |= capability::speed;
    if (anyOf(points, &TrackPoint::cadence)) bits |= capability::cadence;
    if (anyOf(points, &TrackPoint::altitude)) bits |= capability::altitude;
    if (anyOf(points, &TrackPoint::power)) bits |= capability::power;
    if (anyOf(points, &TrackPoint::temperature)) bits |= capability::temperature;
    return bits;
}

}  // namespace

void setPosition(TrackPoint& point, std::optional<double> latitude, std::optional<double> longitude) {
    if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180) return;
    point.latitude = latitude;
    point.longitude = longitude;
}

bool holdsMeasurement(const TrackPoint& point) {
    return point.latitude || point.heartRate || point.distance || point.altitude || point.cadence ||
           point.speed || point.power || point.temperature;
}

int planSportOf(std::string_view sportName) {
    std::string name;
    for (char c : sportName) name += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const auto has = [&name](std::string_view word) { return name.find(word) != std::string::npos; };
    if (has("bik") || has("cycl") || has("ride") || has("rad")) return model::kBike;
    if (has("run") || has("lauf")) return model::kRun;
    if (has("swim") || has("schwimm")) return model::kSwim;
    if (has("other")) return model::kOther;
    return 0;
}

void buildActivityTable(const std::vector<TrackPoint>& points, RecordingTable& table, ActivityInfo& info) {
    const std::vector<std::optional<double>> distances = distancesOf(points);
    const std::optional<double> start = firstOf(points, &TrackPoint::time);
    double seconds = 0, km = 0, kmh = 0;
    double altitude = firstOf(points, &TrackPoint::altitude).value_or(0);
    table.clear();
    table.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TrackPoint& point = points[i];
        const double lastSeconds = seconds, lastKm = km;
        if (point.time) seconds = *point.time - *start;
        km = distances[i].value_or(0) / 1000;
        altitude = point.altitude.value_or(altitude);
        // Points of the same second keep the speed before them; a distance that shrinks is no motion.
        if (point.speed)
            kmh = *point.speed * kKmhPerMs;
        else if (i > 0 && seconds > lastSeconds)
            kmh = std::max(0.0, (km - lastKm) / (seconds - lastSeconds) * kSecondsPerHour);
        RecordingSample sample{};
        sample[kTimeSlot] = float(seconds);
        sample[kHeartRateSlot] = float(point.heartRate.value_or(0));
        sample[kSpeedSlot] = float(kmh);
        sample[kDistanceSlot] = float(km);
        sample[kCadenceSlot] = float(point.cadence.value_or(0));
        sample[kAltitudeSlot] = float(altitude);
        sample[kPowerSlot] = float(point.power.value_or(0));
        sample[kTemperatureSlot] = float(point.temperature.value_or(0));
        table.push_back(sample);
    }
    keepSaneValues(table);
    if (start) setLocalStart(*start, info);
    info.capabilities = capabilitiesOf(points, distances.back().has_value());
    info.durationSeconds = seconds;
    info.distanceKm = km;
}

}  // namespace sb::recordings
