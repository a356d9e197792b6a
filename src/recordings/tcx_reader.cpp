// The TCX reader. The laps' totals give duration and distance, since they leave out the pauses the
// trackpoints' times include; the samples give them only when a file has no totals.
#include "recordings/tcx_reader.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "recordings/activity_track.h"
#include "recordings/activity_xml.h"

namespace sb::recordings {

namespace {

const std::string kFormat = "TCX";

std::optional<double> childNumber(const pugi::xml_node& parent, std::string_view name) {
    return numberOf(childNamed(parent, name));
}

void readExtension(const pugi::xml_node& element, TrackPoint& point) {
    const std::string_view name = localName(element);
    if (name == "Speed") point.speed = numberOf(element);
    if (name == "Watts") point.power = numberOf(element);
    if (name == "RunCadence" && !point.cadence) point.cadence = numberOf(element);
}

// One pass over the trackpoint's children, whatever their order.
TrackPoint trackPointOf(const pugi::xml_node& node) {
    TrackPoint point;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = localName(child);
        if (name == "Time") point.time = isoTimeSeconds(child.text().get());
        if (name == "Position")
            setPosition(point, childNumber(child, "LatitudeDegrees"), childNumber(child, "LongitudeDegrees"));
        if (name == "AltitudeMeters") point.altitude = numberOf(child);
        if (name == "DistanceMeters") point.distance = numberOf(child);
        if (name == "HeartRateBpm") point.heartRate = childNumber(child, "Value");
        if (name == "Cadence") point.cadence = numberOf(child);
        if (name == "Extensions")
            forEachDescendant(child,
                              [&point](const pugi::xml_node& element) { readExtension(element, point); });
    }
    return point;
}

// The sums of the laps' totals; a missing or negative total adds nothing.
struct LapTotals {
    double seconds = 0;
    double metres = 0;
};

void forEachTrackpoint(const pugi::xml_node& activity, const std::function<void(const pugi::xml_node&)>& visit) {
    forEachChild(activity, "Lap", [&visit](const pugi::xml_node& lap) {
        forEachChild(lap, "Track", [&visit](const pugi::xml_node& track) { forEachChild(track, "Trackpoint", visit); });
    });
}

void addLap(const pugi::xml_node& lap, LapTotals& totals) {
    totals.seconds += std::max(0.0, childNumber(lap, "TotalTimeSeconds").value_or(0));
    totals.metres += std::max(0.0, childNumber(lap, "DistanceMeters").value_or(0));
}

}  // namespace

ActivityReadResult parseTcxRecording(std::string bytes, RecordingTable& table, ActivityInfo& info) {
    pugi::xml_document document;
    const ActivityReadResult loaded = loadActivityXml(bytes, kFormat, document);
    if (!loaded.ok) return loaded;
    const pugi::xml_node activity =
        childNamed(childNamed(document.document_element(), "Activities"), "Activity");
    LapTotals totals;
    forEachChild(activity, "Lap", [&totals](const pugi::xml_node& lap) { addLap(lap, totals); });
    std::size_t count = 0;
    forEachTrackpoint(activity, [&count](const pugi::xml_node&) { ++count; });
    // Reserved, so the points never stand twice beside the document while the vector grows.
    std::vector<TrackPoint> points;
    points.reserve(count);
    forEachTrackpoint(activity, [&points](const pugi::xml_node& node) {
        TrackPoint point = trackPointOf(node);
        if (holdsMeasurement(point)) points.push_back(point);
    });
    if (points.empty()) return {false, noRecordingMessage(kFormat)};

    ActivityInfo newInfo;
    newInfo.format = kFormat;
    newInfo.sport = activity.attribute("Sport").value();
    newInfo.planSport = planSportOf(newInfo.sport);
    newInfo.device = trimmedText(childNamed(childNamed(activity, "Creator"), "Name"));
    releaseXml(document, bytes);
    RecordingTable newTable;
    buildActivityTable(points, newTable, newInfo);
    if (totals.seconds > 0) newInfo.durationSeconds = totals.seconds;
    if (totals.metres > 0) newInfo.distanceKm = totals.metres / 1000;
    table = std::move(newTable);
    info = std::move(newInfo);
    return {true, {}};
}


}  // namespace sb::recordings
