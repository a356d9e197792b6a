// Layout of the list dialogs: the number field with its arrows above the list, the sums in two rows
// of three groups below it, the buttons at the bottom. The list takes the room of an enlarged dialog.
#include "lists/list_dialog_templates.h"

#include <string>
#include <vector>

namespace sb::lists {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::ControlTemplate;
using platform::staticControlId;
namespace id = list_dialog;

constexpr int kWidth = 480;
constexpr int kFieldWidth = 46;

void addSumGroup(std::vector<ControlTemplate>& controls, int x, int y, const char* caption,
                 std::initializer_list<int> fields) {
    controls.push_back(
        {staticControlId, ControlKind::Static, caption, {x, y, 150, 18}, ControlFlag::MultiLine});
    int fieldX = x;
    for (int field : fields) {
        controls.push_back(
            {field, ControlKind::Edit, "", {fieldX, y + 19, kFieldWidth, 12}, ControlFlag::ReadOnly});
        fieldX += kFieldWidth + 4;
    }
}

std::vector<ControlTemplate> listControls(ListKind kind) {
    std::vector<ControlTemplate> controls;
    if (kind != ListKind::Year) {
        const char* label = kind == ListKind::Week ? "Woche:" : "Monat:";
        controls.push_back({staticControlId, ControlKind::Static, label, {8, 8, 30, 10}});
        controls.push_back(
            {id::numberField, ControlKind::Edit, "", {40, 6, 30, 12}, ControlFlag::TabStop, 4});
        controls.push_back(
            {id::previousButton, ControlKind::Button, "<", {74, 6, 16, 12}, ControlFlag::TabStop});
        controls.push_back({id::nextButton, ControlKind::Button, ">", {92, 6, 16, 12}, ControlFlag::TabStop});
        controls.push_back(
            {id::showButton, ControlKind::DefaultButton, "Anzeigen", {112, 6, 50, 12}, ControlFlag::TabStop});
    }
    // The year list has no number field, so its list takes that room too.
    const int listTop = kind == ListKind::Year ? 6 : 24;
    controls.push_back({id::list,
                        ControlKind::ListView,
                        "",
                        {8, listTop, kWidth - 16, 194 - listTop},
                        ControlFlag::TabStop});
    addSumGroup(controls, 8, 200,
                "Radsport\nGes. km / Ges. Zeit / Anz.:", {id::bikeKm, id::bikeHours, id::bikeCount});
    addSumGroup(controls, 168, 200,
                "Laufen\nGes. km / Ges. Zeit / Anz.:", {id::runKm, id::runHours, id::runCount});
    addSumGroup(controls, 328, 200,
                "Schwimmen\nGes. km / Ges. Zeit / Anz.:", {id::swimKm, id::swimHours, id::swimCount});
    addSumGroup(controls, 8, 236, "Alternativsport\nGes. Zeit / Anz.:", {id::otherHours, id::otherCount});
    addSumGroup(controls, 168, 236, "Alle Sportarten\nGes. Zeit / Anz.:", {id::allHours, id::allCount});
    controls.push_back({staticControlId, ControlKind::Static, "Durchschnittsgewicht:", {328, 245, 100, 10}});
    controls.push_back(
        {id::weight, ControlKind::Edit, "", {328, 255, kFieldWidth, 12}, ControlFlag::ReadOnly});
    controls.push_back(
        {id::printButton, ControlKind::Button, "Drucken", {8, 276, 60, 14}, ControlFlag::TabStop});
    controls.push_back(
        {id::htmlButton, ControlKind::Button, "HTML", {72, 276, 60, 14}, ControlFlag::TabStop});
    controls.push_back(
        {id::helpButton, ControlKind::Button, "Hilfe", {kWidth - 132, 276, 60, 14}, ControlFlag::TabStop});
    controls.push_back(
        {id::closeButton, ControlKind::Button, "Beenden", {kWidth - 68, 276, 60, 14}, ControlFlag::TabStop});
    return controls;
}

}  // namespace

const platform::DialogTemplate& listTemplate(ListKind kind) {
    static const platform::DialogTemplate week{"LISTE_WOCHE", "Wochenliste", kWidth, 298,
                                               listControls(ListKind::Week), true};
    static const platform::DialogTemplate month{"LISTE_MONAT", "Monatsliste", kWidth, 298,
                                                listControls(ListKind::Month), true};
    static const platform::DialogTemplate year{"LISTE_JAHR", "Jahresliste", kWidth, 298,
                                               listControls(ListKind::Year), true};
    switch (kind) {
        case ListKind::Week:
            return week;
        case ListKind::Month:
            return month;
        case ListKind::Year:
            break;
    }
    return year;
}

const platform::DialogTemplate& searchTemplate() {
    namespace sid = search_dialog;
    static const platform::DialogTemplate dialog{
        "LISTE_SUCH",
        "Suchliste",
        kWidth,
        272,
        {
            {staticControlId, ControlKind::Static, "Training IST:", {8, 8, 50, 10}},
            {sid::typeList, ControlKind::DropDownList, "", {60, 6, 120, 100}, ControlFlag::TabStop},
            {sid::searchButton, ControlKind::DefaultButton, "Suchen", {186, 6, 50, 13}, ControlFlag::TabStop},
            {sid::list, ControlKind::ListView, "", {8, 24, kWidth - 16, 220}, ControlFlag::TabStop},
            {sid::printButton, ControlKind::Button, "Drucken", {8, 250, 60, 14}, ControlFlag::TabStop},
            {sid::htmlButton, ControlKind::Button, "HTML", {72, 250, 60, 14}, ControlFlag::TabStop},
            {sid::helpButton,
             ControlKind::Button,
             "Hilfe",
             {kWidth - 132, 250, 60, 14},
             ControlFlag::TabStop},
            {sid::closeButton,
             ControlKind::Button,
             "Beenden",
             {kWidth - 68, 250, 60, 14},
             ControlFlag::TabStop},
        },
        true};
    return dialog;
}

}  // namespace sb::lists
