// Services without a screen: answers come from a script the test sets up before running a command,
// and every call is logged, so a test can assert exactly which messages appeared in which order.
// An unexpected step (no scripted answer left) is recorded as a failure instead of blocking.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

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

class HeadlessServices : public Services {
public:
    // Answers for the coming message boxes, in order. A box with only an OK button needs no answer.
    void answerMessages(std::vector<Answer> answers);
    // The paths (or cancels, as nullopt) the coming file dialogs return, in order.
    void answerFileDialogs(std::vector<std::optional<std::string>> paths);

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    void setWaitCursor(bool waiting) override;

    const std::vector<LoggedMessage>& messages() const { return messages_; }
    std::vector<std::string> messageTexts() const;
    const std::vector<LoggedFileDialog>& fileDialogs() const { return fileDialogs_; }
    // Steps that had no scripted answer, and answers that were never used.
    std::vector<std::string> unexpected() const;
    bool waitCursorShown() const { return waitCursorShown_; }
    bool waitCursorActive() const { return waitDepth_ > 0; }
    void clearLog();

private:
    std::optional<std::string> nextPath(bool save, const FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> paths_;
    std::vector<LoggedMessage> messages_;
    std::vector<LoggedFileDialog> fileDialogs_;
    std::vector<std::string> unexpected_;
    int waitDepth_ = 0;
    bool waitCursorShown_ = false;
};

}  // namespace sb::platform::headless
