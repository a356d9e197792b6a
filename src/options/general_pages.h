// The four options pages whose values are taken when the page is left: "Arbeitsbereich" (start-up and
// history length), "Sportart", "Darstellung" (chart style) and "Anzeige" (recording menus). Values that
// the page writes at once go to train.cfg on leaving; the rest wait for the save at exit.
#pragma once

#include "config/config_store.h"
#include "platform/dialog.h"

namespace sb::options {

namespace workspace_page {
constexpr int autoLoad = 1300;
constexpr int autoOpenDayEditor = 1301;
constexpr int historyLength = 1350;
}  // namespace workspace_page

namespace sport_page {
constexpr int firstSport = 101;  // 101 Rad … 105 Triathlon, SportMode 1…5
constexpr int basic = 106;
}  // namespace sport_page

namespace style_page {
constexpr int firstStyle = 1300;  // 1300 Balken, 1301 3D-Balken, 1302 Linien: DisplayStyle 1…3
}  // namespace style_page

namespace display_page {
constexpr int heartRateMonitor = 1300;
constexpr int bikeComputer = 1301;
}  // namespace display_page

const platform::DialogTemplate& workspacePageTemplate();
const platform::DialogTemplate& sportPageTemplate();
const platform::DialogTemplate& stylePageTemplate();
const platform::DialogTemplate& displayPageTemplate();

class WorkspacePage : public platform::DialogProcedure {
  public:
    explicit WorkspacePage(config::ConfigStore& settings) : settings_(settings) {}
    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void pageLeave(platform::DialogHost& host) override;

  private:
    config::ConfigStore& settings_;
    std::string lengthText_;  // the history length as last accepted in the field
};

class SportPage : public platform::DialogProcedure {
  public:
    explicit SportPage(config::ConfigStore& settings) : settings_(settings) {}
    void init(platform::DialogHost& host) override;
    void pageLeave(platform::DialogHost& host) override;

  private:
    config::ConfigStore& settings_;
};

class StylePage : public platform::DialogProcedure {
  public:
    explicit StylePage(config::ConfigStore& settings) : settings_(settings) {}
    void init(platform::DialogHost& host) override;
    void pageLeave(platform::DialogHost& host) override;

  private:
    config::ConfigStore& settings_;
};

class DisplayPage : public platform::DialogProcedure {
  public:
    explicit DisplayPage(config::ConfigStore& settings) : settings_(settings) {}
    void init(platform::DialogHost& host) override;
    void pageLeave(platform::DialogHost& host) override;

  private:
    config::ConfigStore& settings_;
};

}  // namespace sb::options
