// Scripted answers, dialog runs and the call log of the headless services.
#include "platform/headless/headless_services.h"

namespace sb::platform::headless {

namespace {

class HeadlessModelessDialog : public ModelessDialog {
  public:
    HeadlessModelessDialog(std::shared_ptr<HeadlessDialogHost> host, DialogScript script)
        : host_(std::move(host)), script_(std::move(script)) {}
    ~HeadlessModelessDialog() override { host_->detach(); }

    DialogHost& host() override { return *host_; }
    bool isOpen() const override { return !host_->ended(); }
    void processEvents() override {
        if (script_ && isOpen()) script_(*host_);
    }

  private:
    std::shared_ptr<HeadlessDialogHost> host_;
    DialogScript script_;
};

template <typename T>
void append(std::deque<T>& queue, std::vector<T> values) {
    queue.insert(queue.end(), values.begin(), values.end());
}

void countLeft(std::vector<std::string>& all, size_t count, const std::string& what) {
    if (count > 0) all.push_back(std::to_string(count) + " " + what + " left unused");
}

}  // namespace

void HeadlessServices::answerMessages(std::vector<Answer> answers) {
    append(answers_, std::move(answers));
}

void HeadlessServices::answerChoices(std::vector<int> indices) {
    append(choiceAnswers_, std::move(indices));
}

void HeadlessServices::answerFileDialogs(std::vector<std::optional<std::string>> paths) {
    for (auto& path : paths) paths_.push_back({std::move(path), 0});
}

void HeadlessServices::answerFileDialogError(unsigned code) {
    paths_.push_back({std::nullopt, code});
}

void HeadlessServices::answerColourDialogs(std::vector<ColourChoice> choices) {
    append(colourAnswers_, std::move(choices));
}

void HeadlessServices::answerPrintDialogs(std::vector<PrintAnswer> answers) {
    append(printAnswers_, std::move(answers));
}

void HeadlessServices::answerPopupMenus(std::vector<int> ids) {
    append(popupAnswers_, std::move(ids));
}

void HeadlessServices::scriptDialog(const std::string& templateName, DialogScript script) {
    scripts_[templateName].push_back(std::move(script));
}

void HeadlessServices::scriptModeless(const std::string& templateName, DialogScript script) {
    modelessScripts_[templateName] = std::move(script);
}

void HeadlessServices::scriptPropertySheet(const std::string& caption, SheetScript script) {
    sheetScripts_[caption].push_back(std::move(script));
}

Answer HeadlessServices::messageBox(const std::string& text, const std::string& title, Buttons buttons,
                                    Icon icon) {
    step("message: " + text);
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
    step("file dialog: " + request.title);
    fileDialogs_.push_back({save, request});
    lastFileDialogError_ = dialog_error::none;
    if (paths_.empty()) {
        unexpected_.push_back("file dialog without a scripted path: " + request.title);
        return std::nullopt;
    }
    FileAnswer answer = paths_.front();
    paths_.pop_front();
    lastFileDialogError_ = answer.error;
    return answer.path;
}

int HeadlessServices::askChoice(const std::string& text, const std::string& title,
                                const std::vector<std::string>& buttons, Icon icon) {
    step("message: " + text);
    messages_.push_back({text, title, Buttons::Ok, icon});
    choiceButtons_.push_back(buttons);
    const int last = int(buttons.size()) - 1;
    if (choiceAnswers_.empty()) {
        unexpected_.push_back("question without a scripted answer: " + text);
        return last;
    }
    const int index = choiceAnswers_.front();
    choiceAnswers_.pop_front();
    if (index < 0 || index > last) {
        unexpected_.push_back("no button " + std::to_string(index) + " in: " + text);
        return last;
    }
    return index;
}

std::optional<std::string> HeadlessServices::openFileName(const FileDialogRequest& request) {
    return nextPath(false, request);
}

std::optional<std::string> HeadlessServices::saveFileName(const FileDialogRequest& request) {
    return nextPath(true, request);
}

ColourChoice HeadlessServices::chooseColour(Colour initial, CustomColours& customColours) {
    step("colour dialog");
    colourDialogs_.push_back({initial, customColours});
    if (colourAnswers_.empty()) {
        unexpected_.push_back("colour dialog without a scripted answer");
        return {ColourOutcome::Cancelled, initial};
    }
    ColourChoice choice = colourAnswers_.front();
    colourAnswers_.pop_front();
    if (choice.outcome != ColourOutcome::Chosen) choice.colour = initial;
    return choice;
}

PrintResult HeadlessServices::printerFrom(const PrintAnswer& answer) {
    if (answer.cancelled || answer.error != 0) return {nullptr, answer.cancelled ? 0 : answer.error};
    return {std::make_unique<HeadlessPrinter>(answer, printed_), 0};
}

PrintResult HeadlessServices::print(const PrintRequest& request) {
    printRequests_.push_back(request);
    if (request.kind == PrintDialogKind::DefaultPrinter) return printerFrom(defaultPrinter_);
    step(request.kind == PrintDialogKind::Setup ? "printer set-up" : "print dialog");
    if (printAnswers_.empty()) {
        unexpected_.push_back("print dialog without a scripted answer");
        return {};
    }
    PrintAnswer answer = printAnswers_.front();
    printAnswers_.pop_front();
    return printerFrom(answer);
}

int HeadlessServices::runModal(const DialogTemplate& dialog, DialogProcedure& procedure) {
    step("dialog opened: " + dialog.name);
    dialogsOpened_.push_back(dialog.name);
    auto host = std::make_shared<HeadlessDialogHost>(dialog, procedure, *this);
    lastHosts_[dialog.name] = host;
    auto scripts = scripts_.find(dialog.name);
    if (scripts == scripts_.end() || scripts->second.empty()) {
        unexpected_.push_back("dialog without a script: " + dialog.name);
        host->detach();
        return dialogCancel;
    }
    DialogScript script = std::move(scripts->second.front());
    scripts->second.pop_front();
    host->open();
    if (!host->ended()) script(*host);
    if (!host->ended()) unexpected_.push_back("dialog still open after its script: " + dialog.name);
    host->detach();
    return host->ended() ? host->result() : dialogCancel;
}

std::unique_ptr<ModelessDialog> HeadlessServices::openModeless(const DialogTemplate& dialog,
                                                               DialogProcedure& procedure) {
    step("dialog opened: " + dialog.name);
    dialogsOpened_.push_back(dialog.name);
    auto host = std::make_shared<HeadlessDialogHost>(dialog, procedure, *this);
    lastHosts_[dialog.name] = host;
    host->open();
    auto script = modelessScripts_.find(dialog.name);
    return std::make_unique<HeadlessModelessDialog>(
        host, script == modelessScripts_.end() ? DialogScript() : script->second);
}

int HeadlessServices::runPropertySheet(const PropertySheet& sheet) {
    step("property sheet opened: " + sheet.caption);
    HeadlessPropertySheet headless(sheet, *this);
    for (int i = 0; i < headless.pageCount(); ++i) {
        lastHosts_[sheet.pages[size_t(i)].dialogTemplate->name] = headless.sharedPage(i);
    }
    auto scripts = sheetScripts_.find(sheet.caption);
    if (scripts == sheetScripts_.end() || scripts->second.empty()) {
        unexpected_.push_back("property sheet without a script: " + sheet.caption);
        headless.detach();
        return dialogCancel;
    }
    SheetScript script = std::move(scripts->second.front());
    scripts->second.pop_front();
    headless.open(sheet.startPage);
    script(headless);
    if (!headless.ended())
        unexpected_.push_back("property sheet still open after its script: " + sheet.caption);
    headless.detach();
    return headless.ended() ? headless.result() : dialogCancel;
}

int HeadlessServices::popupMenu(const std::vector<MenuItem>& items) {
    step("popup menu");
    popupMenus_.push_back(items);
    if (popupAnswers_.empty()) {
        unexpected_.push_back("popup menu without a scripted answer");
        return 0;
    }
    int id = popupAnswers_.front();
    popupAnswers_.pop_front();
    if (id == 0) return 0;
    const MenuItem* item = findMenuItem(items, id);
    if (!item || item->greyed) {
        unexpected_.push_back("popup menu answer " + std::to_string(id) + " is no item that can be chosen");
        return 0;
    }
    return id;
}

bool HeadlessServices::showHelp(const std::string& helpFile, int topic) {
    step("help: " + helpFile + " " + std::to_string(topic));
    helpCalls_.push_back({helpFile, topic});
    return helpAvailable_;
}

void HeadlessServices::startTimer(int milliseconds, std::function<void()> onTimeout) {
    timerRunning_ = true;
    timerInterval_ = milliseconds;
    onTimeout_ = std::move(onTimeout);
}

void HeadlessServices::stopTimer() {
    timerRunning_ = false;
}

void HeadlessServices::fireTimer() {
    if (!timerRunning_ || !onTimeout_) {
        unexpected_.push_back("timer fired while none runs");
        return;
    }
    auto callback = onTimeout_;
    callback();
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

const HeadlessDialogHost* HeadlessServices::lastDialog(const std::string& templateName) const {
    auto found = lastHosts_.find(templateName);
    return found == lastHosts_.end() ? nullptr : found->second.get();
}

std::vector<std::string> HeadlessServices::unexpected() const {
    std::vector<std::string> all = unexpected_;
    countLeft(all, answers_.size(), "message answers");
    countLeft(all, choiceAnswers_.size(), "question answers");
    countLeft(all, paths_.size(), "file dialog answers");
    countLeft(all, colourAnswers_.size(), "colour dialog answers");
    countLeft(all, printAnswers_.size(), "print dialog answers");
    countLeft(all, popupAnswers_.size(), "popup menu answers");
    for (const auto& [name, scripts] : scripts_) countLeft(all, scripts.size(), "scripts for " + name);
    for (const auto& [caption, scripts] : sheetScripts_)
        countLeft(all, scripts.size(), "scripts for " + caption);
    return all;
}

void HeadlessServices::clearLog() {
    steps_.clear();
    messages_.clear();
    choiceButtons_.clear();
    fileDialogs_.clear();
    colourDialogs_.clear();
    printRequests_.clear();
    popupMenus_.clear();
    helpCalls_.clear();
    dialogsOpened_.clear();
    unexpected_.clear();
}

}  // namespace sb::platform::headless
