// The test main window's bookkeeping.
#include "headless_main_window.h"

#include <gtest/gtest.h>

namespace sb::testing {

void HeadlessMainWindow::setToolbarVisible(bool visible) {
    // A re-created toolbar starts with every button enabled.
    if (visible && !toolbarVisible_) toolbarEnabled_.clear();
    toolbarVisible_ = visible;
}

bool HeadlessMainWindow::toolbarButtonEnabled(int commandId) const {
    auto found = toolbarEnabled_.find(commandId);
    return found == toolbarEnabled_.end() || found->second;
}

bool HeadlessMainWindow::hasMenuItem(int commandId) const {
    return platform::findMenuItem(menuBar_, commandId) != nullptr;
}

const platform::MenuItem& HeadlessMainWindow::menuItem(int commandId) const {
    static const platform::MenuItem missing;
    const platform::MenuItem* item = platform::findMenuItem(menuBar_, commandId);
    EXPECT_NE(nullptr, item) << "no menu item " << commandId;
    return item ? *item : missing;
}

}  // namespace sb::testing
