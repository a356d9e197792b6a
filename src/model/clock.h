// Today's date. Every use of "today" goes through here, so tests can fix the date.
#pragma once

#include <functional>

namespace sb::model {

struct CivilDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

// Today in UTC from the system clock, or from the function a test installed.
CivilDate today();
// An empty function restores the system clock.
void setClock(std::function<CivilDate()> clock);

}  // namespace sb::model
