// Qt's own German texts (file, colour and print dialogs, standard buttons), loaded once at start-up.
#pragma once

class QCoreApplication;

namespace sb::platform::qt {

// Installs qtbase_de from Qt's translations folder; false when it is not installed (the dialogs then
// show English texts, the program's own texts stay German).
bool installGermanTranslations(QCoreApplication& application);

}  // namespace sb::platform::qt
