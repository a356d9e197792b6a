// saisonbuch-cli run as a user runs it: exit codes, one-line errors, plan conversion between the three
// file versions, and the spreadsheet export's date rules.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/plan_fixtures.h"

namespace fs = std::filesystem;
using sb::testing::fileBytes;

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        const char* cli = std::getenv("SAISONBUCH_CLI");
        const char* data = std::getenv("SAISONBUCH_TEST_DATA");
        ASSERT_TRUE(cli && *cli) << "SAISONBUCH_CLI not set";
        ASSERT_TRUE(data && *data) << "SAISONBUCH_TEST_DATA not set";
        cli_ = cli;
        data_ = data;
        fs::create_directories(dir_ / "home");
    }

    CliRun run(const std::string& arguments) {
        fs::path err = dir_ / "stderr.txt";
        // The tool reads the program's settings; a folder of the test's own keeps the user's away.
        std::string command = "SAISONBUCH_HOME='" + (dir_ / "home").string() + "' '" + cli_ + "' " + arguments +
                              " 2>'" + err.string() + "'";
        CliRun result;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 4096> buffer{};
        std::size_t n;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
        int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = fileBytes(err);
        return result;
    }

    std::string plan(const char* name) const { return (fs::path(data_) / "planfile" / name).string(); }

    std::string cli_;
    std::string data_;
    sb::testing::TempDir dir_;
};

TEST_F(Cli, InfoNamesVersionAthleteYearAndTotals) {
    CliRun result = run("info '" + plan("plan_2009.sb3") + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Version: 3\n"), std::string::npos);
    EXPECT_NE(result.out.find("Trainingsjahr: 2009\n"), std::string::npos);
    EXPECT_NE(result.out.find("Kilometer Rad: "), std::string::npos);
    EXPECT_NE(result.out.find("Kilometer Alternativ: "), std::string::npos);

    CliRun legacy = run("info '" + plan("plan_2009.sbn") + "'");
    EXPECT_EQ(legacy.exitCode, 0) << legacy.err;
    EXPECT_NE(legacy.out.find("Version: 1\n"), std::string::npos);
}

TEST_F(Cli, FailuresExitWithOneLineOnStderr) {
    for (const std::string& arguments :
         {std::string("info"), std::string("info /does/not/exist.sb3"), std::string("info notes.txt"),
          std::string("frobnicate"), "convert '" + plan("plan_2009.sb3") + "' out.txt",
          "export '" + plan("plan_2009.sb3") + "' x.csv --bogus"}) {
        CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments;
        EXPECT_EQ(result.err.rfind("saisonbuch-cli: ", 0), 0u) << arguments << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << arguments;
    }
    EXPECT_EQ(run("--help").exitCode, 0);
}

// The user's own training-type labels, colours and sport mode reach the export and the diagrams, from
// the program's train.cfg or the file --settings names; the tool never writes a settings file.
TEST_F(Cli, ExportAndSeriesUseTheProgramsSettings) {
    const std::string labels = "[KONFIG]\r\nSPORTART=2\r\nSOLL_IST_EINTRAG_1=Eigen1\r\nSOLL_IST_EINTRAG_2=Eigen2\r\n"
                               "SOLL_IST_EINTRAG_3=Eigen3\r\nSOLL_IST_EINTRAG_4=Eigen4\r\n";
    std::ofstream(dir_ / "home" / "train.cfg", std::ios::binary) << labels;
    fs::path csv = dir_ / "own.csv";
    ASSERT_EQ(run("export '" + plan("plan_2009.sb3") + "' '" + csv.string() + "'").exitCode, 0);
    EXPECT_NE(fileBytes(csv).find(",Eigen"), std::string::npos);
    CliRun types = run("series '" + plan("plan_2009.sb3") + "' --kind 2 --quantity 143");
    EXPECT_EQ(linesOf(types.out).front().rfind("Slot;Gesamt;Eigen1;Eigen2;Eigen3;Eigen4;", 0), 0u) << types.err;
    // Sport mode 2 (Laufen) leaves the bike time out of the split total time of January.
    CliRun split = run("series '" + plan("plan_2009.sb3") + "' --kind 2 --quantity 117");
    ASSERT_GE(linesOf(split.out).size(), 2u) << split.err;
    EXPECT_EQ(linesOf(split.out)[1].substr(linesOf(split.out)[1].find(';', 2), 6), ";0.00;") << split.out;
    EXPECT_EQ(fileBytes(dir_ / "home" / "train.cfg"), labels);

    fs::path other = dir_ / "other.cfg";
    std::ofstream(other, std::ios::binary) << "[KONFIG]\nSOLL_IST_EINTRAG_1=Anders\n";
    CliRun named = run("series '" + plan("plan_2009.sb3") + "' --kind 1 --quantity 143 --settings '" + other.string() + "'");
    EXPECT_EQ(linesOf(named.out).front().rfind("Slot;Gesamt;Anders;ausd. aerob;", 0), 0u) << named.err;
    EXPECT_EQ(fileBytes(other), "[KONFIG]\nSOLL_IST_EINTRAG_1=Anders\n");
    EXPECT_EQ(run("info '" + plan("plan_2009.sb3") + "' --settings '" + (dir_ / "none.cfg").string() + "'").exitCode, 1);

    fs::remove(dir_ / "home" / "train.cfg");
    CliRun defaults = run("series '" + plan("plan_2009.sb3") + "' --kind 1 --quantity 143");
    EXPECT_EQ(linesOf(defaults.out).front().rfind("Slot;Gesamt;k. A.;ausd. aerob;", 0), 0u);
    EXPECT_FALSE(fs::exists(dir_ / "home" / "train.cfg"));
}

TEST_F(Cli, ConvertKeepsACurrentPlanByteForByteAndMovesBetweenVersions) {
    fs::path same = dir_ / "same.sb3";
    ASSERT_EQ(run("convert '" + plan("plan_2009.sb3") + "' '" + same.string() + "'").exitCode, 0);
    EXPECT_EQ(fileBytes(same), fileBytes(plan("plan_2009.sb3")));

    fs::path older = dir_ / "older.sb2";
    fs::path oldest = dir_ / "oldest.sbn";
    ASSERT_EQ(run("convert '" + plan("plan_2009.sb3") + "' '" + older.string() + "'").exitCode, 0);
    ASSERT_EQ(run("convert '" + older.string() + "' '" + oldest.string() + "'").exitCode, 0);
    EXPECT_EQ(fileBytes(older).rfind("Saisonbuch f\x81r das Jahr,2009,,,,,,,,,,\r\n", 0), 0u);
    EXPECT_EQ(fileBytes(oldest).rfind("Saisonbuch f\x81r das Jahr,2009,,,,,,,,,,\r\n", 0), 0u);

    fs::path back = dir_ / "back.sb3";
    ASSERT_EQ(run("convert '" + oldest.string() + "' '" + back.string() + "'").exitCode, 0);
    CliRun info = run("info '" + back.string() + "'");
    EXPECT_NE(info.out.find("Kilometer Schwimmen: 0.00\n"), std::string::npos) << info.out;
}

TEST_F(Cli, ExportFallsBackToTheWholeYearOnABadDate) {
    fs::path range = dir_ / "range.csv";
    fs::path whole = dir_ / "whole.csv";
    fs::path fallback = dir_ / "fallback.csv";
    fs::path toEnd = dir_ / "to-end.csv";
    ASSERT_EQ(run("export '" + plan("plan_2009.sb3") + "' '" + range.string() + "' --from 2.1 --to 4.1").exitCode, 0);
    ASSERT_EQ(run("export '" + plan("plan_2009.sb3") + "' '" + whole.string() + "'").exitCode, 0);
    CliRun bad = run("export '" + plan("plan_2009.sb3") + "' '" + fallback.string() + "' --from 31.4");
    ASSERT_EQ(bad.exitCode, 0);
    EXPECT_NE(bad.err.find("Eingabefehler in den Datumsfeldern"), std::string::npos);
    EXPECT_EQ(fileBytes(fallback), fileBytes(whole));
    ASSERT_EQ(run("export '" + plan("plan_2009.sb3") + "' '" + toEnd.string() + "' --to 1.1").exitCode, 0);
    EXPECT_EQ(fileBytes(toEnd), fileBytes(whole));
    fs::path html = dir_ / "maerz.HTM";
    ASSERT_EQ(run("export '" + plan("plan_2009.sb3") + "' '" + html.string() + "' --from 1.3 --no-types").exitCode,
              0);
    EXPECT_NE(fileBytes(html).find("<TR><TD>Laufen</TD><TD>So</TD><TD>1.03.</TD><TD>7.8</TD>"),
              std::string::npos);
    EXPECT_EQ(fileBytes(html).find("Trainingssoll"), std::string::npos);

    std::string lines = fileBytes(range);
    EXPECT_EQ(lines.rfind("Saisonbuch f\x81r das Jahr,2009,1,1,,,,,,,,\r\n", 0), 0u);
    EXPECT_NE(lines.find("\r\nFr,02.01.,"), std::string::npos);
    EXPECT_NE(lines.find("\r\nSo,04.01.,"), std::string::npos);
    EXPECT_EQ(lines.find("05.01."), std::string::npos);
    EXPECT_EQ(lines.find("ENDE TRAINIGSTAGE"), std::string::npos);
}

}  // namespace

namespace {

std::string samplePlan() {
    return (fs::path(std::getenv("SAISONBUCH_TEST_DATA")) / ".." / ".." / "examples" / "sample-2008.sb3").string();
}

// Width and height from a PNG's header chunk.
std::pair<unsigned, unsigned> pngSize(const std::string& bytes) {
    auto big = [&](std::size_t at) {
        return unsigned(static_cast<unsigned char>(bytes[at])) << 24 |
               unsigned(static_cast<unsigned char>(bytes[at + 1])) << 16 |
               unsigned(static_cast<unsigned char>(bytes[at + 2])) << 8 | unsigned(static_cast<unsigned char>(bytes[at + 3]));
    };
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    return {big(16), big(20)};
}

}  // namespace

TEST_F(Cli, SeriesPrintsOneLinePerSlotAndTheAxisTop) {
    CliRun stacked = run("series '" + samplePlan() + "' --kind 1 --quantity 117");
    ASSERT_EQ(stacked.exitCode, 0) << stacked.err;
    std::vector<std::string> lines = linesOf(stacked.out);
    ASSERT_EQ(lines.size(), 1u + 53u + 1u);
    EXPECT_EQ(lines.front(), "Slot;Gesamt;Rad;Laufen;Schwimmen;Alternativ");
    EXPECT_EQ(lines[1].rfind("1;", 0), 0u);
    EXPECT_EQ(lines[53].rfind("53;", 0), 0u);
    EXPECT_EQ(lines.back().rfind("Achsenmaximum;", 0), 0u);

    CliRun month = run("series '" + samplePlan() + "' --kind 4 --quantity 103 --month 2");
    ASSERT_EQ(month.exitCode, 0) << month.err;
    EXPECT_EQ(linesOf(month.out).size(), 1u + 29u + 1u);  // February of a leap year
    EXPECT_EQ(linesOf(month.out).front(), "Slot;Gesamt");

    EXPECT_EQ(run("series '" + samplePlan() + "' --kind 3 --quantity 117").exitCode, 1);
}

TEST_F(Cli, ChartRendersAnImageOfTheLogicalCanvasAndAPrintedPage) {
    fs::path png = dir_ / "week.png";
    fs::path pdf = dir_ / "year.pdf";
    CliRun image = run("chart '" + samplePlan() + "' -o '" + png.string() + "' --kind 3 --quantity 103 --week 20 --style 2");
    ASSERT_EQ(image.exitCode, 0) << image.err;
    EXPECT_EQ(pngSize(fileBytes(png)), (std::pair<unsigned, unsigned>{1400, 1000}));

    CliRun page = run("chart '" + samplePlan() + "' -o '" + pdf.string() + "' --kind 1 --quantity 117");
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(fileBytes(pdf).rfind("%PDF", 0), 0u);

    EXPECT_EQ(run("chart '" + samplePlan() + "' -o '" + (dir_ / "x.gif").string() + "' --kind 1 --quantity 103").exitCode, 1);
    EXPECT_EQ(run("chart '" + samplePlan() + "' -o '" + (dir_ / "fehlt" / "x.png").string() + "' --kind 1 --quantity 103").exitCode, 1);
    EXPECT_EQ(run("chart '" + samplePlan() + "' -o '" + (dir_ / "fehlt" / "x.pdf").string() + "' --kind 1 --quantity 103").exitCode, 1);
}

TEST_F(Cli, RecordingSummariesAndImagesForEveryHeartRateFileAndActivityFiles) {
    fs::path home = dir_ / "home";
    fs::create_directories(home);
    std::ofstream(home / "train.cfg")
        << "[X_Y_DIAGRAMM]\r\nAnzahl_Bereich=2\r\nMax_Bereich0=130\r\nMax_Bereich1=150\r\n";
    setenv("SAISONBUCH_HOME", home.string().c_str(), 1);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(data_) / "recordings")) {
        if (entry.path().extension() != ".hrm") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        CliRun summary = run("recording '" + entry.path().string() + "' --summary");
        ASSERT_EQ(summary.exitCode, 0) << summary.err;
        const std::vector<std::string> lines = linesOf(summary.out);
        ASSERT_GE(lines.size(), 9u);
        EXPECT_EQ(lines[0].rfind("samples\t", 0), 0u);
        EXPECT_EQ(lines[lines.size() - 2].rfind("zone1\t", 0), 0u);
        EXPECT_EQ(lines.back().rfind("zone2\t", 0), 0u);
        fs::path png = dir_ / (entry.path().stem().string() + ".png");
        CliRun image = run("recording '" + entry.path().string() + "' -o '" + png.string() + "'");
        ASSERT_EQ(image.exitCode, 0) << image.err;
        EXPECT_EQ(pngSize(fileBytes(png)), (std::pair<unsigned, unsigned>{1400, 1000}));
    }
    EXPECT_EQ(files, 10u);

    CliRun metric =
        run("recording '" +
            (fs::path(data_) / "recordings" / "ssaring_sportstracker_cycling-metric.hrm").string() +
            "' --summary");
    EXPECT_EQ(metric.out.find("samples\t3720\nseconds\t18595.0\ninterval\t5\nmodel\t\nhr_min\t81\n"), 0u)
        << metric.out;
    EXPECT_NE(metric.out.find("speed_max_kmh\t110.3\n"), std::string::npos);
    EXPECT_NE(metric.out.find("altitude_max_m\t403.0\n"), std::string::npos);
    EXPECT_EQ(metric.out.find("cadence_max"), std::string::npos);

    fs::path pdf = dir_ / "speed.pdf";
    CliRun page = run("recording '" +
                      (fs::path(data_) / "recordings" / "teich_hrmparser_polarRS800-bike.hrm").string() +
                      "' --x distance --y speed -o '" + pdf.string() + "'");
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(fileBytes(pdf).rfind("%PDF", 0), 0u);

    const fs::path recordings = fs::path(data_) / "recordings";
    CliRun ride = run("recording '" + (recordings / "garmin-edge-820-bike.fit").string() + "' --summary");
    EXPECT_EQ(ride.out.find("samples\t15\nseconds\t65.0\ninterval\t0\nmodel\tGarmin, Produkt 2530\n"), 0u)
        << ride.out;
    EXPECT_NE(ride.out.find("speed_max_kmh\t25.9\ndistance_km\t0.46\naltitude_min_m\t-17.8\n"),
              std::string::npos);
    EXPECT_NE(ride.out.find("zone2\t"), std::string::npos);
    CliRun run410 = run("recording '" + (recordings / "vkurup_python-tcxparser_test.tcx").string() + "' --summary");
    EXPECT_EQ(run410.out.find("samples\t383\n"), 0u) << run410.out;
    CliRun track = run("recording '" + (recordings / "garmin-extensions.gpx").string() + "' --summary");
    EXPECT_EQ(track.out.find("samples\t3\nseconds\t40.0\ninterval\t0\nmodel\tEdge 530\n"), 0u) << track.out;
    fs::path power = dir_ / "power.png";
    CliRun image = run("recording '" + (recordings / "Edge810-Vector-2013-08-16-15-35-10.fit").string() +
                       "' --y power -o '" + power.string() + "'");
    ASSERT_EQ(image.exitCode, 0) << image.err;
    EXPECT_EQ(pngSize(fileBytes(power)), (std::pair<unsigned, unsigned>{1400, 1000}));
    CliRun damaged = run("recording '" + (recordings / "activity-filecrc.fit").string() + "' --summary");
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("activity-filecrc.fit: Die FIT-Datei ist beschädigt"), std::string::npos);

    CliRun missing = run("recording '" + (dir_ / "fehlt.dat").string() + "' --summary");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Fehler beim Öffnen der Datei"), std::string::npos);
    EXPECT_EQ(run("recording x.hrm --y heart -o a.png").exitCode, 1);
    unsetenv("SAISONBUCH_HOME");
}

TEST_F(Cli, CalendarDrawsAMonthAsImageOrPrintedPage) {
    fs::path png = dir_ / "march.png";
    fs::path pdf = dir_ / "control.pdf";
    CliRun image = run("calendar '" + samplePlan() + "' --month 3 -o '" + png.string() + "'");
    ASSERT_EQ(image.exitCode, 0) << image.err;
    EXPECT_EQ(pngSize(fileBytes(png)), (std::pair<unsigned, unsigned>{1400, 1000}));

    CliRun page = run("calendar '" + samplePlan() + "' --month 5 --control -o '" + pdf.string() + "'");
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(fileBytes(pdf).rfind("%PDF", 0), 0u);

    CliRun noMonth = run("calendar '" + samplePlan() + "' --month 13 -o '" + png.string() + "'");
    EXPECT_EQ(noMonth.exitCode, 1);
    EXPECT_NE(noMonth.err.find("--month"), std::string::npos);

    // The user's sport mode decides the rows: running alone draws another calendar.
    fs::path running = dir_ / "running.png";
    std::ofstream(dir_ / "running.cfg", std::ios::binary) << "[KONFIG]\r\nSPORTART=2\r\n";
    ASSERT_EQ(run("calendar '" + samplePlan() + "' --month 3 -o '" + running.string() + "' --settings '" +
                  (dir_ / "running.cfg").string() + "'")
                  .exitCode,
              0);
    EXPECT_NE(fileBytes(running), fileBytes(png));
}

TEST_F(Cli, ListAndSearchPrintRowsSumsAndDocuments) {
    CliRun week = run("list '" + samplePlan() + "' --week 10 --columns 0,2,3");
    ASSERT_EQ(week.exitCode, 0) << week.err;
    std::vector<std::string> lines = linesOf(week.out);
    ASSERT_EQ(lines.size(), 1u + 8u + 6u);
    EXPECT_EQ(lines[0], "Datum\tArt\tKM");
    EXPECT_EQ(lines[1], "03.03\tL\t7.5");
    EXPECT_EQ(lines[9], "Radsport\t153.5km\t5.5h\t3x");
    EXPECT_EQ(lines[14], "Durchschnittsgewicht\t64.9kg");

    fs::path html = dir_ / "year.htm";
    ASSERT_EQ(run("list '" + samplePlan() + "' --year --html '" + html.string() + "'").exitCode, 0);
    EXPECT_NE(fileBytes(html).find("Saisonbuch f&uuml;r das Jahr 2008</H2>\r\n"), std::string::npos);

    CliRun search = run("search '" + samplePlan() + "' --type 4 --columns 0,5");
    ASSERT_EQ(search.exitCode, 0) << search.err;
    EXPECT_EQ(linesOf(search.out)[1], "02.01\t00:39");
    for (const std::string& arguments : {std::string(" --week 54"), std::string(" --month 1 --columns 0,0"),
                                         std::string(" --year --columns 11"), std::string("")}) {
        CliRun bad = run("list '" + samplePlan() + "'" + arguments);
        EXPECT_EQ(bad.exitCode, 1) << arguments;
        EXPECT_TRUE(bad.out.empty()) << arguments;
    }
    EXPECT_EQ(run("search '" + samplePlan() + "' --type 10").exitCode, 1);
}

// The text of a PDF with every run of blanks as one blank.
std::string pdfWords(const fs::path& pdf) {
    FILE* pipe = popen(("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null").c_str(), "r");
    std::string words;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        if (c != ' ' || words.empty() || words.back() != ' ') words += char(c);
    pclose(pipe);
    return words;
}

// The overview as the printed PDF reads: the cover, the month lines with the type codes, the summary;
// months in the wrong order are refused before anything is written.
TEST_F(Cli, OverviewPrintsCoverMonthsAndSummaryIntoAPdf) {
    fs::path pdf = dir_ / "overview.pdf";
    CliRun printed = run("overview '" + plan("plan_2009.sb3") + "' -o '" + pdf.string() + "' --cover --to 2");
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    const std::string text = pdfWords(pdf);
    for (const char* expected : {"SAISONBUCH 2009", "Aaer: aerobe Ausdauer", "Saisonbuch: Februar 2009",
                                 "R: Do,01.01. 0045.6 0045.6 01:45 128 Berg Intr/Aaer",
                                 "A: Do,01.01. 000015 01:20 135 Loipe Aane/AGru", "Gesamt:"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    CliRun wrong = run("overview '" + plan("plan_2009.sb3") + "' -o '" + (dir_ / "no.pdf").string() +
                       "' --from 5 --to 3");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("Falsche Monatseingabe(n)"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "no.pdf"));
}

// A file that holds no plan is refused; a plan cut short is read with a note naming its last day.
TEST_F(Cli, NoPlanIsRefusedAndAPlanCutShortIsNamed) {
    const std::string image = (dir_ / "bild.sb3").string(), cut = (dir_ / "kurz.sb3").string();
    sb::testing::writeBytes(image, "\x89PNG\r\n\x1a\n");
    const std::string whole = fileBytes(plan("plan_2009.sb3"));
    std::size_t end = 0;
    for (int line = 0; line < 103; ++line) end = whole.find('\n', end) + 1;
    sb::testing::writeBytes(cut, whole.substr(0, end));
    const CliRun refused = run("info '" + image + "'"), read = run("info '" + cut + "'");
    EXPECT_EQ(std::pair(1, "saisonbuch-cli: Die Datei " + image + " ist kein Saisonbuch.\n"),
              std::pair(refused.exitCode, refused.err));
    EXPECT_EQ(std::pair(0, std::string("saisonbuch-cli: Die Datei ist unvollständig: gelesen bis 10.04.2009.\n")),
              std::pair(read.exitCode, read.err));
}

// On a disk that fills up every PDF command fails, the old file stays byte for byte and nothing is left
// beside it. A small tmpfs needs root (and a container that lets root mount).
TEST_F(Cli, PdfOutputsOnAFullDiskFailAndKeepTheOldFile) {
    const fs::path disk = dir_ / "klein";
    fs::create_directory(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=12k") != 0)
        GTEST_SKIP() << "no small tmpfs without root";
    const std::string old(6000, 'x'), pdf = (disk / "alt.pdf").string();
    sb::testing::writeBytes(pdf, old);
    const std::string recording =
        (fs::path(data_) / "recordings" / "teich_hrmparser_polarRS800-bike.hrm").string();
    for (const std::string& command :
         {"overview '" + samplePlan() + "' --cover", "calendar '" + samplePlan() + "' --month 5",
          "chart '" + samplePlan() + "' --kind 1 --quantity 117", "recording '" + recording + "' --y speed",
          "load '" + samplePlan() + "'"}) {
        const CliRun full = run(command + " -o '" + pdf + "'");
        EXPECT_EQ(1, full.exitCode) << command;
        EXPECT_EQ(old, fileBytes(pdf)) << command;
        EXPECT_EQ(1, std::distance(fs::directory_iterator(disk), {})) << command;
    }
    ::umount2(disk.c_str(), MNT_DETACH);
}

TEST_F(Cli, LoadPrintsEveryDayOfTheSampleYearAndDrawsItsChart) {
    CliRun year = run("load '" + samplePlan() + "'");
    ASSERT_EQ(year.exitCode, 0) << year.err;
    EXPECT_EQ(year.out, fileBytes(fs::path(data_) / "cli" / "load_sample_2008.tsv"));
    const std::vector<std::string> lines = linesOf(year.out);
    // Range, then the golden lines of its first and last day; 0 where the range is refused.
    const std::tuple<const char*, std::size_t, std::size_t> cases[] = {
        {"--from 1.1 --to 1.1", 1, 1},  {"--from 29.2 --to 1.3.", 60, 61}, {"--from 31.12", 366, 366},
        {"--to 31.1", 1, 31},           {"--from 30.2", 0, 0},             {"--to 32.12", 0, 0},
        {"--from 0.1", 0, 0},           {"--from 2.3 --to 1.3", 0, 0},     {"--from 1.3x", 0, 0}};
    for (const auto& [range, first, last] : cases) {
        CliRun part = run("load '" + samplePlan() + "' " + range);
        EXPECT_EQ(part.exitCode, first == 0 ? 1 : 0) << range;
        if (first == 0) continue;
        std::vector<std::string> expected{lines[0]};
        expected.insert(expected.end(), lines.begin() + long(first), lines.begin() + long(last + 1));
        EXPECT_EQ(linesOf(part.out), expected) << range;
    }
    fs::path png = dir_ / "load.png";
    ASSERT_EQ(run("load '" + samplePlan() + "' -o '" + png.string() + "'").exitCode, 0);
    EXPECT_EQ(pngSize(fileBytes(png)), (std::pair<unsigned, unsigned>{1400, 1000}));
    EXPECT_EQ(run("load '" + samplePlan() + "' -o '" + (dir_ / "x.gif").string() + "'").exitCode, 1);
    EXPECT_EQ(run("load '" + samplePlan() + "' -o '" + png.string() + "' --from 1.3").exitCode, 1);
}
