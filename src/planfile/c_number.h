// Numbers as the plan files hold them: printf-style "%i" and "%.Nf" text and the atoi/atof reading of
// a field's leading number. Done without the C library's locale-dependent calls, so a German locale
// set by the GUI toolkit cannot turn the decimal point into a comma.
#pragma once

#include <string>
#include <string_view>

namespace sb::planfile {

// "%i" of value.
void appendInt(std::string& out, int value);
// "%.Nf" of value with N = decimals, rounded as printf rounds.
void appendFixed(std::string& out, double value, int decimals);

// atoi: leading blanks, an optional sign, then digits up to the first other character; no digits -> 0.
// Values beyond the int range saturate.
int parseLeadingInt(std::string_view text);
// atof into a float field: leading blanks, an optional sign, then the longest number; no number -> 0.
// Results that a float cannot hold as a finite number (inf, nan, 1e300) read as 0.
float parseLeadingFloat(std::string_view text);

}  // namespace sb::planfile
