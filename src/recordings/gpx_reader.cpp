// The GPX reader. Every track and segment of the file is one recording, in file order: a pause that
// starts a new segment is still the same activity.
#include "recordings/gpx_reader.h"

#include <utility>
#include <vector>

#include "recordings/activity_track.h"
#include "recordings/activity_xml.h"

namespace sb::recordings {

namespace {

const std::string kFormat = "GPX";

void readExtension(const pugi::xml_node& element, TrackPoint& point) {
    const std::string_view name = localName(element);
    if (name == "hr") point.heartRate = numberOf(element);
    if (name == "cad" || name == "cadence") point.cadence = numberOf(element);
    if (name == "atemp" || name == "temp") point.temperature = numberOf(element);
    if (name == "power" || name == "PowerInWatts") point.power = numberOf(element);
    if (name == "speed") point.speed = numberOf(element);
    if (name == "distance") point.distance = numberOf(element);
}

TrackPoint trackPointOf(const pugi::xml_node& node) {
    TrackPoint point;
    setPosition(point, numberOfText(node.attribute("lat").value()),
                numberOfText(node.attribute("lon").value()));
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = localName(child);
        if (name == "time") point.time = isoTimeSeconds(child.text().get());
        if (name == "ele") point.altitude = numberOf(child);
        if (name == "extensions")
            forEachDescendant(child,
                              [&point](const pugi::xml_node& element) { readExtension(element, point); });
    }
    return point;
}

void forEachTrackPoint(const pugi::xml_node& gpx, const std::function<void(const pugi::xml_node&)>& visit) {
    forEachChild(gpx, "trk", [&visit](const pugi::xml_node& track) {
        forEachChild(track, "trkseg", [&visit](const pugi::xml_node& segment) { forEachChild(segment, "trkpt", visit); });
    });
}

std::string sportOf(const pugi::xml_node& gpx) {
    std::string sport = trimmedText(childNamed(childNamed(gpx, "trk"), "type"));
    return sport.empty() ? trimmedText(childNamed(childNamed(gpx, "metadata"), "type")) : sport;
}

}  // namespace

ActivityReadResult parseGpxRecording(std::string bytes, RecordingTable& table, ActivityInfo& info) {
    pugi::xml_document document;
    const ActivityReadResult loaded = loadActivityXml(bytes, kFormat, document);
    if (!loaded.ok) return loaded;
    const pugi::xml_node gpx = document.document_element();
    std::size_t count = 0;
    forEachTrackPoint(gpx, [&count](const pugi::xml_node&) { ++count; });
    // Reserved, so the points never stand twice beside the document while the vector grows.
    std::vector<TrackPoint> points;
    points.reserve(count);
    forEachTrackPoint(gpx, [&points](const pugi::xml_node& node) {
        TrackPoint point = trackPointOf(node);
        if (holdsMeasurement(point)) points.push_back(point);
    });
    if (points.empty()) return {false, noRecordingMessage(kFormat)};

    ActivityInfo newInfo;
    newInfo.format = kFormat;
    newInfo.sport = sportOf(gpx);
    newInfo.planSport = planSportOf(newInfo.sport);
    newInfo.device = gpx.attribute("creator").value();
    releaseXml(document, bytes);
    RecordingTable newTable;
    buildActivityTable(points, newTable, newInfo);
    table = std::move(newTable);
    info = std::move(newInfo);
    return {true, {}};
}


}  // namespace sb::recordings
