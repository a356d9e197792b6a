// List and search documents. Their rows come from the same row rules and cell formatter as the
// dialogs, so a document shows what the list shows.
#include "lists/list_document.h"

#include <algorithm>
#include <string_view>

#include "fileio/c_numbers.h"
#include "output/html_frame.h"

namespace sb::lists {

namespace {

void appendAthleteRow(std::string& out, std::string_view caption, const std::string& value,
                      bool wide = false) {
    out += "<TR>\n";
    out.append(wide ? "<TH WIDTH=\"15%\" ALIGN=\"LEFT\">" : "<TH ALIGN=\"LEFT\">")
        .append(caption)
        .append("</TH>\n");
    out.append("<TH ALIGN=\"LEFT\">").append(value).append("</TH>\n");
    out += "</TR>\n";
}

void appendAthleteTable(std::string& out, const model::TrainingYear& year, const std::string& heading) {
    out += "<TABLE WIDTH=\"100%\" BGCOLOR=\"#EEEEEE\">\n<TR>\n<TD COLSPAN=\"2\">";
    out.append("<H2>").append(heading).append("</H2>\n");
    out += "</TD>\n</TR>\n";
    appendAthleteRow(out, "Sportler:", output::escapeHtml(year.firstName) + " " + output::escapeHtml(year.lastName), true);
    appendAthleteRow(out, "Geb. Datum:", output::escapeHtml(year.birthDate));
    if (!year.club.empty()) appendAthleteRow(out, "Verein:", output::escapeHtml(year.club));
    if (!year.trainer.empty()) appendAthleteRow(out, "Trainer:", output::escapeHtml(year.trainer));
    out += "</TABLE>\n";
}

void appendDataHead(std::string& out, const lists::ColumnOrder& order) {
    out += "<TABLE border rules=cols>\n<TR>\n<P><BR></P>\n";
    for (const std::string& header : lists::headerCells(order))
        out.append("<TH BGCOLOR = \"#EEEEEE\">").append(header).append("</TH>\n");
}

void appendRows(std::string& out, const std::vector<lists::ListRow>& rows, std::string_view cellOpening,
                const lists::ColumnOrder& order, const model::TrainingYear& year,
                const model::TrainingTypeLabels& labels) {
    int counter = 0;
    for (const lists::ListRow& row : rows) {
        ++counter;
        out += counter % 2 == 0 ? "<TR BGCOLOR = \"#EEEEEE\">\n" : "<TR>\n";
        for (const std::string& cell : lists::rowCells(row, order, year, labels))
            out.append(cellOpening).append(output::escapeHtml(cell)).append("</TH>\n");
        out += "</TR>\n";
    }
}

std::string document(const model::TrainingYear& year, const std::string& heading,
                     const lists::ColumnOrder& order, const std::vector<lists::ListRow>& rows,
                     std::string_view cellOpening, const model::TrainingTypeLabels& labels) {
    std::string out;
    output::appendHtmlHead(out, year.planYear);
    appendAthleteTable(out, year, heading);
    appendDataHead(out, order);
    appendRows(out, rows, cellOpening, order, year, labels);
    out += "</TR>\n";
    output::appendHtmlFooter(out);
    return out;
}

std::string heading(lists::ListKind kind, int number, int planYear) {
    const std::string year = fileio::formatInt(planYear);
    switch (kind) {
        case lists::ListKind::Week:
            return "Saisonbuch f&uuml;r die " + fileio::formatInt(number) + ". Woche im Jahr " + year;
        case lists::ListKind::Month:
            return "Saisonbuch f&uuml;r den " + fileio::formatInt(number) + ". Monat im Jahr " + year;
        case lists::ListKind::Year:
            break;
    }
    return "Saisonbuch f&uuml;r das Jahr " + year;
}

}  // namespace

std::string listDocumentName(lists::ListKind kind, int number, int planYear) {
    switch (kind) {
        case lists::ListKind::Week:
            return fileio::formatInt(number) + "_Wochen_Liste.htm";
        case lists::ListKind::Month:
            return fileio::formatInt(number) + "_Monats_Liste.htm";
        case lists::ListKind::Year:
            break;
    }
    return fileio::formatInt(planYear) + "_Jahres_Liste.htm";
}

std::string searchDocumentName(const std::string& label) {
    std::string name = label;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos; }, '_');
    return name + "_Such_Liste.htm";
}

std::string listDocument(const model::TrainingYear& year, lists::ListKind kind, int number,
                         const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels) {
    const lists::PeriodList list = lists::periodRows(year, lists::listPeriod(kind, number, year.planYear));
    return document(year, heading(kind, number, year.planYear), order, list.rows, "<TH ALIGN=\"LEFT\">",
                    labels);
}

std::string searchDocument(const model::TrainingYear& year, int sportMode, int type,
                           const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels) {
    const std::string& label = labels[std::size_t(std::clamp(type, 0, 9))];
    const lists::SearchList list = lists::searchRows(year, sportMode, type);
    return document(year, "Suchliste: " + output::escapeHtml(label), order, list.rows, "<TH>", labels);
}

}  // namespace sb::lists
