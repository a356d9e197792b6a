// A plan, settings and standard routes for driving the day editor through the headless host.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config/config_store.h"
#include "config/route_store.h"
#include "editor/day_editor.h"
#include "editor/day_editor_layout.h"
#include "model/clock.h"
#include "model/training_types.h"
#include "model/training_year.h"
#include "platform/headless/headless_services.h"

namespace sb::editor::testing {

inline constexpr const char* kHelpFile = "help/inhalt.html";

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{14, 5, 2010}; });
        year.planYear = 2009;
        year.planFileVersion = 3;
        settings.trainingTypeLabels = model::defaultTrainingTypeLabels();
        routes.routes[3] = {21.5f, "Waldrunde"};
        routes.routes[7] = {0.0f, "Stadtpark"};
        routes.routes[9] = {42.2f, "M\xFCggelsee"};  // Windows-1252 ü
    }
    // Every test acts only as a user could: no typing into disabled fields, no dialog left open.
    void TearDown() override {
        EXPECT_EQ(services.unexpected(), std::vector<std::string>{});
        model::setClock({});
    }

    // Opens the editor in the form `templateName` and runs `script` in it; returns the dialog's result.
    int runEditor(const std::string& templateName, platform::headless::DialogScript script) {
        const auto& layouts = dayEditorLayouts();
        const auto layout = std::find_if(layouts.begin(), layouts.end(),
                                         [&](const DayEditorLayout& l) { return l.templateName == templateName; });
        EXPECT_NE(layout, layouts.end()) << templateName;
        services.scriptDialog(templateName, std::move(script));
        return openDayEditor(services, *layout, {year, settings, routes, kHelpFile});
    }

    std::vector<std::string> messages() const { return services.messageTexts(); }

    model::TrainingYear year;
    config::ConfigStore settings;
    config::RouteStore routes;
    platform::headless::HeadlessServices services;
};

}  // namespace sb::editor::testing
