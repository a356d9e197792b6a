// The zone evaluation dialog. Rows of zones the athlete does not use stay visible but disabled, so the
// layout does not jump when the zone count changes.
#include "recordings/zone_dialog.h"

#include <algorithm>

#include "fileio/c_numbers.h"
#include "recordings/zone_charts.h"

namespace sb::recordings {

namespace {

using platform::ControlKind;
using platform::DialogRect;
namespace id = zone_dialog;

constexpr int kRowHeight = 16;
constexpr int kFirstRowY = 12;

std::vector<platform::ControlTemplate> controls() {
    using platform::ControlFlag;
    std::vector<platform::ControlTemplate> list;
    for (int k = 0; k < kMaxPulseZones; ++k) {
        const int y = kFirstRowY + k * kRowHeight;
        list.push_back({id::firstLabel + k, ControlKind::Static, "", DialogRect{10, y + 2, 48, 10}});
        list.push_back(
            {id::firstTime + k, ControlKind::Edit, "", DialogRect{60, y, 44, 12}, ControlFlag::ReadOnly});
        list.push_back({id::firstPercentage + k, ControlKind::Edit, "", DialogRect{128, y, 34, 12},
                        ControlFlag::ReadOnly});
        list.push_back({platform::staticControlId, ControlKind::Static, "%", DialogRect{165, y + 2, 10, 10}});
        list.push_back({id::firstRange + k, ControlKind::Static, "", DialogRect{178, y + 2, 56, 10}});
        list.push_back({id::firstSwatch + k, ControlKind::ColourSwatch, "", DialogRect{238, y, 22, 12}});
    }
    const int noteY = kFirstRowY + kMaxPulseZones * kRowHeight + 4;
    list.push_back({id::noZonesNote, ControlKind::Static, kNoZonesNote, DialogRect{10, noteY, 250, 18},
                    ControlFlag::MultiLine | ControlFlag::Hidden});
    const int buttonsY = noteY + kRowHeight + 4;
    list.push_back({id::setUpButton, ControlKind::Button, "&Einstellen...", DialogRect{142, buttonsY, 54, 14},
                    ControlFlag::TabStop | ControlFlag::Hidden});
    list.push_back({id::barButton, ControlKind::Button, "&Balken", DialogRect{10, buttonsY, 60, 14},
                    ControlFlag::TabStop});
    list.push_back({id::pieButton, ControlKind::Button, "&Torte", DialogRect{76, buttonsY, 60, 14},
                    ControlFlag::TabStop});
    list.push_back({id::okButton, ControlKind::DefaultButton, "&OK", DialogRect{200, buttonsY, 60, 14},
                    ControlFlag::TabStop});
    return list;
}

}  // namespace

const platform::DialogTemplate& zoneTemplate() {
    static const platform::DialogTemplate dialog{"DIAGRAMM_X_Y_BEREICH", "Bereich", 270,
                                                 kFirstRowY + kMaxPulseZones * kRowHeight + 50, controls()};
    return dialog;
}

ZoneProcedure::ZoneProcedure(const config::PulseZones& zones, const ZoneStatistics& statistics,
                             bool zonesCanBeSetUp)
    : zones_(zones), statistics_(statistics), zonesCanBeSetUp_(zonesCanBeSetUp) {
    for (int k = 0; k < kMaxPulseZones; ++k) colours_[k] = platform::Colour(zones.colours[k]);
}

void ZoneProcedure::init(platform::DialogHost& host) {
    const int count = std::clamp(zones_.count, 0, kMaxPulseZones);
    host.show(id::noZonesNote, count == 0);
    host.show(id::setUpButton, count == 0 && zonesCanBeSetUp_);
    for (int k = 0; k < kMaxPulseZones; ++k) {
        host.setText(id::firstLabel + k, "Bereich " + std::to_string(k + 1) + " :");
        host.setText(id::firstTime + k, formatZoneTime(statistics_.times[k]));
        host.setText(id::firstPercentage + k, fileio::formatFixed(statistics_.percentages[k], 1));
        host.setText(id::firstRange + k,
                     "(" + std::to_string(zones_.lower[k]) + " - " + std::to_string(zones_.upper[k]) + ")");
        host.setSwatchColour(id::firstSwatch + k, colours_[k]);
        if (k < count) continue;
        for (int first :
             {id::firstLabel, id::firstTime, id::firstPercentage, id::firstRange, id::firstSwatch})
            host.enable(first + k, false);
    }
}

void ZoneProcedure::command(platform::DialogHost& host, int control, platform::Notification notification) {
    if (notification != platform::Notification::Clicked) return;
    if (control == id::okButton) {
        host.end(platform::dialogOk);
    } else if (control == id::setUpButton) {
        host.end(kSetUpZones);
    } else if (control == id::barButton || control == id::pieButton) {
        const bool noZones = zones_.count <= 0;
        ZoneChartProcedure chart(control == id::barButton ? ZoneChart::Bar : ZoneChart::Pie, statistics_,
                                 colours_, noZones, noZones && zonesCanBeSetUp_);
        if (host.services().runModal(zoneChartTemplate(), chart) == kSetUpZones) host.end(kSetUpZones);
    }
}

bool showZoneEvaluation(platform::Services& services, const config::PulseZones& zones,
                        const ZoneStatistics& statistics, bool zonesCanBeSetUp) {
    ZoneProcedure procedure(zones, statistics, zonesCanBeSetUp);
    return services.runModal(zoneTemplate(), procedure) == kSetUpZones;
}

}  // namespace sb::recordings
