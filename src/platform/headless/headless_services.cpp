// Scripted answers and the call log of the headless services.
#include "platform/headless/headless_services.h"

namespace sb::platform::headless {

void HeadlessServices::answerMessages(std::vector<Answer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void HeadlessServices::answerFileDialogs(std::vector<std::optional<std::string>> paths) {
    paths_.insert(paths_.end(), paths.begin(), paths.end());
}

Answer HeadlessServices::messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    messages_.push_back({text, title, buttons, icon});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) {
        unexpected_.push_back("message box without a scripted answer: " + text);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> HeadlessServices::nextPath(bool save, const FileDialogRequest& request) {
    fileDialogs_.push_back({save, request});
    if (paths_.empty()) {
        unexpected_.push_back("file dialog without a scripted path: " + request.title);
        return std::nullopt;
    }
    auto path = paths_.front();
    paths_.pop_front();
    return path;
}

std::optional<std::string> HeadlessServices::openFileName(const FileDialogRequest& request) {
    return nextPath(false, request);
}

std::optional<std::string> HeadlessServices::saveFileName(const FileDialogRequest& request) {
    return nextPath(true, request);
}

void HeadlessServices::setWaitCursor(bool waiting) {
    waitDepth_ += waiting ? 1 : -1;
    if (waiting) waitCursorShown_ = true;
}

std::vector<std::string> HeadlessServices::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages_) texts.push_back(message.text);
    return texts;
}

std::vector<std::string> HeadlessServices::unexpected() const {
    std::vector<std::string> all = unexpected_;
    if (!answers_.empty()) all.push_back(std::to_string(answers_.size()) + " message answers left unused");
    if (!paths_.empty()) all.push_back(std::to_string(paths_.size()) + " file dialog answers left unused");
    return all;
}

void HeadlessServices::clearLog() {
    messages_.clear();
    fileDialogs_.clear();
    unexpected_.clear();
}

}  // namespace sb::platform::headless
