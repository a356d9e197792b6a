// List printouts. Every position is measured in device units from the printer's own text metrics, as
// a page of text lines at a fixed left margin. Columns that would run past the right margin (as wide as
// the left) are narrowed, all by one factor, so the last header is not cut at the sheet's edge.
#include "lists/list_printout.h"

#include <limits>

#include "fileio/c_numbers.h"
#include "lists/day_rows.h"
#include "lists/list_columns.h"
#include "model/calendar.h"
#include "model/text_encoding.h"
#include "statistics/sport_parts.h"

namespace sb::lists {

namespace {

constexpr int kLeft = 175;
constexpr int kTop = 50;
constexpr float kColumnScale = 1.25f;

// One printed page after another: the running line offset, the page break and the column positions.
class PageWriter {
  public:
    using PageHeader = std::function<void(PageWriter&)>;

    PageWriter(platform::Printer& printer, const lists::ColumnOrder& order, PageHeader pageHeader)
        : printer_(printer), order_(order), pageHeader_(std::move(pageHeader)) {}

    void startPage() {
        printer_.startPage();
        const platform::TextMetrics metrics = canvas().textMetrics();
        lineHeight_ = std::max(metrics.lineHeight(), 1);
        charWidth_ = metrics.averageCharWidth;
        columnFactor_ = 1;
        int natural = 0;
        for (int id : order_) natural += scaledWidth(lists::printedColumnCharacters(id));
        const int room = canvas().deviceSize().width - 2 * kLeft;
        if (natural > room && natural > 0) columnFactor_ = float(std::max(room, 0)) / float(natural);
        offset_ = 0;
        pageOpen_ = true;
        bodyStart_ = std::numeric_limits<int>::max();
        if (pageHeader_) pageHeader_(*this);
        bodyStart_ = offset_;
    }
    void endPage() {
        if (pageOpen_) printer_.endPage();
        pageOpen_ = false;
    }
    // Breaks the page when `height` more units do not fit above the bottom margin. A page holds at
    // least one line below its header, however small the sheet.
    void makeRoom(int height) {
        if (offset_ > bodyStart_ && kTop + offset_ + height > canvas().deviceSize().height - kTop) {
            endPage();
            startPage();
        }
    }
    void text(int x, const std::string& cp1252) {
        canvas().drawText({x, kTop + offset_}, model::cp1252ToUtf8(cp1252));
    }
    void advance(int units) { offset_ += units; }
    int lineHeight() const { return lineHeight_; }
    int halfAgain() const { return int(float(lineHeight_) * 1.5f); }
    int scaledWidth(int characters) const {
        return int(float(charWidth_) * float(characters) * kColumnScale * columnFactor_);
    }
    // Cells at their columns, then one line down.
    void row(const std::vector<std::string>& cells) {
        makeRoom(lineHeight_);
        int x = kLeft;
        for (std::size_t i = 0; i < cells.size() && i < order_.size(); ++i) {
            if (!cells[i].empty()) text(x, cells[i]);
            x += scaledWidth(lists::printedColumnCharacters(order_[i]));
        }
        advance(lineHeight_);
    }

  private:
    platform::Canvas& canvas() { return printer_.canvas(); }

    platform::Printer& printer_;
    const lists::ColumnOrder& order_;
    PageHeader pageHeader_;
    int lineHeight_ = 1;
    int charWidth_ = 0;
    float columnFactor_ = 1;  // below 1 when the columns are narrowed to fit the sheet
    int offset_ = 0;
    int bodyStart_ = 0;
    bool pageOpen_ = false;
};

std::string subtitle(lists::ListKind kind, int number, int month) {
    if (kind == lists::ListKind::Week) return fileio::formatInt(number) + ". Woche";
    return "Monat: " + model::monthName(month);
}

void printSummary(PageWriter& page, const lists::PeriodSums& sums, int sportMode) {
    auto line = [&page](const std::string& name, const std::string& values) {
        page.makeRoom(page.lineHeight());
        page.text(kLeft, name);
        page.text(kLeft + page.scaledWidth(11), values);
        page.advance(page.halfAgain());
    };
    auto withDistance = [&sums](int sport) {
        const std::size_t i = std::size_t(sport - 1);
        return fileio::formatFixed(sums.km[i], 1) + " km / " + fileio::formatFixed(sums.hours[i], 1) +
               " h / " + fileio::formatInt(sums.rows[i]) + " x";
    };
    page.advance(page.halfAgain());
    using statistics::sportIncluded;
    if (sportIncluded(statistics::kPartBike, sportMode, 3)) line("Radfahren", withDistance(model::kBike));
    if (sportIncluded(statistics::kPartRun, sportMode, 3)) line("Laufen", withDistance(model::kRun));
    if (sportIncluded(statistics::kPartSwim, sportMode, 3)) line("Schwimmen", withDistance(model::kSwim));
    const std::size_t other = std::size_t(model::kOther - 1);
    line("Alternativ",
         fileio::formatFixed(sums.hours[other], 1) + " h / " + fileio::formatInt(sums.rows[other]) + " x");
    line("AVG-Gewicht", fileio::formatFixed(sums.averageWeight, 1) + " kg");
}

// One period: its days from the first page on, with the summary below the last row.
bool printPeriod(platform::Printer& printer, const model::TrainingYear& year, const ListPrintout& printout,
                 const model::DayRange& days, const std::string& periodTitle,
                 const model::TrainingTypeLabels& labels, const KeepPrinting& keepPrinting) {
    PageWriter page(printer, printout.order, [&](PageWriter& header) {
        header.text(kLeft, "T R A I N I N G S D A T E N  " + fileio::formatInt(year.planYear));
        header.advance(header.halfAgain());
        header.text(kLeft, periodTitle);
        header.advance(header.halfAgain());
        header.row(lists::headerCells(printout.order));
    });
    page.startPage();
    lists::PeriodTotals totals;
    for (int index = days.first; index <= days.last; ++index) {
        if (!keepPrinting()) return false;
        const model::DayRecord& day = year.days[std::size_t(index)];
        lists::addDayDistances(totals, day);
        lists::addDayTimesAndWeight(totals, day);
        if (lists::dayWithoutTraining(day)) {
            if (!printout.trainingFreeDays) continue;
            std::vector<std::string> cells;
            for (std::size_t i = 0; i < printout.order.size() && i < 2; ++i) {
                const int id = printout.order[i];
                if (i == 0 || id == lists::kWeekdayColumn)
                    cells.push_back(lists::cellText(id, year, index, 0, std::nullopt, labels));
            }
            page.row(cells);
            continue;
        }
        for (int sport : lists::printedRowSports(day, year.planFileVersion)) {
            ++totals.rows[std::size_t(sport - 1)];
            const lists::ListRow row{index, sport, totals.km[std::size_t(sport - 1)], false};
            page.row(lists::rowCells(row, printout.order, year, labels));
        }
    }
    if (printout.summary) printSummary(page, lists::sumsOf(totals), printout.sportMode);
    page.endPage();
    return true;
}

}  // namespace

std::string listPrintoutName(lists::ListKind kind, int number, int planYear) {
    switch (kind) {
        case lists::ListKind::Week:
            return "Saisonbuch " + fileio::formatInt(number) + " Woche";
        case lists::ListKind::Month:
            return "Saisonbuch " + fileio::formatInt(number) + " Monat";
        case lists::ListKind::Year:
            break;
    }
    return "Saisonbuch Jahr " + fileio::formatInt(planYear);
}

bool printList(platform::Printer& printer, const model::TrainingYear& year, const ListPrintout& printout,
               const model::TrainingTypeLabels& labels, const KeepPrinting& keepPrinting) {
    if (!printer.startDocument(listPrintoutName(printout.kind, printout.number, year.planYear))) return false;
    bool complete = true;
    if (printout.kind == lists::ListKind::Year) {
        for (int month = 1; month <= 12 && complete; ++month) {
            complete = printPeriod(printer, year, printout,
                                   lists::listPeriod(lists::ListKind::Month, month, year.planYear),
                                   subtitle(lists::ListKind::Month, month, month), labels, keepPrinting);
        }
    } else {
        const model::DayRange days = lists::listPeriod(printout.kind, printout.number, year.planYear);
        complete =
            printPeriod(printer, year, printout, days,
                        subtitle(printout.kind, printout.number, printout.number), labels, keepPrinting);
    }
    if (!complete) {
        printer.abortDocument();
        return false;
    }
    return printer.endDocument();
}

bool printSearchList(platform::Printer& printer, const model::TrainingYear& year, int sportMode, int type,
                     const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels,
                     const KeepPrinting& keepPrinting) {
    if (!printer.startDocument("Suchliste")) return false;
    PageWriter page(printer, order, nullptr);
    page.startPage();
    for (const lists::ListRow& row : lists::searchRows(year, sportMode, type).rows) {
        if (!keepPrinting()) {
            page.endPage();
            printer.abortDocument();
            return false;
        }
        page.row(lists::rowCells(row, order, year, labels));
    }
    page.endPage();
    return printer.endDocument();
}

}  // namespace sb::lists
