// The pulse-zone page. Before it is left, the lower bounds are worked out from the new upper bounds and
// every zone in use is checked against them, so no set of overlapping or inverted zones can be stored.
#include "options/pulse_zones_page.h"

#include <algorithm>

#include "config/settings_table.h"
#include "fileio/c_numbers.h"
#include "options/colour_chooser.h"
#include "options/options_sheet.h"
#include "platform/number_field.h"

namespace sb::options {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
using namespace pulse_zones_page;

// Zone k counts from 1; the rows stand with zone 5 on top.
int rowY(int zone) {
    return 10 + 18 * (kZoneCount - zone);
}

bool isUpperBound(const std::string& text) {
    if (!platform::isNumberText(text) || text.find('.') != std::string::npos) return false;
    const int value = fileio::atoiC(text);
    return config::zoneUpperBoundAllowed(value);
}

// The page writes through the settings table's own rows, so section and key cannot drift from what the
// start-up reads.
void writeThrough(config::ConfigStore& settings, const config::Setting& row, int value) {
    config::writeIntSetting(settings, row.section, row.key, value);
}

}  // namespace

const platform::DialogTemplate& pulseZonesPageTemplate() {
    static const platform::DialogTemplate page = [] {
        platform::DialogTemplate built{
            "TAB_PULS_BEREICHE", "Bereiche", kOptionsPageWidth, kOptionsPageHeight, {}};
        for (int zone = kZoneCount; zone >= 1; --zone) {
            const int y = rowY(zone);
            const int i = zone - 1;
            built.controls.push_back({firstCheck + i,
                                      ControlKind::CheckBox,
                                      "Bereich " + fileio::formatInt(zone),
                                      {10, y, 56, 12},
                                      ControlFlag::TabStop | ControlFlag::ManualCheck});
            built.controls.push_back(
                {platform::staticControlId, ControlKind::Static, "min.", {70, y + 2, 20, 10}});
            built.controls.push_back(
                {firstLowerField + 2 * i, ControlKind::Edit, "", {92, y, 30, 12}, ControlFlag::Disabled, 3});
            built.controls.push_back(
                {platform::staticControlId, ControlKind::Static, "max.", {128, y + 2, 20, 10}});
            built.controls.push_back(
                {firstUpperField + 2 * i, ControlKind::Edit, "", {150, y, 30, 12}, ControlFlag::TabStop, 3, {},
                 "0 bis " + fileio::formatInt(config::kHighestZoneBound)});
            built.controls.push_back({firstSwatch + i, ControlKind::ColourSwatch, "", {188, y, 20, 12}});
            built.controls.push_back({firstColourButton + i,
                                      ControlKind::Button,
                                      "&Farbe",
                                      {214, y, 40, 12},
                                      ControlFlag::TabStop});
        }
        return built;
    }();
    return page;
}

void PulseZonesPage::init(DialogHost& host) {
    config::loadPulseZones(settings_);
    const config::PulseZones& zones = settings_.pulseZones;
    count_ = std::clamp(zones.count, 0, kZoneCount);
    for (int i = 0; i < kZoneCount; ++i) {
        upperTexts_[std::size_t(i)] = fileio::formatInt(zones.upper[std::size_t(i)]);
        colours_[std::size_t(i)] = zones.colours[std::size_t(i)];
        host.setText(firstUpperField + 2 * i, upperTexts_[std::size_t(i)]);
    }
    showLowerBounds(host);
    showColours(host);
    applyZoneCount(host);
}

void PulseZonesPage::command(DialogHost& host, int control, Notification notification) {
    const int field = control - firstUpperField;
    if (notification == Notification::TextChanged && field >= 0 && field % 2 == 0 && field / 2 < kZoneCount) {
        upperBoundEdited(host, field / 2);
        return;
    }
    if (notification != Notification::Clicked) return;
    if (control >= firstCheck && control < firstCheck + kZoneCount) {
        // The click toggled the box; the highest zone still checked decides the count.
        host.setChecked(control, !host.isChecked(control));
        count_ = 0;
        for (int i = 0; i < kZoneCount; ++i) {
            if (host.isChecked(firstCheck + i)) count_ = i + 1;
        }
        applyZoneCount(host);
        return;
    }
    const int zone = control - firstColourButton;
    if (zone < 0 || zone >= kZoneCount) return;
    if (const std::optional<platform::Colour> chosen =
            chooseColour(host.services(), platform::Colour(colours_[std::size_t(zone)]), customColours_)) {
        colours_[std::size_t(zone)] = int(*chosen);
        showColours(host);
        host.repaint(platform::dialogItself);
    }
}

// A bound from 0 to 220 is kept; anything else is undone at once.
void PulseZonesPage::upperBoundEdited(DialogHost& host, int zone) {
    const int control = firstUpperField + 2 * zone;
    const std::string text = host.text(control);
    std::string& accepted = upperTexts_[std::size_t(zone)];
    if (text == accepted) return;
    if (!isUpperBound(text)) {
        host.setText(control, accepted);
        return;
    }
    accepted = text;
    showLowerBounds(host);
}

void PulseZonesPage::applyZoneCount(DialogHost& host) {
    for (int i = 0; i < kZoneCount; ++i) {
        host.setChecked(firstCheck + i, i < count_);
        host.enable(firstUpperField + 2 * i, i < count_);
        host.enable(firstCheck + i, i < std::min(count_ + 1, kZoneCount));
    }
}

void PulseZonesPage::showLowerBounds(DialogHost& host) {
    int lower = 0;
    for (int i = 0; i < kZoneCount; ++i) {
        host.setText(firstLowerField + 2 * i, fileio::formatInt(lower));
        lower = fileio::atoiC(upperTexts_[std::size_t(i)]) + 1;
    }
}

void PulseZonesPage::showColours(DialogHost& host) {
    for (int i = 0; i < kZoneCount; ++i)
        host.setSwatchColour(firstSwatch + i, platform::Colour(colours_[std::size_t(i)]));
}

// Nothing of the zones is written while a zone in use ends below its start: the page stays, with the
// cursor in the bound to mend, and keeps the colours chosen meanwhile.
bool PulseZonesPage::pageMayLeave(DialogHost& host) {
    int lower = 0;
    for (int i = 0; i < count_; ++i) {
        const int upper = fileio::atoiC(upperTexts_[std::size_t(i)]);
        if (upper < lower) {
            host.services().messageBox(
                "Der MAX-Wert für Bereich " + fileio::formatInt(i + 1) + " ist kleiner als der MIN-Wert",
                "Fehler", platform::Buttons::Ok, platform::Icon::Stop);
            host.setFocus(firstUpperField + 2 * i);
            return false;
        }
        lower = upper + 1;
    }
    return true;
}

void PulseZonesPage::pageLeave(DialogHost&) {
    config::PulseZones& zones = settings_.pulseZones;
    if (count_ != zones.count) writeThrough(settings_, config::pulseZoneCountSetting(), count_);
    for (int i = 0; i < kZoneCount; ++i) {
        const int upper = fileio::atoiC(upperTexts_[std::size_t(i)]);
        if (upper != zones.upper[std::size_t(i)]) writeThrough(settings_, config::pulseZoneUpperSetting(i), upper);
    }
    for (int i = 0; i < kZoneCount; ++i)
        if (colours_[std::size_t(i)] != zones.colours[std::size_t(i)])
            writeThrough(settings_, config::pulseZoneColourSetting(i), colours_[std::size_t(i)]);
    config::loadPulseZones(settings_);
}

}  // namespace sb::options
