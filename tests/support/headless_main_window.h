// A main window without a screen for the tests: it keeps what the program last told it (menu bar,
// toolbar buttons, status texts, value box) and counts repaints, posted commands and its destruction.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "shell/main_window_view.h"

namespace sb::testing {

class HeadlessMainWindow : public shell::MainWindowView {
  public:
    void setMenuBar(const std::vector<platform::MenuItem>& menuBar) override { menuBar_ = menuBar; }
    void setToolbarButtonEnabled(int commandId, bool enabled) override {
        toolbarEnabled_[commandId] = enabled;
    }
    void setToolbarVisible(bool visible) override {
        // A re-created toolbar starts with every button enabled.
        if (visible && !toolbarVisible_) toolbarEnabled_.clear();
        toolbarVisible_ = visible;
    }
    void setStatusBarVisible(bool) override {}
    void setTitle(const std::string& title) override { title_ = title; }
    void setStatusTexts(const std::array<std::string, 3>& parts) override { statusTexts_ = parts; }
    std::string valueBoxText() const override { return valueBox_; }
    void setValueBoxText(const std::string& text) override { valueBox_ = text; }
    platform::Size clientSize() const override { return {1200, 800}; }
    int captionHeight() const override { return 20; }
    void repaint() override { ++repaints_; }
    void postCommand(int commandId) override { posted_.push_back(commandId); }
    void destroy() override { destroyed_ = true; }

    // --- For the test
    bool toolbarButtonEnabled(int commandId) const {
        auto found = toolbarEnabled_.find(commandId);
        return found == toolbarEnabled_.end() || found->second;
    }
    const std::vector<platform::MenuItem>& menuBar() const { return menuBar_; }
    // The menu item with this id; fails the test when the menu bar has none.
    const platform::MenuItem& menuItem(int commandId) const {
        static const platform::MenuItem missing;
        const platform::MenuItem* item = platform::findMenuItem(menuBar_, commandId);
        EXPECT_NE(nullptr, item) << "no menu item " << commandId;
        return item ? *item : missing;
    }
    bool hasMenuItem(int commandId) const { return platform::findMenuItem(menuBar_, commandId) != nullptr; }
    const std::string& title() const { return title_; }
    const std::array<std::string, 3>& statusTexts() const { return statusTexts_; }
    int repaints() const { return repaints_; }
    const std::vector<int>& postedCommands() const { return posted_; }
    bool destroyed() const { return destroyed_; }

  private:
    std::vector<platform::MenuItem> menuBar_;
    std::map<int, bool> toolbarEnabled_;
    bool toolbarVisible_ = false;
    std::string title_;
    std::array<std::string, 3> statusTexts_;
    std::string valueBox_;
    int repaints_ = 0;
    std::vector<int> posted_;
    bool destroyed_ = false;
};

}  // namespace sb::testing
