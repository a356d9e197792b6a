// Number texts of every file and field: the C conversions (atoi, atof, "%d", "%.Nf") with the "C"
// locale's rules whatever locale the process runs under (the GUI toolkit switches it to the user's,
// where the decimal point may be a comma), and without undefined behaviour on out-of-range input.
#pragma once

#include <string>
#include <string_view>

namespace sb::fileio {

// atoi: leading blanks, a sign and digits up to the first other character; no digits give 0. Values
// beyond int saturate.
int atoiC(std::string_view text);
// atof: leading blanks, a sign and the longest number; no number gives 0. Like atof it reads "nan" and
// "inf" and overflows to infinity, so a caller that checks a range rejects them.
double atofC(std::string_view text);
// atof into a float field of a file: as atofC, but what a float cannot hold finitely reads as 0.
float atofFloatC(std::string_view text);

// "%d"
std::string formatInt(int value);
void appendInt(std::string& out, int value);
// "%.Nf" with N = decimals, rounded as printf rounds.
std::string formatFixed(double value, int decimals);
void appendFixed(std::string& out, double value, int decimals);

}  // namespace sb::fileio
