// The zone evaluation (dialog DIAGRAMM_X_Y_BEREICH, "Bereich"): per pulse zone its time, share, range
// and colour, with buttons for the bar and pie charts of the shares.
#pragma once

#include "config/config_store.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "recordings/pulse_zones.h"

namespace sb::recordings {

namespace zone_dialog {
constexpr int okButton = 201;
constexpr int barButton = 206;
constexpr int pieButton = 207;
constexpr int setUpButton = 208;  // opens the options' zone page; shown only where that page exists
constexpr int noZonesNote = 1300;
// Zone k (0…4) of each row.
constexpr int firstTime = 1100;
constexpr int firstPercentage = 1110;
constexpr int firstLabel = 1160;
constexpr int firstRange = 1170;
constexpr int firstSwatch = 1200;
}  // namespace zone_dialog

const platform::DialogTemplate& zoneTemplate();

class ZoneProcedure : public platform::DialogProcedure {
  public:
    ZoneProcedure(const config::PulseZones& zones, const ZoneStatistics& statistics, bool zonesCanBeSetUp);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;

  private:
    const config::PulseZones& zones_;
    const ZoneStatistics& statistics_;
    bool zonesCanBeSetUp_;
    std::array<platform::Colour, kMaxPulseZones> colours_{};
};

// The modal dialog over the statistics of the given series. true: the user asked to set the zones up
// (possible only when `zonesCanBeSetUp`), which the caller then offers.
bool showZoneEvaluation(platform::Services& services, const config::PulseZones& zones,
                        const ZoneStatistics& statistics, bool zonesCanBeSetUp);

}  // namespace sb::recordings
