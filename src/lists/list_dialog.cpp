// The period list dialogs. The number field is read as the user left it (atoi of at most four
// characters), so the arrows, "Anzeigen", "Drucken" and "HTML" all see the same number.
#include "lists/list_dialog.h"

#include <algorithm>

#include "fileio/c_numbers.h"
#include "lists/list_dialog_templates.h"
#include "lists/list_document.h"
#include "lists/list_html_export.h"
#include "lists/list_print_dialog.h"
#include "lists/sum_texts.h"
#include "model/clock.h"
#include "model/period_range.h"
#include "platform/help.h"

namespace sb::lists {

namespace {

using platform::DialogHost;
using platform::Notification;
namespace id = list_dialog;

constexpr std::size_t kFieldLength = 4;

int lastNumber(ListKind kind) {
    return kind == ListKind::Week ? model::kLastTrainingWeek : model::kLastMonth;
}

std::size_t slot(int sport) {
    return std::size_t(sport - 1);
}

}  // namespace

int openingNumber(ListKind kind, int planYear) {
    const model::CivilDate date = model::today();
    if (date.year != planYear) return 1;
    if (kind == ListKind::Month) return model::clampMonth(date.month);
    return model::trainingWeekOfDay(model::dayOfYear(date.day, date.month, date.year) - 1, date.year);
}

ListProcedure::ListProcedure(ListKind kind, ListContext context)
    : kind_(kind),
      context_(std::move(context)),
      columns_(id::list, loadColumnOrder(context_.settings, kListSection)) {}

void ListProcedure::init(DialogHost& host) {
    if (kind_ != ListKind::Year)
        host.setText(id::numberField, fileio::formatInt(openingNumber(kind_, context_.year.planYear)));
    columns_.create(host);
    if (context_.year.planFileVersion != 3) {
        for (int field : {id::swimKm, id::swimHours, id::swimCount}) host.show(field, false);
    }
    refresh(host);
}

void ListProcedure::command(DialogHost& host, int control, Notification notification) {
    if (control == id::list) {
        if ((notification == Notification::RightClicked || notification == Notification::HeaderRightClicked) && columns_.runMenu(host)) refresh(host);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (control) {
        case id::showButton:
            refresh(host);
            break;
        case id::nextButton:
            step(host, 1);
            break;
        case id::previousButton:
            step(host, -1);
            break;
        case id::helpButton:
            help(host);
            break;
        case id::closeButton:
            saveColumnOrder(context_.settings, kListSection, columns_.displayed(host));
            host.end(platform::dialogOk);
            break;
        case id::printButton:
            print(host);
            break;
        case id::htmlButton:
            saveDocument(host);
            break;
        default:
            break;
    }
}

void ListProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), context_.helpFile, id::helpTopic);
}

std::optional<int> ListProcedure::checkedNumber(DialogHost& host) const {
    if (kind_ == ListKind::Year) return context_.year.planYear;
    const int number = fileio::atoiC(host.text(id::numberField).substr(0, kFieldLength));
    if (number >= 1 && number <= lastNumber(kind_)) return number;
    using model::MessageLayout;
    host.services().messageBox(kind_ == ListKind::Week ? model::wrongWeekMessage(MessageLayout::TwoLines)
                                                       : model::wrongMonthMessage(MessageLayout::TwoLines),
                               "Fehler", platform::Buttons::Ok, platform::Icon::Exclamation);
    return std::nullopt;
}

void ListProcedure::refresh(DialogHost& host) {
    const std::optional<int> number = checkedNumber(host);
    if (!number) return;
    const PeriodList list = periodRows(context_.year, listPeriod(kind_, *number, context_.year.planYear));
    columns_.fill(host, list.rows, context_.year, context_.settings.trainingTypeLabels);
    showSums(host, sumsOf(list.totals));
}

void ListProcedure::step(DialogHost& host, int by) {
    const int number = fileio::atoiC(host.text(id::numberField).substr(0, kFieldLength));
    host.setText(id::numberField, fileio::formatInt(std::clamp(number + by, 1, lastNumber(kind_))));
    refresh(host);
}

void ListProcedure::showSums(DialogHost& host, const PeriodSums& sums) const {
    host.setText(id::weight, weightText(sums.averageWeight));
    auto withDistance = [&](int sport, int km, int hours, int count) {
        host.setText(km, kmText(sums.km[slot(sport)]));
        host.setText(hours, hoursText(sums.hours[slot(sport)]));
        host.setText(count, countText(sums.rows[slot(sport)]));
    };
    withDistance(model::kBike, id::bikeKm, id::bikeHours, id::bikeCount);
    withDistance(model::kRun, id::runKm, id::runHours, id::runCount);
    host.setText(id::otherHours, hoursText(sums.hours[slot(model::kOther)]));
    host.setText(id::otherCount, countText(sums.rows[slot(model::kOther)]));
    if (context_.year.planFileVersion == 3)
        withDistance(model::kSwim, id::swimKm, id::swimHours, id::swimCount);
    host.setText(id::allHours, hoursText(sums.totalHours));
    host.setText(id::allCount, countText(sums.totalRows));
}

void ListProcedure::print(DialogHost& host) {
    const std::optional<int> number = checkedNumber(host);
    if (!number) return;
    ListPrintRequest request{kind_, *number, columns_.displayed(host)};
    runListPrintDialog(host, context_, request);
}

void ListProcedure::saveDocument(DialogHost& host) {
    const std::optional<int> number = checkedNumber(host);
    if (!number) return;
    const ColumnOrder order = columns_.displayed(host);
    const std::string name = lists::listDocumentName(kind_, *number, context_.year.planYear);
    saveListDocument(host.services(), context_, name, [&] {
        return lists::listDocument(context_.year, kind_, *number, order, context_.settings.trainingTypeLabels);
    });
}

void runListDialog(platform::Services& services, ListKind kind, const ListContext& context) {
    ListProcedure procedure(kind, context);
    services.runModal(listTemplate(kind), procedure);
}

}  // namespace sb::lists
