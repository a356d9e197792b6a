// The day editor's procedure: opening, the buttons, the route lists and the live updates.
#include "editor/day_editor.h"

#include <algorithm>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "editor/day_editor_templates.h"
#include "editor/show_day.h"
#include "editor/store_day.h"
#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/clock.h"
#include "model/day_limits.h"
#include "model/text_encoding.h"
#include "platform/help.h"
#include "platform/number_field.h"

namespace sb::editor {

namespace {

using platform::DialogHost;
using platform::Notification;

bool isTimeField(int id) {
    for (const SportControls* c : {&kBikeControls, &kRunControls, &kSwimControls, &kOtherControls}) {
        if (id == c->hours || id == c->minutes) return true;
    }
    return false;
}

bool isDistanceField(int id) {
    return id == kBikeControls.distance || id == kRunControls.distance || id == kSwimControls.distance;
}

int openingDay(const model::TrainingYear& year) {
    model::CivilDate today = model::today();
    if (year.planYear != today.year) return 0;
    int index = model::dayOfYear(today.day, today.month, today.year) - 1;
    return std::clamp(index, 0, model::dayCount(year) - 1);
}

}  // namespace

DayEditorProcedure::DayEditorProcedure(const DayEditorLayout& layout, DayEditorContext context)
    : layout_(layout), context_(std::move(context)) {}

void DayEditorProcedure::init(DialogHost& host) {
    editorDay_ = context_.firstDay >= 0 ? std::min(context_.firstDay, model::dayCount(context_.year) - 1)
                                        : openingDay(context_.year);
    fillLists(host);
    show(host);
}

void DayEditorProcedure::fillLists(DialogHost& host) {
    for (model::Sport sport : layout_.sports) {
        const SportControls& c = sportControls(sport);
        if (layout_.types) {
            for (const std::string& label : context_.settings.trainingTypeLabels) {
                host.addItem(c.actual, model::cp1252ToUtf8(label));
                host.addItem(c.planned, model::cp1252ToUtf8(label));
            }
        }
        if (layout_.extended) {
            for (int load = 0; load <= model::kHighestLoad; ++load)
                host.addItem(c.load, fileio::formatInt(load));
        }
    }
    routeSlots_.clear();
    for (int slot = 0; slot < config::kRouteCount; ++slot) {
        if (!context_.routes.routes[size_t(slot)].name.empty()) routeSlots_.push_back(slot);
    }
    for (int id : {kBikeControls.route, kRunControls.route}) {
        if (!host.dialogTemplate().control(id)) continue;
        host.addItem(id, "");  // the day's own route, filled in when a day is shown
        for (int slot : routeSlots_) {
            host.addItem(id, model::cp1252ToUtf8(context_.routes.routes[size_t(slot)].name));
        }
    }
}

void DayEditorProcedure::show(DialogHost& host) {
    showDay(host, layout_, context_.year, editorDay_);
}

void DayEditorProcedure::move(DialogHost& host, int step) {
    if (storeDay(host, layout_, context_.year, editorDay_) == 0) {
        editorDay_ = std::clamp(editorDay_ + step, 0, model::dayCount(context_.year) - 1);
    }
    show(host);
}

void DayEditorProcedure::goToDate(DialogHost& host) {
    if (storeDay(host, layout_, context_.year, editorDay_) == 0) {
        std::optional<int> day = platform::integerField(host, control::day, 2);
        std::optional<int> month = platform::integerField(host, control::month, 2);
        if (day && month && model::isValidDayMonth(*day, *month, context_.year.planYear)) {
            editorDay_ = model::dayOfYear(*day, *month, context_.year.planYear) - 1;
        } else {
            const bool monthWrong = !month || (day && (*month < 1 || *month > 12));
            platform::rejectField(host, monthWrong ? control::month : control::day, "Eingabefehler im Feld Datum");
        }
    }
    show(host);
}

void DayEditorProcedure::routeChosen(DialogHost& host, model::Sport sport) {
    const SportControls& c = sportControls(sport);
    const bool bike = sport == model::kBike;
    int entry = host.selection(c.route);
    if (entry == 0) {
        const model::SportEntry& stored = context_.year.days[size_t(editorDay_)].*c.entry;
        if (stored.distanceKm == 0) return;
        host.setText(c.distance, formatDistance(stored.distanceKm));
        if (bike) host.enable(c.distance, true);
        showDocumentText(host, c.route, stored.route);
        return;
    }
    if (entry < 1 || entry > int(routeSlots_.size())) return;
    const config::StandardRoute& route = context_.routes.routes[size_t(routeSlots_[size_t(entry - 1)])];
    if (route.lengthKm == 0) return;
    host.setText(c.distance, fileio::formatFixed(route.lengthKm, 1));
    if (bike) host.enable(c.distance, false);
    showDocumentText(host, c.route, route.name);
}

void DayEditorProcedure::command(DialogHost& host, int id, Notification notification) {
    if (notification == Notification::TextChanged) {
        if (isTimeField(id)) updateTimeEnabling(host, layout_);
        if (isTimeField(id) || isDistanceField(id) || id == control::bodyWeight) {
            updateDerivedValues(host, layout_, context_.year);
        }
        // Typing a route of one's own frees the distance a standard route had fixed.
        if (id == kBikeControls.route) host.enable(kBikeControls.distance, true);
        return;
    }
    if (notification == Notification::SelectionChanged) {
        if (id == kBikeControls.route) routeChosen(host, model::kBike);
        if (id == kRunControls.route) routeChosen(host, model::kRun);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (id) {
        case control::ok:
            if (storeDay(host, layout_, context_.year, editorDay_) == 0) host.end(platform::dialogOk);
            break;
        case control::cancel:
            host.end(platform::dialogCancel);
            break;
        case control::apply:
            if (storeDay(host, layout_, context_.year, editorDay_) == 0) show(host);
            break;
        case control::back:
            move(host, -1);
            break;
        case control::forward:
            move(host, 1);
            break;
        case control::tenBack:
            move(host, -10);
            break;
        case control::tenForward:
            move(host, 10);
            break;
        case control::goToDate:
            goToDate(host);
            break;
        case control::help:
            help(host);
            break;
        default:
            break;
    }
}

// Bild↑ and Bild↓ step through the days as "<" and ">" do; Enter in the date goes there.
bool DayEditorProcedure::keyDown(DialogHost& host, int id, platform::Key key) {
    switch (key) {
        case platform::Key::PageUp:
            move(host, -1);
            return true;
        case platform::Key::PageDown:
            move(host, 1);
            return true;
        case platform::Key::Enter:
            if (id != control::day && id != control::month) return false;
            goToDate(host);
            return true;
        default:
            return false;
    }
}

void DayEditorProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), context_.helpFile, kDayEditorHelpTopic);
}

int openDayEditor(platform::Services& services, const DayEditorLayout& layout, DayEditorContext context) {
    DayEditorProcedure procedure(layout, std::move(context));
    return services.runModal(dayEditorTemplate(layout), procedure);
}

}  // namespace sb::editor
