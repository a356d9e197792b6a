// The system clock in UTC, replaceable by tests.
#include "model/clock.h"

#include <ctime>

namespace sb::model {
namespace {
std::function<CivilDate()>& installedClock() {
    static std::function<CivilDate()> clock;
    return clock;
}
}  // namespace

CivilDate today() {
    if (installedClock()) return installedClock()();
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_mday, utc.tm_mon + 1, utc.tm_year + 1900};
}

void setClock(std::function<CivilDate()> clock) { installedClock() = std::move(clock); }

}  // namespace sb::model
