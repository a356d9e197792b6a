// Qt's message box, file, colour and print dialogs behind the common services: German buttons,
// the program's file type lists and the platform error codes the program reports.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

class QWidget;
class QString;

namespace sb::platform::qt {

Answer showMessageBox(QWidget* owner, const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon);
// The buttons carry the given texts; the last one also answers Escape and the close box.
int showChoiceBox(QWidget* owner, const std::string& text, const std::string& title,
                  const std::vector<std::string>& buttons, Icon icon);

// Sets `error` to a dialog_error code, or dialog_error::none when the user cancelled.
std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogRequest& request, bool save,
                                         unsigned& error);
// One Qt name filter: the description as given, followed by its patterns for Qt to parse.
QString nameFilterOf(const FileFilter& filter);

ColourChoice runColourDialog(QWidget* owner, Colour initial, CustomColours& customColours);

PrintResult runPrintDialog(QWidget* owner, const PrintRequest& request);

}  // namespace sb::platform::qt
