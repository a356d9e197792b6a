// Every test program runs in the same surroundings, however it is started: UTC, the "C" locale, Qt
// without a display, and the paths of the test data, the command-line tool and the program
// (each may be overridden from outside).
#include <cstdlib>

namespace {

const bool environmentReady = [] {
    setenv("TZ", "UTC", 1);
    setenv("LC_ALL", "C", 1);
    setenv("LANG", "C", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SAISONBUCH_TEST_DATA", SAISONBUCH_TEST_DATA_DIR, 0);
    setenv("SAISONBUCH_CLI", SAISONBUCH_CLI_PATH, 0);
    setenv("SAISONBUCH_PROGRAM", SAISONBUCH_PROGRAM_PATH, 0);
    return true;
}();

}  // namespace
