// The training-types page. Labels are kept as the configuration keeps them: Windows-1252 bytes, at most
// 49 of them.
#include "options/training_types_page.h"

#include "fileio/c_numbers.h"
#include "model/text_encoding.h"
#include "options/colour_chooser.h"
#include "options/options_sheet.h"

namespace sb::options {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = training_types_page;

constexpr std::size_t kLabelLength = config::buffer::label - 1;

}  // namespace

const platform::DialogTemplate& trainingTypesPageTemplate() {
    static const platform::DialogTemplate page = [] {
        platform::DialogTemplate built{
            "TAB_SOLL_IST_BEREICHE", "Soll/Ist-Bereiche", kOptionsPageWidth, kOptionsPageHeight, {}};
        for (int k = 0; k < config::kTrainingTypeCount; ++k) {
            const int y = 8 + 16 * k;
            built.controls.push_back({platform::staticControlId,
                                      ControlKind::Static,
                                      fileio::formatInt(k + 1) + ". Bereich :",
                                      {8, y + 2, 50, 10}});
            built.controls.push_back({id::firstLabel + k,
                                      ControlKind::Edit,
                                      "",
                                      {60, y, 204, 12},
                                      ControlFlag::TabStop | ControlFlag::PlanText,
                                      int(kLabelLength)});
            built.controls.push_back({id::firstSwatch + k, ControlKind::ColourSwatch, "", {268, y, 16, 12}});
            built.controls.push_back({id::firstColourButton + k,
                                      ControlKind::Button,
                                      "&Farbe",
                                      {290, y, 40, 12},
                                      ControlFlag::TabStop});
        }
        return built;
    }();
    return page;
}

void TrainingTypesPage::init(DialogHost& host) {
    savedLabels_ = settings_.trainingTypeLabels;
    savedColours_ = settings_.trainingTypeColours;
    for (int k = 0; k < config::kTrainingTypeCount; ++k)
        host.setText(id::firstLabel + k, model::cp1252ToUtf8(settings_.trainingTypeLabels[std::size_t(k)]));
    showColours(host);
}

void TrainingTypesPage::command(DialogHost& host, int control, Notification notification) {
    const int label = control - id::firstLabel;
    if (notification == Notification::TextChanged && label >= 0 && label < config::kTrainingTypeCount) {
        settings_.trainingTypeLabels[std::size_t(label)] =
            model::utf8ToCp1252(host.text(control)).substr(0, kLabelLength);
        return;
    }
    const int button = control - id::firstColourButton;
    if (notification != Notification::Clicked || button < 0 || button >= config::kTrainingTypeCount) return;
    int& colour = settings_.trainingTypeColours[std::size_t(button)];
    if (const std::optional<platform::Colour> chosen =
            chooseColour(host.services(), platform::Colour(colour), customColours_)) {
        colour = int(*chosen);
        showColours(host);
        host.repaint(platform::dialogItself);
    }
}

void TrainingTypesPage::pageCancel(DialogHost& host) {
    settings_.trainingTypeLabels = savedLabels_;
    settings_.trainingTypeColours = savedColours_;
}

void TrainingTypesPage::showColours(DialogHost& host) {
    for (int k = 0; k < config::kTrainingTypeCount; ++k)
        host.setSwatchColour(id::firstSwatch + k,
                             platform::Colour(settings_.trainingTypeColours[std::size_t(k)]));
}

}  // namespace sb::options
