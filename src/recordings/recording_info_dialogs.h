// The info dialogs ("Info") of a loaded recording: DIAGRAMM_INFO_POLAR for a heart-rate monitor file,
// DIAGRAMM_INFO_RADCOMPUTER for a bike-computer file, DIAGRAMM_INFO_AKTIVITAET for a FIT, TCX or GPX
// file. Every field is read-only; besides "&OK" a button offers to take the recording over as the
// day's training.
#pragma once

#include <string>

#include "platform/dialog.h"
#include "platform/services.h"
#include "recordings/activity_recording.h"
#include "recordings/bike_reader.h"
#include "recordings/hrm_reader.h"

namespace sb::recordings {

namespace info_dialog {
constexpr int okButton = 201;
constexpr int takeOverButton = 202;  // "Als Training übernehmen"
constexpr int fileName = 1000;
constexpr int day = 1001;
constexpr int month = 1002;
constexpr int year = 1003;
constexpr int hours = 1004;  // start time (heart-rate file) or duration (bike computer)
constexpr int minutes = 1005;
constexpr int seconds = 1006;
constexpr int lengthHours = 1007;
constexpr int lengthMinutes = 1008;
constexpr int lengthSeconds = 1009;
constexpr int model = 1010;
constexpr int units = 1011;
constexpr int remark = 1012;
constexpr int circumference = 1013;
constexpr int laps = 1014;
constexpr int sport = 1015;
constexpr int distance = 1016;
constexpr int device = 1017;
}  // namespace info_dialog

const platform::DialogTemplate& polarInfoTemplate();
const platform::DialogTemplate& bikeInfoTemplate();
const platform::DialogTemplate& activityInfoTemplate();

// fileName: the recording's file name without its folder, UTF-8. true when the dialog was closed by
// "Als Training übernehmen".
bool showPolarInfo(platform::Services& services, const std::string& fileName, const PolarRecordingInfo& info);
bool showBikeInfo(platform::Services& services, const std::string& fileName, const BikeRecordingInfo& info);
bool showActivityInfo(platform::Services& services, const std::string& fileName, const ActivityInfo& info);

}  // namespace sb::recordings
