// The common services every feature calls: message boxes, file, colour and print dialogs, modal and
// modeless dialogs, property sheets, popup menus, help, the one timer, the wait cursor and quitting.
// Texts crossing this interface are UTF-8; the Qt implementation shows them, the headless one answers
// from a script and records every call.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/printer.h"

namespace sb::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Stop };
enum class Answer { Ok, Cancel, Yes, No };

struct FileFilter {
    std::string description;  // "Saisonbuch (*.sb3)"
    std::string patterns;     // "*.sb3", several separated by ';'
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string proposedName;
    std::string defaultExtension;  // without the dot
};

// Codes of lastFileDialogError(), named after the platform codes the program reports.
namespace dialog_error {
constexpr unsigned none = 0;  // cancelled by the user
constexpr unsigned dialogFailure = 0xFFFF;
constexpr unsigned initialization = 0x0002;
constexpr unsigned memAllocFailure = 0x0009;
constexpr unsigned invalidFileName = 0x3002;
constexpr unsigned bufferTooSmall = 0x3003;
}  // namespace dialog_error

using CustomColours = std::array<Colour, 16>;

enum class ColourOutcome { Chosen, Cancelled, Failed };

struct ColourChoice {
    ColourOutcome outcome = ColourOutcome::Cancelled;
    Colour colour = 0;  // the chosen colour; the initial one otherwise
};

class Services {
  public:
    virtual ~Services() = default;

    virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                              Icon icon) = 0;
    // A question whose buttons carry their own texts, the first the default, the last the cancel:
    // the index of the button pressed; closing the box counts as the last.
    virtual int askChoice(const std::string& text, const std::string& title,
                          const std::vector<std::string>& buttons, Icon icon) = 0;

    // The chosen path, or nothing when the user cancelled or the dialog failed.
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    // Why the last file dialog returned nothing: dialog_error::none when the user cancelled.
    virtual unsigned lastFileDialogError() const = 0;

    // The colour dialog, fully opened with a help button, preset to `initial`. The sixteen custom
    // colours are shown and take back whatever the user changed in them.
    virtual ColourChoice chooseColour(Colour initial, CustomColours& customColours) = 0;

    virtual PrintResult print(const PrintRequest& request) = 0;

    // Runs the dialog until its procedure calls end(); returns the result given there.
    virtual int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) = 0;
    // Creates and shows the dialog and runs its init before returning.
    virtual std::unique_ptr<ModelessDialog> openModeless(const DialogTemplate& dialog,
                                                         DialogProcedure& procedure) = 0;
    // dialogOk or dialogCancel.
    virtual int runPropertySheet(const PropertySheet& sheet) = 0;

    // A popup menu at the mouse cursor; the chosen item's id, or 0 when none was chosen.
    virtual int popupMenu(const std::vector<MenuItem>& items) = 0;

    // Shows the help file at a numbered topic, or at its contents page for topic 0. false when the
    // help file cannot be shown (the caller reports it).
    virtual bool showHelp(const std::string& helpFile, int topic) = 0;

    // The program's one timer: `onTimeout` runs every `milliseconds` until stopTimer. Starting it
    // again replaces interval and callback.
    virtual void startTimer(int milliseconds, std::function<void()> onTimeout) = 0;
    virtual void stopTimer() = 0;

    virtual void setWaitCursor(bool waiting) = 0;

    // Leaves the main loop once the current event is handled; the program exits with `exitCode`.
    virtual void quit(int exitCode) = 0;
};

// Holds the wait cursor for the lifetime of a scope, so every return path restores the arrow.
class WaitCursor {
  public:
    explicit WaitCursor(Services& services) : services_(services) { services_.setWaitCursor(true); }
    ~WaitCursor() { services_.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Services& services_;
};

}  // namespace sb::platform
