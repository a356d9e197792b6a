// What one day's values may be wherever they are typed (the day editor, the takeover of a recording,
// the standard routes), and what the user is told about a value outside.
#pragma once

namespace sb::model {

// Distances up to 500 km a day are taken; a standard route must stay below that.
bool dayDistanceAllowed(double km);
bool routeLengthAllowed(double km);
bool pulseAllowed(int bpm);
bool heightAllowed(double metres);
bool hoursAllowed(int hours);
bool minutesAllowed(int minutes);
bool bodyWeightAllowed(double kg);

// The load scale: 0 (none) to 5.
constexpr int kHighestLoad = 5;
bool loadAllowed(int load);

inline constexpr const char* kHeightMessage = "Eingabefehler im Feld Radsport->Höhe (0-10000m)";
inline constexpr const char* kBodyWeightMessage = "Eingabefehler im Feld Körpergewicht";
inline constexpr const char* kRestingPulseMessage = "Eingabefehler im Feld Ruhepuls";
inline constexpr const char* kRouteLengthMessage = "Distanz muss zwischen 0 und 500km liegen.";

}  // namespace sb::model
