// The info dialogs: fields filled once on opening, "&OK" closes, and so does "Als Training übernehmen"
// with a result of its own; the caller runs the take-over once the dialog is gone.
#include "recordings/recording_info_dialogs.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "fileio/c_numbers.h"
#include "model/text_encoding.h"
#include "model/training_year.h"

namespace sb::recordings {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogHost;
using platform::DialogRect;
namespace id = info_dialog;

constexpr int kLabelX = 10;
constexpr int kFieldX = 62;
constexpr int kRowHeight = 16;
constexpr int kTakeOverResult = 3;

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

ControlTemplate label(const char* text, int row) {
    return {platform::staticControlId, ControlKind::Static, text,
            DialogRect{kLabelX, 12 + row * kRowHeight, 50, 10}};
}

ControlTemplate field(int control, int row, int x, int width) {
    return {control, ControlKind::Edit, "", DialogRect{x, 10 + row * kRowHeight, width, 12},
            platform::ControlFlag::ReadOnly};
}

// Three two-digit fields in a row: day.month.year or hours:minutes:seconds.
void addTriple(std::vector<ControlTemplate>& list, const char* caption, int row, int first, int second,
               int third, int thirdWidth) {
    list.push_back(label(caption, row));
    list.push_back(field(first, row, kFieldX, 18));
    list.push_back(field(second, row, kFieldX + 22, 18));
    list.push_back(field(third, row, kFieldX + 44, thirdWidth));
}

void addButtons(std::vector<ControlTemplate>& list, int row) {
    const int y = 14 + row * kRowHeight;
    list.push_back({id::okButton, ControlKind::DefaultButton, "&OK", DialogRect{56, y, 50, 14},
                    platform::ControlFlag::TabStop});
    list.push_back({id::takeOverButton, ControlKind::Button, "Als &Training übernehmen",
                    DialogRect{112, y, 104, 14}, platform::ControlFlag::TabStop});
}

class InfoProcedure : public platform::DialogProcedure {
  public:
    explicit InfoProcedure(std::function<void(DialogHost&)> fill) : fill_(std::move(fill)) {}
    void init(DialogHost& host) override { fill_(host); }
    void command(DialogHost& host, int control, platform::Notification notification) override {
        if (notification != platform::Notification::Clicked) return;
        if (control == id::okButton) host.end(platform::dialogOk);
        if (control == id::takeOverButton) host.end(kTakeOverResult);
    }

  private:
    std::function<void(DialogHost&)> fill_;
};

void setDate(DialogHost& host, const std::string& fileName, int day, int month, int year) {
    host.setText(id::fileName, fileName);
    host.setText(id::day, twoDigits(day));
    host.setText(id::month, twoDigits(month));
    host.setText(id::year, std::to_string(year));
}

void setClock(DialogHost& host, int first, int hours, int minutes, int seconds) {
    host.setText(first, twoDigits(hours));
    host.setText(first + 1, twoDigits(minutes));
    host.setText(first + 2, twoDigits(seconds));
}

// The plan's name of the sport with the file's own in brackets: "Laufen (running)".
std::string sportText(const ActivityInfo& info) {
    switch (info.planSport) {
        case model::kBike:
            return "Rad (" + info.sport + ")";
        case model::kRun:
            return "Laufen (" + info.sport + ")";
        case model::kSwim:
            return "Schwimmen (" + info.sport + ")";
        case model::kOther:
            return "Alternativ (" + info.sport + ")";
        default:
            return info.sport;
    }
}

void fillActivity(DialogHost& host, const std::string& fileName, const ActivityInfo& info) {
    host.setText(id::fileName, fileName);
    host.setText(id::sport, sportText(info));
    if (info.year != 0) {  // a file without a date leaves date and start time empty
        setDate(host, fileName, info.day, info.month, info.year);
        setClock(host, id::hours, info.startHour, info.startMinute, info.startSecond);
    }
    const long seconds = std::lround(info.durationSeconds);
    setClock(host, id::lengthHours, int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
    host.setText(id::distance, fileio::formatFixed(info.distanceKm, 2));
    host.setText(id::device, info.device);
}

}  // namespace

const platform::DialogTemplate& polarInfoTemplate() {
    static const platform::DialogTemplate dialog = [] {
        std::vector<ControlTemplate> list{label("Datei :", 0), field(id::fileName, 0, kFieldX, 200)};
        addTriple(list, "Datum :", 1, id::day, id::month, id::year, 30);
        addTriple(list, "Startzeit :", 2, id::hours, id::minutes, id::seconds, 18);
        addTriple(list, "Dauer :", 3, id::lengthHours, id::lengthMinutes, id::lengthSeconds, 18);
        list.push_back(label("Model :", 4));
        list.push_back(field(id::model, 4, kFieldX, 80));
        list.push_back(label("Einheiten :", 5));
        list.push_back(field(id::units, 5, kFieldX, 200));
        addButtons(list, 6);
        return platform::DialogTemplate{"DIAGRAMM_INFO_POLAR", "Info", 272, 14 + 6 * kRowHeight + 22, list};
    }();
    return dialog;
}

const platform::DialogTemplate& bikeInfoTemplate() {
    static const platform::DialogTemplate dialog = [] {
        std::vector<ControlTemplate> list{label("Datei :", 0), field(id::fileName, 0, kFieldX, 200)};
        addTriple(list, "Datum :", 1, id::day, id::month, id::year, 30);
        addTriple(list, "Dauer :", 2, id::hours, id::minutes, id::seconds, 18);
        list.push_back(label("Bemerkung :", 3));
        list.push_back(field(id::remark, 3, kFieldX, 200));
        list.push_back(label("Umfang :", 4));
        list.push_back(field(id::circumference, 4, kFieldX, 40));
        list.push_back({platform::staticControlId, ControlKind::Static, "m",
                        DialogRect{kFieldX + 44, 12 + 4 * kRowHeight, 10, 10}});
        list.push_back(label("Lap :", 5));
        list.push_back(field(id::laps, 5, kFieldX, 40));
        addButtons(list, 6);
        return platform::DialogTemplate{"DIAGRAMM_INFO_RADCOMPUTER", "Info", 272, 14 + 6 * kRowHeight + 22,
                                        list};
    }();
    return dialog;
}

const platform::DialogTemplate& activityInfoTemplate() {
    static const platform::DialogTemplate dialog = [] {
        std::vector<ControlTemplate> list{label("Datei :", 0), field(id::fileName, 0, kFieldX, 200)};
        list.push_back(label("Sportart :", 1));
        list.push_back(field(id::sport, 1, kFieldX, 200));
        addTriple(list, "Datum :", 2, id::day, id::month, id::year, 30);
        addTriple(list, "Startzeit :", 3, id::hours, id::minutes, id::seconds, 18);
        addTriple(list, "Dauer :", 4, id::lengthHours, id::lengthMinutes, id::lengthSeconds, 18);
        list.push_back(label("Strecke :", 5));
        list.push_back(field(id::distance, 5, kFieldX, 40));
        list.push_back({platform::staticControlId, ControlKind::Static, "km",
                        DialogRect{kFieldX + 44, 12 + 5 * kRowHeight, 14, 10}});
        list.push_back(label("Gerät :", 6));
        list.push_back(field(id::device, 6, kFieldX, 200));
        addButtons(list, 7);
        return platform::DialogTemplate{"DIAGRAMM_INFO_AKTIVITAET", "Info", 272, 14 + 7 * kRowHeight + 22,
                                        list};
    }();
    return dialog;
}

bool showPolarInfo(platform::Services& services, const std::string& fileName,
                   const PolarRecordingInfo& info) {
    InfoProcedure procedure([&](DialogHost& host) {
        setDate(host, fileName, info.day, info.month, info.year);
        setClock(host, id::hours, info.startHour, info.startMinute, info.startSecond);
        setClock(host, id::lengthHours, info.lengthHours, info.lengthMinutes, info.lengthSeconds);
        host.setText(id::model, info.model);
        host.setText(id::units, (info.modeFlags & capability::usUnits) != 0
                                    ? "US (mph, ft), umgerechnet in km/h und m"
                                    : "metrisch (km/h, m)");
    });
    return services.runModal(polarInfoTemplate(), procedure) == kTakeOverResult;
}

bool showBikeInfo(platform::Services& services, const std::string& fileName, const BikeRecordingInfo& info) {
    InfoProcedure procedure([&](DialogHost& host) {
        setDate(host, fileName, info.day, info.month, info.year);
        setClock(host, id::hours, info.durationHours, info.durationMinutes, info.durationSeconds);
        host.setText(id::remark, model::cp1252ToUtf8(info.remark));
        host.setText(id::circumference, fileio::formatFixed(info.wheelCircumference, 2));
        host.setText(id::laps, std::to_string(info.lapCount));
    });
    return services.runModal(bikeInfoTemplate(), procedure) == kTakeOverResult;
}

bool showActivityInfo(platform::Services& services, const std::string& fileName, const ActivityInfo& info) {
    InfoProcedure procedure([&](DialogHost& host) { fillActivity(host, fileName, info); });
    return services.runModal(activityInfoTemplate(), procedure) == kTakeOverResult;
}

}  // namespace sb::recordings
