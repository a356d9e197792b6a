// Control ids of the day editor: one table row per sport block, the day block, the date row and the
// buttons. The ids are shared by all eight templates, so one procedure serves them all.
#pragma once

#include "model/training_year.h"

namespace sb::editor {

// The controls of one sport block; 0 where the block has no such control.
struct SportControls {
    model::Sport sport;
    model::SportEntry model::DayRecord::*entry;
    int hours;
    int minutes;
    int distance;
    int height;
    int pulse;
    int route;
    int content;
    int planned;
    int actual;
    int load;
    int average;
    int energy;
    // Messages of the rejected fields, as the user has always seen them.
    const char* pulseMessage;
    const char* timeMessage;
    const char* distanceMessage;
};

inline constexpr SportControls kBikeControls{model::kBike,
                                             &model::DayRecord::bike,
                                             206,
                                             207,
                                             200,
                                             205,
                                             201,
                                             202,
                                             210,
                                             208,
                                             209,
                                             211,
                                             203,
                                             204,
                                             "Eingabefehler im Feld Radsport->Puls",
                                             "Eingabefehler im Feld Radsport->Zeit (0-24 oder 0-59)",
                                             "Eingabefehler im Feld Radsport->Distanz (0-500km)"};
inline constexpr SportControls kRunControls{model::kRun,
                                            &model::DayRecord::run,
                                            225,
                                            226,
                                            220,
                                            0,
                                            221,
                                            222,
                                            229,
                                            227,
                                            228,
                                            230,
                                            223,
                                            224,
                                            "Eingabefehler im Feld Laufen->Puls",
                                            "Eingabefehler im Feld Laufen->Zeit (0-24 oder 0-59)",
                                            "Eingabefehler im Feld Laufen->Distanz (0-500km)"};
inline constexpr SportControls kSwimControls{model::kSwim,
                                             &model::DayRecord::swim,
                                             265,
                                             266,
                                             260,
                                             0,
                                             261,
                                             262,
                                             269,
                                             267,
                                             268,
                                             270,
                                             0,
                                             0,
                                             "Eingabefehler im Feld Schwimmen->Puls",
                                             "Eingabefehler im Feld Schwimm->Zeit (0-24 oder 0-59)",
                                             "Eingabefehler im Feld Schwimmen->Distanz (0-500km)"};
inline constexpr SportControls kOtherControls{model::kOther,
                                              &model::DayRecord::other,
                                              243,
                                              244,
                                              240,
                                              0,
                                              242,
                                              241,
                                              248,
                                              246,
                                              247,
                                              249,
                                              0,
                                              0,
                                              "Eingabefehler im Feld sonstiger Sport->Puls",
                                              "Eingabefehler im Feld sonstiger Sport->Zeit (0-24 oder 0-59)",
                                              "Eingabefehler im Feld Sonstiger Sport->Distanz  (0-500km)"};

inline const SportControls& sportControls(model::Sport sport) {
    switch (sport) {
        case model::kBike:
            return kBikeControls;
        case model::kRun:
            return kRunControls;
        case model::kSwim:
            return kSwimControls;
        default:
            return kOtherControls;
    }
}

namespace control {
constexpr int bodyWeight = 280;
constexpr int restingPulse = 281;
constexpr int weather = 282;
constexpr int comment = 283;
constexpr int week = 284;
constexpr int weekday = 285;
constexpr int day = 286;
constexpr int month = 287;
constexpr int year = 288;
constexpr int tenBack = 290;
constexpr int back = 291;
constexpr int goToDate = 292;
constexpr int forward = 293;
constexpr int tenForward = 294;
constexpr int help = 295;
constexpr int ok = 296;
constexpr int cancel = 297;
constexpr int apply = 298;
}  // namespace control

// Most characters each field takes: the bytes the stored value may hold, less the terminating NUL.
namespace field_length {
constexpr int text = 198;
constexpr int time = 2;
constexpr int pulse = 4;
constexpr int number = 9;  // distances, height, weight
}  // namespace field_length

// Help topic of the day editor in the program's help.
constexpr int kDayEditorHelpTopic = 22;

}  // namespace sb::editor
