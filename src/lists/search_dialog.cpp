// The search list. The searched type is the index chosen in the drop-down list, not its text, so two
// labels of the same text still find the type the user picked.
#include "lists/search_dialog.h"

#include "lists/list_dialog_templates.h"
#include "lists/list_html_export.h"
#include "lists/list_print_dialog.h"
#include "model/text_encoding.h"
#include "lists/list_document.h"
#include "platform/help.h"

namespace sb::lists {

namespace {

using platform::DialogHost;
using platform::Notification;
namespace id = search_dialog;

constexpr std::string_view kTypeKey = "SOLL";

// A stored type outside the ten labels reads as the first.
int storedType(config::ConfigStore& settings) {
    const int type = config::readIntSetting(settings, kSearchSection, kTypeKey, 0, config::WriteBack::Yes);
    return type >= 0 && type < model::kTrainingTypeCount ? type : 0;
}

}  // namespace

SearchProcedure::SearchProcedure(ListContext context)
    : context_(std::move(context)), columns_(id::list, loadColumnOrder(context_.settings, kSearchSection)) {}

void SearchProcedure::init(DialogHost& host) {
    type_ = storedType(context_.settings);
    for (const std::string& label : context_.settings.trainingTypeLabels)
        host.addItem(id::typeList, model::cp1252ToUtf8(label));
    host.setSelection(id::typeList, type_);
    columns_.create(host);
    search(host);
}

void SearchProcedure::command(DialogHost& host, int control, Notification notification) {
    if (control == id::list) {
        if ((notification == Notification::RightClicked || notification == Notification::HeaderRightClicked) && columns_.runMenu(host)) search(host);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (control) {
        case id::searchButton:
            search(host);
            break;
        case id::helpButton:
            help(host);
            break;
        case id::closeButton:
            config::writeIntSetting(context_.settings, kSearchSection, kTypeKey, type_);
            saveColumnOrder(context_.settings, kSearchSection, columns_.displayed(host));
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

void SearchProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), context_.helpFile, id::helpTopic);
}

void SearchProcedure::search(DialogHost& host) {
    const int chosen = host.selection(id::typeList);
    if (chosen >= 0 && chosen < model::kTrainingTypeCount) type_ = chosen;
    const SearchList list = searchRows(context_.year, context_.settings.sportMode, type_);
    columns_.fill(host, list.rows, context_.year, context_.settings.trainingTypeLabels);
    if (!list.found)
        host.services().messageBox("Keinen Datensatz gefunden.", "Info", platform::Buttons::Ok,
                                   platform::Icon::Information);
}

void SearchProcedure::print(DialogHost& host) {
    printSearchList(host, context_, type_, columns_.displayed(host));
}

void SearchProcedure::saveDocument(DialogHost& host) {
    const ColumnOrder order = columns_.displayed(host);
    const std::string& label = context_.settings.trainingTypeLabels[std::size_t(type_)];
    saveListDocument(host.services(), context_, lists::searchDocumentName(label), [&] {
        return lists::searchDocument(context_.year, context_.settings.sportMode, type_, order,
                                      context_.settings.trainingTypeLabels);
    });
}

void runSearchDialog(platform::Services& services, const ListContext& context) {
    SearchProcedure procedure(context);
    services.runModal(searchTemplate(), procedure);
}

}  // namespace sb::lists
