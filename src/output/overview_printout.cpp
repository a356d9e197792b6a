// The overview printout. All positions are device units of the printer measured from its text metrics,
// taken once per document in the fixed-pitch font, so the 80-character lines stay aligned columns. A
// month whose lines run past the bottom of the sheet continues on a new page under the same header.
#include "output/overview_printout.h"

#include <array>
#include <cstdio>
#include <vector>

#include "model/calendar.h"
#include "model/text_encoding.h"

namespace sb::output {

namespace {

constexpr int kTop = 175;
constexpr int kHeadingX = 900;
constexpr int kCoverX = 600;
constexpr int kLineX = 60;
constexpr double kColumnScale = 1.25;
constexpr int kLineWidth = 80;

// Digit 1 is aerobic and digit 2 anaerobic endurance, as the training-type labels have them.
constexpr std::array<const char*, 10> kPlannedCodes{"k.A /", "Aaer/", "Aane/", "AGru/", "Intr/",
                                                    "KraA/", "Test/", "Rgen/", "Tech/", "Wett/"};
constexpr std::array<const char*, 10> kActualCodes{"k.A  ", "Aaer ", "Aane ", "AGru ", "Intr ",
                                                   "KraA ", "Test ", "Rgen ", "Tech ", "Wett "};

struct Legend {
    const char* abbreviation;
    const char* text;
    const char* secondAbbreviation;
    const char* secondText;
};

constexpr std::array<Legend, 5> kLegend{{
    {"k.A :", "keine Angabe", "Aane:", "anaerobe Ausdauer"},
    {"Aaer:", "aerobe Ausdauer", "AGru:", "Grundlagenausdauer"},
    {"Intr:", "Intervalltraining", "KrA:", "Kraftausdauer"},
    {"Test:", "Leistungstest", "Rgen:", "Regenerationstraining"},
    {"Tech:", "Techniktraining", "Wett:", "Wettkampf"},
}};

const model::SportEntry& entryOf(const model::DayRecord& day, int sport) {
    switch (sport) {
        case model::kBike:
            return day.bike;
        case model::kRun:
            return day.run;
        case model::kOther:
            return day.other;
        default:
            return day.swim;
    }
}

bool entryPrinted(const model::SportEntry& entry, int sport) {
    const int minutes = model::parseDuration(entry.duration, 0);
    if (sport == model::kOther) return !(entry.distanceKm <= 0 && entry.route.size() < 2 && minutes < 1);
    return entry.distanceKm > 0 || minutes >= 1;
}

std::string padded(std::string text) {
    text.resize(kLineWidth, ' ');
    return text;
}

std::string sixDigits(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%06.1f", value);
    return buffer;
}

// The printer with the line step, column width and page bottom of the document.
class OverviewPages {
  public:
    OverviewPages(platform::Printer& printer, const std::function<bool()>& goOn)
        : printer_(printer), goOn_(goOn) {}

    bool start() { return printer_.startDocument("Saisonbuch Dokument"); }

    void newPage() {
        printer_.startPage();
        printer_.canvas().setFont({0, platform::Pitch::Fixed});
        if (step_ == 0) {
            const platform::TextMetrics metrics = printer_.canvas().textMetrics();
            step_ = metrics.lineHeight() * 3 / 2;
            width_ = metrics.averageCharWidth * kColumnScale;
            bottom_ = printer_.canvas().deviceSize().height - kTop;
        }
    }

    void endPage() { printer_.endPage(); }

    // false: the user cancelled, and the document is aborted.
    bool goOn() {
        if (goOn_()) return true;
        printer_.endPage();
        printer_.abortDocument();
        return false;
    }

    void text(int x, int line, const std::string& utf8) {
        printer_.canvas().drawText({x, kTop + line * step_}, utf8);
    }
    bool fits(int line) const { return kTop + (line + 1) * step_ <= bottom_; }
    int column(int characters) const { return int(width_ * characters); }
    bool end() { return printer_.endDocument(); }

  private:
    platform::Printer& printer_;
    const std::function<bool()>& goOn_;
    int step_ = 0;
    double width_ = 0;
    int bottom_ = 0;
};

void printCover(OverviewPages& pages, const model::TrainingYear& year) {
    pages.newPage();
    const int valueX = kCoverX + pages.column(11);
    pages.text(kCoverX, 0, "SAISONBUCH " + std::to_string(year.planYear));
    pages.text(kCoverX, 1, model::cp1252ToUtf8(year.firstName + " " + year.lastName));
    const std::array<std::pair<const char*, const std::string*>, 3> fields{
        {{"Geburtsdatum:", &year.birthDate}, {"Verein:", &year.club}, {"Trainer:", &year.trainer}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        pages.text(kCoverX, 2 + int(i), fields[i].first);
        pages.text(valueX, 2 + int(i), model::cp1252ToUtf8(*fields[i].second));
    }
    pages.text(kCoverX, 6, "Erklärung zu den Trainigsarten");
    pages.text(kCoverX, 7, "------------------------------");
    for (std::size_t i = 0; i < kLegend.size(); ++i) {
        const int line = 8 + int(i);
        pages.text(kCoverX, line, kLegend[i].abbreviation);
        pages.text(kCoverX + pages.column(5), line, kLegend[i].text);
        pages.text(kCoverX + pages.column(25), line, kLegend[i].secondAbbreviation);
        pages.text(kCoverX + pages.column(30), line, kLegend[i].secondText);
    }
    pages.endPage();
}

struct MonthDistances {
    double bike = 0;
    double run = 0;
    double swim = 0;
};

std::vector<int> printedSports(const OverviewOptions& options, const model::TrainingYear& year) {
    std::vector<int> sports;
    if (options.bike) sports.push_back(model::kBike);
    if (options.run) sports.push_back(model::kRun);
    if (options.other) sports.push_back(model::kOther);
    if (options.swim && year.planFileVersion == 3) sports.push_back(model::kSwim);
    return sports;
}

int monthHeader(OverviewPages& pages, const model::TrainingYear& year, int month, bool withTypes) {
    pages.newPage();
    pages.text(kHeadingX, 0, "Saisonbuch: " + model::monthName(month) + " " + std::to_string(year.planYear));
    pages.text(kLineX, 2, padded("               T R A I N I N G S D A T E N"));
    pages.text(
        kLineX, 3,
        padded(withTypes ? "   Datum     Distanz Ges.km Zeit  Pls Strecke                        soll/ist"
                         : "   Datum     Distanz Ges.km Zeit  Pls Strecke"));
    pages.text(kLineX, 4, std::string(kLineWidth, '-'));
    return 5;
}

// false when the user cancelled.
bool printMonth(OverviewPages& pages, const model::TrainingYear& year, const OverviewOptions& options,
                int month, MonthDistances& printed) {
    const std::vector<int> sports = printedSports(options, year);
    int line = monthHeader(pages, year, month, options.types);
    std::array<double, 5> totals{};
    const int first = model::dayOfYear(1, month, year.planYear) - 1;
    for (int index = first; index < first + model::daysOfPlanMonth(month, year.planYear); ++index) {
        const model::DayRecord& day = year.days[index];
        for (int sport = model::kBike; sport <= model::kSwim; ++sport)
            totals[sport] += entryOf(day, sport).distanceKm;
        for (int sport : sports) {
            const model::SportEntry& entry = entryOf(day, sport);
            if (!entryPrinted(entry, sport)) continue;
            if (!pages.goOn()) return false;
            if (!pages.fits(line)) {
                pages.endPage();
                line = monthHeader(pages, year, month, options.types);
            }
            pages.text(kLineX, line++, overviewLine(year, index, sport, totals[sport], options.types));
            if (sport == model::kBike) printed.bike += entry.distanceKm;
            if (sport == model::kRun) printed.run += entry.distanceKm;
            if (sport == model::kSwim) printed.swim += entry.distanceKm;
        }
    }
    pages.endPage();
    return true;
}

void printSummary(OverviewPages& pages, const model::TrainingYear& year, const OverviewOptions& options,
                  const std::vector<MonthDistances>& months) {
    pages.newPage();
    const int step = pages.column(11);
    std::vector<std::pair<const char*, double MonthDistances::*>> columns;
    if (options.bike) columns.push_back({"Rad", &MonthDistances::bike});
    if (options.run) columns.push_back({"Laufen", &MonthDistances::run});
    if (options.swim && year.planFileVersion == 3) columns.push_back({"Schwimmen", &MonthDistances::swim});
    pages.text(kHeadingX, 0, "ÜBERSICHT");
    pages.text(kCoverX, 2, "Monat");
    for (std::size_t c = 0; c < columns.size(); ++c)
        pages.text(kCoverX + int(c + 1) * step, 2, columns[c].first);
    MonthDistances sum;
    int line = 3;
    for (std::size_t m = 0; m < months.size(); ++m, ++line) {
        pages.text(kCoverX, line, model::monthName(options.firstMonth + int(m)));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double value = months[m].*columns[c].second;
            pages.text(kCoverX + int(c + 1) * step, line, sixDigits(value));
            sum.*columns[c].second += value;
        }
    }
    pages.text(kCoverX, line, "Gesamt:");
    for (std::size_t c = 0; c < columns.size(); ++c)
        pages.text(kCoverX + int(c + 1) * step, line, sixDigits(sum.*columns[c].second));
    pages.endPage();
}

}  // namespace

bool validOverviewMonths(int firstMonth, int lastMonth) {
    return firstMonth >= 1 && firstMonth <= 12 && lastMonth >= 1 && lastMonth <= 12 &&
           firstMonth <= lastMonth;
}

std::string overviewLine(const model::TrainingYear& year, int dayIndex, int sport, double monthTotal,
                         bool withTypes) {
    static constexpr std::array<char, 5> kLetters{' ', 'R', 'L', 'A', 'S'};
    const model::DayRecord& day = year.days[dayIndex];
    const model::SportEntry& entry = entryOf(day, sport);
    const model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, year.planYear);
    const std::string weekday =
        model::weekdayAbbreviation(model::weekdayOf(date.day, date.month, year.planYear));
    char buffer[512];
    if (sport == model::kOther)
        std::snprintf(buffer, sizeof buffer, "A: %s,%02i.%02i. %06.f         %-5.5s %03i %-30.30s ",
                      weekday.c_str(), date.day, date.month, double(entry.distanceKm), entry.duration.c_str(),
                      entry.avgPulse, entry.route.c_str());
    else
        std::snprintf(buffer, sizeof buffer, "%c: %s,%02i.%02i. %06.1f  %06.1f %-5.5s %03i %-30.30s ",
                      kLetters[sport], weekday.c_str(), date.day, date.month, double(entry.distanceKm),
                      monthTotal, entry.duration.c_str(), entry.avgPulse, entry.route.c_str());
    std::string line = buffer;
    if (withTypes) {
        line += kPlannedCodes[model::sportTypeDigit(day.plannedTypes, sport)];
        line += kActualCodes[model::sportTypeDigit(day.actualTypes, sport)];
    }
    return model::cp1252ToUtf8(line);
}

bool printOverview(platform::Printer& printer, const model::TrainingYear& year,
                   const OverviewOptions& options, const std::function<bool()>& goOn) {
    OverviewPages pages(printer, goOn);
    if (!pages.start()) return false;
    if (options.cover) printCover(pages, year);
    std::vector<MonthDistances> months(options.lastMonth - options.firstMonth + 1);
    const bool monthPages = options.bike || options.run || options.other || options.types ||
                            (options.swim && year.planFileVersion == 3);
    for (int month = options.firstMonth; monthPages && month <= options.lastMonth; ++month)
        if (!printMonth(pages, year, options, month, months[month - options.firstMonth])) return false;
    if (options.summary) printSummary(pages, year, options, months);
    return pages.end();
}

}  // namespace sb::output
