// The common services on Qt: message boxes, file, colour and print dialogs, dialogs from templates,
// property sheets, popup menus, help, the program's one timer, the wait cursor and quitting.
// Every dialog gets services of its own whose message boxes it owns; all of them share one timer,
// one help window and the last file-dialog error.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/services.h"

namespace sb::platform::qt {

struct SharedServiceState;

class QtServices : public Services {
  public:
    // Needs a QApplication. `owner` (may be null: the active window) owns the dialogs shown.
    explicit QtServices(QWidget* owner = nullptr);
    QtServices(QWidget* owner, std::shared_ptr<SharedServiceState> shared);
    ~QtServices() override;

    void setOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }
    // Services for dialogs owned by `owner`, sharing timer, help window and file-dialog error.
    std::unique_ptr<QtServices> forOwner(QWidget* owner) const;

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    int askChoice(const std::string& text, const std::string& title, const std::vector<std::string>& buttons,
                  Icon icon) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    unsigned lastFileDialogError() const override;
    ColourChoice chooseColour(Colour initial, CustomColours& customColours) override;
    PrintResult print(const PrintRequest& request) override;
    int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) override;
    std::unique_ptr<ModelessDialog> openModeless(const DialogTemplate& dialog,
                                                 DialogProcedure& procedure) override;
    int runPropertySheet(const PropertySheet& sheet) override;
    int popupMenu(const std::vector<MenuItem>& items) override;
    bool showHelp(const std::string& helpFile, int topic) override;
    void startTimer(int milliseconds, std::function<void()> onTimeout) override;
    void stopTimer() override;
    void setWaitCursor(bool waiting) override;
    void quit(int exitCode) override;

  private:
    QWidget* dialogOwner() const;

    QPointer<QWidget> owner_;
    std::shared_ptr<SharedServiceState> shared_;
};

}  // namespace sb::platform::qt
