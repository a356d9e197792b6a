// The options page "Puls-Bereiche": up to five heart-rate zones for the X-Y diagram, each with its upper
// bound and colour. Zones are added and removed at the top only; the lower bounds follow from the upper
// bound of the zone below.
#pragma once

#include <array>
#include <string>

#include "config/config_store.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::options {

namespace pulse_zones_page {
constexpr int kZoneCount = 5;
constexpr int firstCheck = 1300;         // zone k (1…5): 1300 + k − 1
constexpr int firstLowerField = 1100;    // zone k: 1100 + 2(k − 1), always disabled
constexpr int firstUpperField = 1101;    // zone k: 1101 + 2(k − 1)
constexpr int firstSwatch = 1160;        // zone k: 1160 + k − 1
constexpr int firstColourButton = 1310;  // zone k: 1310 + k − 1
}  // namespace pulse_zones_page

const platform::DialogTemplate& pulseZonesPageTemplate();

class PulseZonesPage : public platform::DialogProcedure {
  public:
    PulseZonesPage(config::ConfigStore& settings, platform::CustomColours& customColours)
        : settings_(settings), customColours_(customColours) {}
    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    bool pageMayLeave(platform::DialogHost& host) override;
    void pageLeave(platform::DialogHost& host) override;

  private:
    void applyZoneCount(platform::DialogHost& host);
    void upperBoundEdited(platform::DialogHost& host, int zone);
    void showLowerBounds(platform::DialogHost& host);
    void showColours(platform::DialogHost& host);

    config::ConfigStore& settings_;
    platform::CustomColours& customColours_;
    int count_ = 0;
    std::array<std::string, pulse_zones_page::kZoneCount> upperTexts_;  // as last accepted in the fields
    std::array<int, pulse_zones_page::kZoneCount> colours_{};
};

}  // namespace sb::options
