// Builds the options sheet from its pages. The custom colours of the colour chooser live as long as the
// sheet, so both colour pages share what the user put into them.
#include "options/options_sheet.h"

#include "options/colour_chooser.h"
#include "options/general_pages.h"
#include "options/pulse_zones_page.h"
#include "options/training_types_page.h"

namespace sb::options {

bool hasPulseZonesPage(const config::ConfigStore& settings) {
    return settings.polarSupport == 1 || settings.bikeComputerSupport == 1;
}

void openOptions(platform::Services& services, config::ConfigStore& settings, int startPage) {
    platform::CustomColours customColours = defaultCustomColours();
    WorkspacePage workspace(settings);
    SportPage sport(settings);
    StylePage style(settings);
    DisplayPage display(settings);
    TrainingTypesPage trainingTypes(settings, customColours);
    PulseZonesPage pulseZones(settings, customColours);
    platform::PropertySheet sheet{kOptionsCaption,
                                  {
                                      {"Arbeitsbereich", &workspacePageTemplate(), &workspace},
                                      {"Sportart", &sportPageTemplate(), &sport},
                                      {"Darstellung", &stylePageTemplate(), &style},
                                      {"Anzeige", &displayPageTemplate(), &display},
                                      {"Soll/Ist-Bereiche", &trainingTypesPageTemplate(), &trainingTypes},
                                  },
                                  startPage};
    if (hasPulseZonesPage(settings))
        sheet.pages.push_back({"Puls-Bereiche", &pulseZonesPageTemplate(), &pulseZones});
    services.runPropertySheet(sheet);
}

}  // namespace sb::options
