// What every caller of the standard file and print dialogs shares: the message for a file dialog that
// failed, the question asked before an existing file is replaced, and the message for a printer that
// could not be set up.
#pragma once

#include <string>

#include "platform/services.h"

namespace sb::platform {

// After a file dialog that returned no file: nothing when the user cancelled, else the failure's
// code name in a message box.
void reportDialogError(platform::Services& services);
// The message text for a file-dialog error code.
std::string dialogErrorText(unsigned code);

// true to go on writing: the file does not exist or the user agreed to replace it.
bool askOverwrite(platform::Services& services, const std::string& path);

// The print dialog gave no printer because it failed (not because the user cancelled).
void reportPrinterFailure(platform::Services& services, platform::Icon icon = platform::Icon::Exclamation);

}  // namespace sb::platform
