// The zone shares as a stacked bar or a pie (dialog DIAGRAMM_X_Y_TORTE): each zone in its colour,
// drawn into the dialog's frame control on every paint.
#pragma once

#include <array>
#include <string>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "recordings/pulse_zones.h"

namespace sb::recordings {

namespace zone_chart_dialog {
constexpr int chart = 3;
constexpr int okButton = 201;
constexpr int setUpButton = 208;
constexpr int noZonesNote = 1300;
}  // namespace zone_chart_dialog

// Ends the evaluation and its charts when the user asks to set the zones up.
constexpr int kSetUpZones = 3;

// What the evaluation and its charts say while no zone is set up.
constexpr const char* kNoZonesNote = "Keine Puls-Bereiche eingestellt (Extras › Optionen › Puls-Bereiche).";

// Seconds as h:mm:ss, rounded to the second.
std::string formatZoneTime(double seconds);

enum class ZoneChart { Bar, Pie };

using ZoneColours = std::array<platform::Colour, kMaxPulseZones>;

// On a canvas of `size` device pixels, one logical unit per pixel.
void drawZoneBar(platform::Canvas& canvas, platform::Size size, const ZoneStatistics& statistics,
                 const ZoneColours& colours);
void drawZonePie(platform::Canvas& canvas, platform::Size size, const ZoneStatistics& statistics,
                 const ZoneColours& colours);

const platform::DialogTemplate& zoneChartTemplate();

class ZoneChartProcedure : public platform::DialogProcedure {
  public:
    // `noZones`: the note stands over the empty chart; `zonesCanBeSetUp`: with the button that ends the
    // dialog with kSetUpZones.
    ZoneChartProcedure(ZoneChart chart, const ZoneStatistics& statistics, const ZoneColours& colours,
                       bool noZones, bool zonesCanBeSetUp)
        : chart_(chart),
          statistics_(statistics),
          colours_(colours),
          noZones_(noZones),
          zonesCanBeSetUp_(zonesCanBeSetUp) {}

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void paint(platform::DialogHost& host, int id, platform::Canvas& canvas) override;

  private:
    ZoneChart chart_;
    const ZoneStatistics& statistics_;
    const ZoneColours& colours_;
    bool noZones_;
    bool zonesCanBeSetUp_;
};

}  // namespace sb::recordings
