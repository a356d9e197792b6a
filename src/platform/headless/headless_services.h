// Services without a screen: answers come from a script the test sets up before running a command,
// and every call is logged, so a test can assert exactly which messages and dialogs appeared in
// which order. An unexpected step (no scripted answer left) is recorded as a failure instead of
// blocking, and so is every scripted answer left unused.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_dialog_host.h"
#include "platform/headless/headless_printer.h"
#include "platform/headless/headless_property_sheet.h"
#include "platform/services.h"

namespace sb::platform::headless {

struct LoggedMessage {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool operator==(const LoggedMessage&) const = default;
};

struct LoggedFileDialog {
    bool save = false;
    FileDialogRequest request;
};

struct LoggedColourDialog {
    Colour initial = 0;
    CustomColours customColours{};
};

struct LoggedHelp {
    std::string helpFile;
    int topic = 0;
    bool operator==(const LoggedHelp&) const = default;
};

// A script plays the user's part while a dialog is open; see HeadlessDialogHost for the actions.
using DialogScript = std::function<void(HeadlessDialogHost&)>;
using SheetScript = std::function<void(HeadlessPropertySheet&)>;

class HeadlessServices : public Services {
  public:
    // --- Scripting, before the command runs. Every answer is used once, in order.
    // Answers for the coming message boxes. A box with only an OK button needs no answer.
    void answerMessages(std::vector<Answer> answers);
    // The button indices the coming askChoice questions return.
    void answerChoices(std::vector<int> indices);
    // The paths (or cancels, as nullopt) the coming file dialogs return.
    void answerFileDialogs(std::vector<std::optional<std::string>> paths);
    // The next file dialog fails with this code (dialog_error) and returns nothing.
    void answerFileDialogError(unsigned code);
    void answerColourDialogs(std::vector<ColourChoice> choices);
    // For the print and set-up dialogs; the default printer comes from setDefaultPrinter.
    void answerPrintDialogs(std::vector<PrintAnswer> answers);
    void setDefaultPrinter(const PrintAnswer& answer) { defaultPrinter_ = answer; }
    // The ids the coming popup menus return (0 = dismissed).
    void answerPopupMenus(std::vector<int> ids);
    // The next opening of the modal dialog `templateName` runs init, then this script. A dialog
    // opened without a script is reported and cancelled without running its procedure; one still
    // open after its script is reported and cancelled.
    void scriptDialog(const std::string& templateName, DialogScript script);
    // A modeless dialog runs this script on every processEvents(); without one it just stays open.
    void scriptModeless(const std::string& templateName, DialogScript script);
    // The next property sheet with this caption: its start page is shown, then the script runs.
    void scriptPropertySheet(const std::string& caption, SheetScript script);
    void setHelpAvailable(bool available) { helpAvailable_ = available; }

    // --- Services
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    int askChoice(const std::string& text, const std::string& title, const std::vector<std::string>& buttons,
                  Icon icon) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    unsigned lastFileDialogError() const override { return lastFileDialogError_; }
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
    void quit(int exitCode) override { quitCode_ = exitCode; }

    // --- Driving what has no modal step
    // Runs the timer's callback as if its interval had passed; reported when no timer runs.
    void fireTimer();

    // --- Reading the log
    // Every modal step in order: "message: TEXT", "file dialog: TITLE", "dialog opened: NAME",
    // "property sheet opened: CAPTION", "colour dialog", "print dialog", "printer set-up",
    // "popup menu", "help: FILE TOPIC".
    const std::vector<std::string>& steps() const { return steps_; }
    const std::vector<LoggedMessage>& messages() const { return messages_; }
    // The button texts of every askChoice question, in order; its text and title are in messages().
    const std::vector<std::vector<std::string>>& choiceButtons() const { return choiceButtons_; }
    std::vector<std::string> messageTexts() const;
    const std::vector<LoggedFileDialog>& fileDialogs() const { return fileDialogs_; }
    const std::vector<LoggedColourDialog>& colourDialogs() const { return colourDialogs_; }
    const std::vector<PrintRequest>& printRequests() const { return printRequests_; }
    const std::deque<PrintedDocument>& printedDocuments() const { return printed_; }
    const std::vector<std::vector<MenuItem>>& popupMenus() const { return popupMenus_; }
    const std::vector<LoggedHelp>& helpCalls() const { return helpCalls_; }
    // Names of the dialogs opened, modal and modeless, in order.
    const std::vector<std::string>& dialogsOpened() const { return dialogsOpened_; }
    // The host of the last opening of a template (property-sheet pages included), kept after it
    // closed so its controls can be read; null when it never opened.
    const HeadlessDialogHost* lastDialog(const std::string& templateName) const;
    bool timerRunning() const { return timerRunning_; }
    int timerInterval() const { return timerInterval_; }
    std::optional<int> quitCode() const { return quitCode_; }
    bool waitCursorShown() const { return waitCursorShown_; }
    bool waitCursorActive() const { return waitDepth_ > 0; }

    // Steps that had no scripted answer, user actions a real dialog would not allow, and answers and
    // scripts that were never used.
    std::vector<std::string> unexpected() const;
    void reportUnexpected(std::string what) { unexpected_.push_back(std::move(what)); }
    // Forgets the log; printed documents stay, since a printer may still be writing to them.
    void clearLog();

  private:
    struct FileAnswer {
        std::optional<std::string> path;
        unsigned error = 0;
    };

    std::optional<std::string> nextPath(bool save, const FileDialogRequest& request);
    void step(std::string what) { steps_.push_back(std::move(what)); }
    PrintResult printerFrom(const PrintAnswer& answer);

    std::deque<Answer> answers_;
    std::deque<int> choiceAnswers_;
    std::vector<std::vector<std::string>> choiceButtons_;
    std::deque<FileAnswer> paths_;
    std::deque<ColourChoice> colourAnswers_;
    std::deque<PrintAnswer> printAnswers_;
    PrintAnswer defaultPrinter_;
    std::deque<int> popupAnswers_;
    std::map<std::string, std::deque<DialogScript>> scripts_;
    std::map<std::string, DialogScript> modelessScripts_;
    std::map<std::string, std::deque<SheetScript>> sheetScripts_;
    std::map<std::string, std::shared_ptr<HeadlessDialogHost>> lastHosts_;
    bool helpAvailable_ = true;

    std::vector<std::string> steps_;
    std::vector<LoggedMessage> messages_;
    std::vector<LoggedFileDialog> fileDialogs_;
    std::vector<LoggedColourDialog> colourDialogs_;
    std::vector<PrintRequest> printRequests_;
    std::deque<PrintedDocument> printed_;
    std::vector<std::vector<MenuItem>> popupMenus_;
    std::vector<LoggedHelp> helpCalls_;
    std::vector<std::string> dialogsOpened_;
    std::vector<std::string> unexpected_;
    unsigned lastFileDialogError_ = 0;

    bool timerRunning_ = false;
    int timerInterval_ = 0;
    std::function<void()> onTimeout_;
    std::optional<int> quitCode_;
    int waitDepth_ = 0;
    bool waitCursorShown_ = false;
};

}  // namespace sb::platform::headless
