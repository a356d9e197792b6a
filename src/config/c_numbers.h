// Number texts of the configuration and route files: the C conversions (atoi, atof, "%d", "%.1f") with
// the "C" locale's rules whatever locale the process runs under, and without undefined behaviour on
// out-of-range input.
#pragma once

#include <string>
#include <string_view>

namespace sb::config {

// atoi: leading blanks, a sign and digits; no digits give 0. Values beyond int saturate.
int atoiC(std::string_view text);
// atof under the "C" locale (decimal point '.'); no number gives 0.
double atofC(std::string_view text);
// "%d"
std::string formatInt(int value);
// "%.1f"
std::string formatOneDecimal(double value);

}  // namespace sb::config
