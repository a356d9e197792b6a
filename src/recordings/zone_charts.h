// The zone shares as a stacked bar or a pie (dialog DIAGRAMM_X_Y_TORTE): each zone in its colour,
// drawn into the dialog's frame control on every paint.
#pragma once

#include <array>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "recordings/pulse_zones.h"

namespace sb::recordings {

namespace zone_chart_dialog {
constexpr int chart = 3;
constexpr int okButton = 201;
}  // namespace zone_chart_dialog

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
    ZoneChartProcedure(ZoneChart chart, const ZoneStatistics& statistics, const ZoneColours& colours)
        : chart_(chart), statistics_(statistics), colours_(colours) {}

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void paint(platform::DialogHost& host, int id, platform::Canvas& canvas) override;

  private:
    ZoneChart chart_;
    const ZoneStatistics& statistics_;
    const ZoneColours& colours_;
};

}  // namespace sb::recordings
