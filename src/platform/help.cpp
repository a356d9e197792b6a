// Help with the one failure message.
#include "platform/help.h"

namespace sb::platform {

void showHelpTopic(Services& services, const std::string& helpFile, int topic) {
    if (!services.showHelp(helpFile, topic))
        services.messageBox("Fehler beim Öffnen der\nHilfe-Datei", "Fehler", Buttons::Ok, Icon::Exclamation);
}

}  // namespace sb::platform
