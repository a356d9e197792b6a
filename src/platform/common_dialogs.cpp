// Error texts of the file dialogs and the overwrite question.
#include "platform/common_dialogs.h"

#include <filesystem>
#include <fstream>

namespace sb::platform {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string dialogErrorText(unsigned code) {
    switch (code) {
        case 0xFFFF:
            return "Code: CDERR_DIALOGFAILURE";
        case 0x0001:
            return "Code: CDERR_STRUCTSIZE";
        case 0x0002:
            return "Code: CDERR_INITIALIZATION";
        case 0x0003:
            return "Code: CDERR_NOTEMPLATE";
        case 0x0004:
            return "Code: CDERR_NOHINSTANCE";
        case 0x0005:
            return "Code: CDERR_LOADSTRFAILURE";
        case 0x0006:
            return "Code: CDERR_FINDRESFAILURE";
        case 0x0007:
            return "Code: CDERR_LOADRESFAILURE";
        case 0x0008:
            return "Code: CDERR_LOCKRESFAILURE";
        case 0x0009:
            return "Code: CDERR_MEMALLOCFAILURE";
        case 0x000A:
            return "Code: CDERR_MEMLOCKFAILURE";
        case 0x000B:
            return "Code: CDERR_NOHOOK";
        case 0x000C:
            return "Code: CDERR_REGISTERMSGFAIL";
        case 0x3001:
            return "Code: FNERR_SUBCLASSFAILURE";
        case 0x3002:
            return "Code: FNERR_INVALIDFILENAME";
        case 0x3003:
            return "Code: FNERR_BUFFERTOOSMALL\n";
        default:
            return "Code: NOT_DEFIENED";
    }
}

void reportDialogError(platform::Services& services) {
    const unsigned code = services.lastFileDialogError();
    if (code == platform::dialog_error::none) return;
    services.messageBox(dialogErrorText(code), "Error", Buttons::Ok, Icon::Stop);
}

bool askOverwrite(platform::Services& services, const std::string& path) {
    if (!std::ifstream(path, std::ios::binary).is_open()) return true;
    const std::string name = std::filesystem::path(path).filename().string();
    return services.messageBox(
               "Die Datei \"" + name + "\" ist schon vorhanden\nWollen Sie die Datei überschrieben?",
               "Frage?", Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

void reportPrinterFailure(platform::Services& services, platform::Icon icon) {
    services.messageBox("Fehler beim Inintialisieren des\nDruckertreibers", "Fehler", Buttons::Ok, icon);
}

}  // namespace sb::platform
