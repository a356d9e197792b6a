// The numbers of the main window's commands. Menus, toolbar, shortcuts and the dispatcher name them
// from here; the numbers themselves are kept because the toolbar layout and presets refer to them.
#pragma once

namespace sb::shell::cmd {

constexpr int kStartup = 9;

// "&Datei"
constexpr int kNewPlan = 10;
constexpr int kOpenPlan = 11;
constexpr int kSavePlan = 12;
constexpr int kSavePlanAs = 13;
constexpr int kExportSpreadsheet = 14;
constexpr int kExportHtml = 15;
constexpr int kPrintOverview = 16;
constexpr int kExit = 17;
constexpr int kPrintDiagram = 18;  // toolbar only
constexpr int kFirstHistoryEntry = 20;
constexpr int kLastHistoryEntry = 28;

// "&Bearbeiten"
constexpr int kAthleteData = 30;
constexpr int kPlanningView = 31;
constexpr int kTrainingDays = 32;

// "&Ansicht"
constexpr int kWeekList = 40;
constexpr int kMonthList = 41;
constexpr int kYearList = 42;
constexpr int kShowWeekOfYearDiagram = 43;
constexpr int kShowMonthOfYearDiagram = 44;
constexpr int kShowMonthDiagram = 45;
constexpr int kShowWeekDiagram = 46;
constexpr int kControlView = 47;
constexpr int kLoadView = 39;  // "&Belastungsverlauf": a window of its own, not a diagram kind

// The five user presets (toolbar, F5…F9) and, while one is active, the kinds of its diagram.
constexpr int kFirstPreset = 48;
constexpr int kLastPreset = 52;
constexpr int kPresetWeekOfYearDiagram = 53;
constexpr int kPresetMonthOfYearDiagram = 54;
constexpr int kPresetWeekDiagram = 55;
constexpr int kPresetMonthDiagram = 56;

constexpr int kSearch = 57;

// "&Tools"
constexpr int kStandardRoutes = 58;
constexpr int kOdometers = 59;
constexpr int kBasalMetabolism = 60;
constexpr int kBodyMassIndex = 61;
constexpr int kWaistHipRatio = 62;
constexpr int kGearCalculator = 63;

// "&Extras"
constexpr int kToggleToolbar = 64;
constexpr int kToggleStatusBar = 65;
constexpr int kOptions = 66;

// "&Hilfe"
constexpr int kHelpContents = 70;
constexpr int kTour = 71;
constexpr int kAbout = 73;

// "&Pulsuhr" and "&Radcomputer"
constexpr int kShowHeartRateFile = 74;
constexpr int kOpenHeartRateFile = 75;
constexpr int kHeartRateFileInfo = 76;
constexpr int kHeartRateEvaluation = 77;
constexpr int kShowBikeComputerFile = 82;
constexpr int kOpenBikeComputerFile = 83;
constexpr int kBikeComputerFileInfo = 84;
constexpr int kBikeComputerEvaluation = 85;
constexpr int kTakeOverTraining = 86;  // in both menus: the recording read last

// "&X-Achse" and "&Y-Achse" of the X-Y diagram.
constexpr int kXyAxisTime = 90;
constexpr int kXyAxisDistance = 91;
constexpr int kXyAxisPulse = 92;
constexpr int kXyAxisBikeDistance = 93;
constexpr int kXyAxisSpeed = 94;
constexpr int kXyAxisCadence = 95;
constexpr int kXyAxisAltitude = 96;
constexpr int kXyAxisPower = 97;
constexpr int kXyAxisBalance = 98;
constexpr int kXyAxisTemperature = 99;

// "&Y-Achse" of the bar diagrams.
constexpr int kAxisKmBike = 209;
constexpr int kAxisKmRun = 210;
constexpr int kAxisKmSwim = 211;
constexpr int kAxisKmOther = 212;
constexpr int kAxisCountBike = 213;
constexpr int kAxisCountRun = 214;
constexpr int kAxisCountSwim = 215;
constexpr int kAxisCountOther = 216;
constexpr int kAxisCountTotal = 217;
constexpr int kAxisTime = 218;
constexpr int kAxisTimeBike = 219;
constexpr int kAxisTimeRun = 220;
constexpr int kAxisTimeSwim = 221;
constexpr int kAxisTimeOther = 222;
constexpr int kAxisTimeTotal = 223;
constexpr int kAxisTimeBySport = 224;
constexpr int kAxisWeight = 225;
constexpr int kAxisRestingPulse = 226;
constexpr int kAxisClimbing = 227;
constexpr int kAxisLoad = 228;
constexpr int kAxisLoadBike = 229;
constexpr int kAxisLoadRun = 230;
constexpr int kAxisLoadSwim = 231;
constexpr int kAxisLoadOther = 232;
constexpr int kAxisAverageWeight = 233;
constexpr int kAxisAverageRestingPulse = 234;
constexpr int kAxisActualKmBike = 235;
constexpr int kAxisActualKmRun = 236;
constexpr int kAxisActualKmSwim = 237;
constexpr int kAxisActualKmOther = 238;
constexpr int kAxisActualTimeBike = 239;
constexpr int kAxisActualTimeRun = 240;
constexpr int kAxisActualTimeSwim = 241;
constexpr int kAxisActualTimeOther = 242;

// The toolbar's week/month navigation: the value box (Enter shows the number typed) and its arrows.
constexpr int kValueBox = 251;
constexpr int kNextPeriod = 253;
constexpr int kPreviousPeriod = 254;

}  // namespace sb::shell::cmd
