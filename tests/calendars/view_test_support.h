// A 2008 plan, settings with the default types, and clicks given in the grid's logical units, for the
// tests of the calendar views.
#pragma once

#include <memory>

#include "config/config_store.h"
#include "model/training_year.h"
#include "platform/headless/headless_dialog_host.h"

namespace sb::calendars::testing {

inline std::unique_ptr<model::TrainingYear> plan2008(int version = 3) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = 2008;
    year->planFileVersion = version;
    year->planLoaded = 1;
    return year;
}

inline config::ConfigStore defaultSettings(int sportMode = 5) {
    config::ConfigStore settings;
    settings.sportMode = sportMode;
    settings.trainingTypeLabels = model::defaultTrainingTypeLabels();
    settings.trainingTypeColours = model::defaultTrainingTypeColours();
    return settings;
}

// A click on the grid canvas (control 3) at a point of the grid, 1400 × 1000 unless `layout` says otherwise.
inline void clickGrid(platform::headless::HeadlessDialogHost& host, int x, int y,
                      platform::Size layout = {1400, 1000}) {
    const platform::Size size = host.clientSize(3);
    const platform::Mapping grid{{0, 0}, layout, {0, 0}, size};
    host.click(3, platform::toDevice(grid, platform::Point{x, y}));
}

}  // namespace sb::calendars::testing
