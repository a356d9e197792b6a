// What the command dispatcher asks of the main window: the seam between the program's logic and the
// Qt window (and the headless window of the tests). Texts are UTF-8.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/menu.h"

namespace sb::shell {

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // The whole menu bar as built, greyed and checked.
    virtual void setMenuBar(const std::vector<platform::MenuItem>& menuBar) = 0;
    // Enabled state of the toolbar button of a command; ids without a button are ignored.
    virtual void setToolbarButtonEnabled(int commandId, bool enabled) = 0;
    virtual void setToolbarVisible(bool visible) = 0;
    virtual void setStatusBarVisible(bool visible) = 0;
    virtual void setTitle(const std::string& title) = 0;
    // The three parts of the status bar.
    virtual void setStatusTexts(const std::array<std::string, 3>& parts) = 0;
    // The toolbar's value box (week or month number).
    virtual std::string valueBoxText() const = 0;
    virtual void setValueBoxText(const std::string& text) = 0;
    // Client area in device pixels; paint requests come back through the window's paint event.
    virtual platform::Size clientSize() const = 0;
    // Height of the window's title bar in device pixels; the start logo is centred as if the client
    // area reached up over it.
    virtual int captionHeight() const = 0;
    virtual void repaint() = 0;
    // Runs dispatchCommand with this id once the current event has been handled.
    virtual void postCommand(int commandId) = 0;
    // Closes the window for good (after the exit flow decided so).
    virtual void destroy() = 0;
};

}  // namespace sb::shell
