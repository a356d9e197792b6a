// A property sheet without a screen: one headless host per page, pages initialised when first shown,
// and the tab switches, OK and Cancel a test script performs, with the page events they cause.
#pragma once

#include <memory>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless_dialog_host.h"

namespace sb::platform::headless {

class HeadlessPropertySheet {
  public:
    HeadlessPropertySheet(const PropertySheet& sheet, HeadlessServices& services);
    HeadlessPropertySheet(const HeadlessPropertySheet&) = delete;
    HeadlessPropertySheet& operator=(const HeadlessPropertySheet&) = delete;

    const std::string& caption() const { return caption_; }
    int pageCount() const { return int(hosts_.size()); }
    const std::string& pageTitle(int index) const { return titles_.at(size_t(index)); }
    // The host of a page; acting on a page that was never shown is reported as unexpected.
    HeadlessDialogHost& page(int index);
    int currentPage() const { return current_; }

    // The user clicks a tab: the shown page is left, the chosen one shown (initialised the first time),
    // unless the shown page refuses to be left.
    void selectPage(int index);
    // OK: the shown page is left, the sheet ends with dialogOk; a page that refuses keeps it open.
    void ok();
    // Cancel or the close box: every initialised page gets pageCancel, the sheet ends with dialogCancel.
    void cancel();
    bool ended() const { return ended_; }
    int result() const { return result_; }

    // Used by HeadlessServices.
    void open(int startPage);
    void detach();
    const std::shared_ptr<HeadlessDialogHost>& sharedPage(int index) const {
        return hosts_.at(size_t(index));
    }

  private:
    void show(int index);
    // Asks the page shown whether it may be left, and if so lets it take its values.
    bool leaveCurrent();
    bool endedAlready(const char* action);

    std::string caption_;
    std::vector<std::string> titles_;
    std::vector<std::shared_ptr<HeadlessDialogHost>> hosts_;
    std::vector<bool> initialised_;
    HeadlessServices& services_;
    int current_ = -1;
    bool ended_ = false;
    int result_ = dialogCancel;
};

}  // namespace sb::platform::headless
