// Qt's own German texts and date formats (file, colour and print dialogs, standard buttons), chosen
// once at start-up whatever the machine's locale.
#pragma once

class QCoreApplication;

namespace sb::platform::qt {

// Installs qtbase_de from Qt's translations folder; false when it is not installed (the dialogs then
// show English texts, the program's own texts stay German).
bool installGermanTranslations(QCoreApplication& application);

// Qt's file dialog writes dates in the system locale, which Qt reads from the environment: this makes
// that German. Call it before the application object exists. Numbers in files do not depend on it.
void chooseGermanSystemLocale();

}  // namespace sb::platform::qt
