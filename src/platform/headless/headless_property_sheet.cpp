// Page switching, OK and Cancel of a headless property sheet.
#include "platform/headless/headless_property_sheet.h"

#include <string>

#include "platform/headless/headless_services.h"

namespace sb::platform::headless {

HeadlessPropertySheet::HeadlessPropertySheet(const PropertySheet& sheet, HeadlessServices& services)
    : caption_(sheet.caption), services_(services) {
    for (const PropertyPage& page : sheet.pages) {
        titles_.push_back(page.title);
        hosts_.push_back(
            std::make_shared<HeadlessDialogHost>(*page.dialogTemplate, *page.procedure, services));
        hosts_.back()->forbidEnd();
        initialised_.push_back(false);
    }
}

HeadlessDialogHost& HeadlessPropertySheet::page(int index) {
    if (!initialised_.at(size_t(index))) {
        services_.reportUnexpected(caption_ + ": page " + std::to_string(index) +
                                   " used before it was shown");
    }
    return *hosts_.at(size_t(index));
}

bool HeadlessPropertySheet::endedAlready(const char* action) {
    if (ended_) services_.reportUnexpected(caption_ + ": " + action + " after the sheet ended");
    return ended_;
}

void HeadlessPropertySheet::show(int index) {
    current_ = index;
    if (!initialised_[size_t(index)]) {
        initialised_[size_t(index)] = true;
        hosts_[size_t(index)]->open();
    }
}

void HeadlessPropertySheet::open(int startPage) {
    if (hosts_.empty()) return;
    show(startPage >= 0 && startPage < pageCount() ? startPage : 0);
}

bool HeadlessPropertySheet::leaveCurrent() {
    HeadlessDialogHost& left = *hosts_[size_t(current_)];
    bool mayLeave = true;
    left.deliver([&](DialogProcedure& procedure) { mayLeave = procedure.pageMayLeave(left); });
    if (!mayLeave) return false;
    left.deliver([&left](DialogProcedure& procedure) { procedure.pageLeave(left); });
    return true;
}

void HeadlessPropertySheet::selectPage(int index) {
    if (endedAlready("choosing a page")) return;
    if (index < 0 || index >= pageCount()) {
        services_.reportUnexpected(caption_ + ": there is no page " + std::to_string(index));
        return;
    }
    if (index == current_ || !leaveCurrent()) return;
    show(index);
}

void HeadlessPropertySheet::ok() {
    if (endedAlready("OK")) return;
    if (current_ >= 0 && !leaveCurrent()) return;
    ended_ = true;
    result_ = dialogOk;
}

void HeadlessPropertySheet::cancel() {
    if (endedAlready("Cancel")) return;
    for (size_t i = 0; i < hosts_.size(); ++i) {
        if (!initialised_[i]) continue;
        HeadlessDialogHost& page = *hosts_[i];
        page.deliver([&page](DialogProcedure& procedure) { procedure.pageCancel(page); });
    }
    ended_ = true;
    result_ = dialogCancel;
}

void HeadlessPropertySheet::detach() {
    for (auto& host : hosts_) host->detach();
}

}  // namespace sb::platform::headless
