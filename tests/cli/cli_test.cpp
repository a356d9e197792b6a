// saisonbuch-cli run as a user runs it: exit codes with one-line errors, one golden output per
// subcommand, the settings it reads, and the outputs it refuses to write.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "fileio/text_lines.h"
#include "planfile/plan_file_version.h"
#include "support/pdf_text.h"
#include "support/plan_fixtures.h"
#include "support/season_fixture.h"

namespace fs = std::filesystem;
using sb::testing::fileBytes;

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir_ / "home"); }

    CliRun run(const std::string& arguments) {
        // The tool reads the program's settings; a folder of the test's own keeps the user's away.
        const std::string command = "SAISONBUCH_HOME='" + (dir_ / "home").string() + "' '" + cli_ + "' " +
                                    arguments + " >" + temp("stdout.txt") + " 2>" + temp("stderr.txt");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileBytes(dir_ / "stdout.txt"),
                fileBytes(dir_ / "stderr.txt")};
    }

    // Quoted paths for a command line: test data, the sample plan, and files of the test's folder.
    std::string data(const std::string& name) const { return "'" + (fs::path(data_) / name).string() + "'"; }
    std::string plan() const { return data("planfile/plan_2009.sb3"); }
    std::string sample() const { return data("../../examples/sample-2008.sb3"); }
    std::string temp(const std::string& name) const { return "'" + dir_.file(name) + "'"; }
    std::string dataBytes(const std::string& name) const { return fileBytes(fs::path(data_) / name); }

    const std::string cli_ = std::getenv("SAISONBUCH_CLI");
    const std::string data_ = std::getenv("SAISONBUCH_TEST_DATA");
    sb::testing::TempDir dir_;
};

TEST_F(Cli, ExitCodesAndOneLineErrors) {
    // A file that holds no plan is refused; a plan cut short is read with a note naming its last day.
    sb::testing::writeBytes(dir_ / "bild.sb3", "\x89PNG\r\n\x1a\n");
    const std::string whole = dataBytes("planfile/plan_2009.sb3");
    std::size_t end = 0;
    for (int line = 0; line < 103; ++line) end = whole.find('\n', end) + 1;
    sb::testing::writeBytes(dir_ / "kurz.sb3", whole.substr(0, end));
    const struct {
        std::string arguments;
        int exitCode;
        std::string err;  // part of the one line on stderr
    } cases[] = {
        {"frobnicate", 1, "unbekannter Befehl: frobnicate"},
        {"info", 1, "zu wenige Argumente (Aufruf: saisonbuch-cli info PLAN)"},
        {"info " + plan() + " zwei", 1, "unbekanntes Argument: zwei (Aufruf: saisonbuch-cli info PLAN)"},
        {"info /does/not/exist.sb3", 1, "Fehler beim Öffnen der Datei /does/not/exist.sb3"},
        {"info notes.txt", 1, "keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): notes.txt"},
        {"info " + temp("bild.sb3"), 1,
         "saisonbuch-cli: Die Datei " + dir_.file("bild.sb3") + " ist kein Saisonbuch.\n"},
        {"info " + temp("kurz.sb3"), 0, "saisonbuch-cli: Die Datei ist unvollständig: gelesen bis 10.04.2009.\n"},
        {"convert " + plan() + " out.txt", 1,
         "keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): out.txt"},
        {"export " + plan() + " x.csv -x=1", 1, "unbekannte Option: -x (Aufruf: saisonbuch-cli export PLAN"},
        {"export " + plan() + " x.csv --no-run --no-run", 1, "Option mehrfach angegeben: --no-run (Aufruf:"},
        {"calendar " + plan() + " -o x.png --month", 1, "unvollständige Option: --month (Aufruf:"},
        {"calendar " + plan() + " --control=1", 1, "Option ohne Wert: --control (Aufruf:"},
        {"calendar " + plan() + " --month 13 -o x.png", 1, "ungültiger Wert für --month: 13 (Aufruf:"},
        {"series " + plan() + " --kind 3 --quantity 117", 1,
         "Größe 117 gibt es in Diagrammart 3 nicht (Aufruf:"},
        {"search " + plan() + " --type 10", 1, "Aufruf: saisonbuch-cli search PLAN --type 0..9"},
        {"list " + plan() + " --week 54", 1, "Falsche Woche: muss zwischen 1 und 53 liegen"},
        {"list " + plan() + " --month 13", 1, "Falscher Monat: muss zwischen 1 und 12 liegen"},
        {"recording x.hrm --y heart -o a.png", 1, "unbekannte Achse: --y heart (Aufruf:"},
        {"recording x.hrm --summary -o a.png", 1, "entweder -o AUS oder --summary angeben"},
        {"recording " + data("recordings/activity-filecrc.fit") + " --summary", 1,
         "activity-filecrc.fit: Die FIT-Datei ist beschädigt"},
        {"chart " + plan() + " -o " + temp("fehlt/x.png") + " --kind 1", 1,
         "Fehler beim Schreiben der Datei"},
        {"chart " + plan() + " -o " + temp("fehlt/x.pdf") + " --kind 1", 1,
         "Fehler beim Schreiben der Datei"},
        {"overview " + plan() + " -o " + temp("no.pdf") + " --from 5 --to 3", 1, "Falsche Monatseingabe(n)"},
        {"info " + plan() + " --settings " + temp("none.cfg"), 1, "Einstellungsdatei nicht gefunden"},
        {"export " + plan() + " " + temp("x.csv") + " --from 31.4", 0,
         "Eingabefehler in den Datumsfeldern, exportiere gesamtes Jahr"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(result.err.rfind("saisonbuch-cli: ", 0), 0u) << c.arguments << ": " << result.err;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << c.arguments << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(c.exitCode == 0 || result.out.empty()) << c.arguments;
    }
    EXPECT_FALSE(fs::exists(dir_ / "no.pdf"));

    EXPECT_EQ(run("").exitCode, 1);
    EXPECT_EQ(run("--help").exitCode, 0);
    EXPECT_EQ(run("--version").out.rfind("saisonbuch-cli ", 0), 0u);
    for (const std::string name : {"info", "convert", "export", "series", "chart", "calendar", "overview",
                                   "recording", "list", "search", "load"}) {
        const CliRun help = run(name + " --help");
        EXPECT_EQ(help.exitCode, 0) << name;
        EXPECT_EQ(help.out.rfind("Aufruf: saisonbuch-cli " + name + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("\n  --settings DATEI "), std::string::npos) << help.out;
    }
}

TEST_F(Cli, EveryTextOutputMatchesItsGolden) {
    const std::pair<std::string, std::string> printed[] = {
        {"info " + plan(), "info.txt"},
        {"series " + sample() + " --kind 4 --quantity 103 --month 2", "series.txt"},
        {"list " + sample() + " --week 10 --columns 0,2,3", "list.txt"},
        {"search " + sample() + " --type 4 --columns 0,5", "search.txt"},
    };
    for (const auto& [arguments, name] : printed) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, dataBytes("cli/" + name)) << arguments;
    }
    // Summaries with the pulse zones of the settings, for every kind of recording.
    for (const auto& entry : fs::directory_iterator(fs::path(data_) / "cli" / "summary")) {
        const std::string input = entry.path().stem().string();
        const std::string path = input.ends_with(".dat") ? "../../examples/" + input : "recordings/" + input;
        const CliRun result =
            run("recording " + data(path) + " --summary --settings " + data("cli/zones.cfg"));
        EXPECT_EQ(result.exitCode, 0) << input << ": " << result.err;
        EXPECT_EQ(result.out, fileBytes(entry.path())) << input;
    }

    ASSERT_EQ(run("export " + plan() + " " + temp("range.csv") + " --from 2.1 --to 4.1").exitCode, 0);
    EXPECT_EQ(fileBytes(dir_ / "range.csv"), dataBytes("cli/export.csv"));
    for (const char* version : {"sb2", "sbn", "sb3"}) {
        const std::string name = std::string("plan.") + version;
        ASSERT_EQ(run("convert " + plan() + " " + temp(name)).exitCode, 0) << version;
        EXPECT_EQ(fileBytes(dir_ / name), dataBytes("planfile/plan_2009." + std::string(version)));
    }
}

TEST_F(Cli, PicturesAreImagesOfTheLogicalCanvasOrPrintedPages) {
    const std::string hrm = data("recordings/teich_hrmparser_polarRS800-bike.hrm");
    const std::pair<std::string, std::string> drawn[] = {
        {"chart " + sample() + " --kind 3 --quantity 103 --week 20 --style 2 -o ", "chart.png"},
        {"chart " + sample() + " --kind 1 --quantity 117 -o ", "chart.pdf"},
        {"calendar " + sample() + " --month 3 -o ", "calendar.png"},
        {"calendar " + sample() + " --month 5 --control -o ", "calendar.pdf"},
        {"recording " + hrm + " --x distance --y speed -o ", "recording.png"},
        {"recording " + data("recordings/Edge810-Vector-2013-08-16-15-35-10.fit") + " --y power -o ",
         "recording.pdf"},
        {"load " + sample() + " -o ", "load.png"},
    };
    const std::string pngHeader("IHDR\0\0\x05\x78\0\0\x03\xE8", 12);  // 1400 × 1000 pixels
    for (const auto& [arguments, name] : drawn) {
        const CliRun result = run(arguments + temp(name));
        ASSERT_EQ(result.exitCode, 0) << arguments << result.err;
        if (name.ends_with(".png"))
            EXPECT_EQ(fileBytes(dir_ / name).substr(12, 12), pngHeader) << name;
        else
            EXPECT_EQ(fileBytes(dir_ / name).rfind("%PDF", 0), 0u) << name;
    }

    ASSERT_EQ(run("overview " + plan() + " -o " + temp("overview.pdf") + " --cover --to 2").exitCode, 0);
    const std::string text = sb::testing::pdfText(dir_ / "overview.pdf");
    for (const char* expected : {"SAISONBUCH 2009", "Aaer: aerobe Ausdauer", "Saisonbuch: Februar 2009",
                                 "R: Do,01.01. 0045.6 0045.6 01:45 128 Berg Intr/Aaer",
                                 "A: Do,01.01. 000015 01:20 135 Loipe Aane/AGru", "Gesamt:"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

// A season's folder and archive imported into a version-1 plan: the dry run prints the golden lines
// with every status and leaves the plan alone; the real run takes the new rows, and --replace the
// row whose day held other values.
TEST_F(Cli, ImportPrintsEveryRowAndWritesOnlyWithoutDryRun) {
    const std::string planPath = dir_.file("season.sbn");
    auto year = std::make_unique<sb::model::TrainingYear>(sb::testing::seasonPlan(1));
    ASSERT_EQ(sb::planfile::writePlanFileOfVersion(1, planPath, *year), 0);
    const std::vector<std::string> inputs = sb::testing::writeSeason(dir_);
    const std::string before = fileBytes(planPath);
    const std::string arguments = "import '" + planPath + "' '" + inputs[0] + "' '" + inputs[1] + "'";

    const CliRun dry = run(arguments + " --dry-run");
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    std::string lines = dry.out;
    for (std::size_t at; (at = lines.find(dir_.path().string() + "/")) != std::string::npos;)
        lines.erase(at, dir_.path().string().size() + 1);
    EXPECT_EQ(lines, fileBytes(sb::testing::goldenPath("import/season-v1.txt")));
    EXPECT_EQ(fileBytes(planPath), before);

    const CliRun taken = run(arguments + " --replace --sport Rad");
    ASSERT_EQ(taken.exitCode, 0) << taken.err;
    EXPECT_EQ(taken.err, "3 Trainings übernommen, 7 übersprungen.\n");
    ASSERT_TRUE(sb::planfile::readPlanFileOfVersion(1, planPath, *year).readable);
    // The two rides of 12 June, the run of 11 June replaced, the heart-rate file given a sport.
    EXPECT_EQ(std::tie(year->days[162].bike.duration, year->days[161].run.duration, year->days[308].bike.duration),
              std::tuple("01:01", "00:01", "00:03"));
    EXPECT_EQ(run("import '" + planPath + "' '" + dir_.file("missing.fit") + "'").exitCode, 1);
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
    for (const std::string& command :
         {"overview " + sample() + " --cover", "calendar " + sample() + " --month 5",
          "chart " + sample() + " --kind 1 --quantity 117",
          "recording " + data("recordings/teich_hrmparser_polarRS800-bike.hrm") + " --y speed", "load " + sample()}) {
        const CliRun full = run(command + " -o '" + pdf + "'");
        EXPECT_EQ(1, full.exitCode) << command;
        EXPECT_EQ(old, fileBytes(pdf)) << command;
        EXPECT_EQ(1, std::distance(fs::directory_iterator(disk), {})) << command;
    }
    ::umount2(disk.c_str(), MNT_DETACH);
}

TEST_F(Cli, LoadPrintsEveryDayOfTheSampleYearOrOfTheRangeGiven) {
    const CliRun year = run("load " + sample());
    ASSERT_EQ(year.exitCode, 0) << year.err;
    EXPECT_EQ(year.out, dataBytes("cli/load_sample_2008.tsv"));
    const std::vector<std::string_view> lines = sb::fileio::splitLines(year.out);
    // Range, then the golden lines of its first and last day; 0 where the range is refused.
    const std::tuple<const char*, std::size_t, std::size_t> cases[] = {
        {"--from 1.1 --to 1.1", 1, 1}, {"--from 29.2 --to 1.3.", 60, 61},
        {"--from 31.12", 366, 366},    {"--to 31.1", 1, 31},
        {"--from 30.2", 0, 0},         {"--to 32.12", 0, 0},
        {"--from 0.1", 0, 0},          {"--from 2.3 --to 1.3", 0, 0},
        {"--from 1.3x", 0, 0}};
    for (const auto& [range, first, last] : cases) {
        const CliRun part = run("load " + sample() + " " + range);
        EXPECT_EQ(part.exitCode, first == 0 ? 1 : 0) << range;
        if (first == 0) continue;
        std::vector<std::string_view> expected{lines[0]};
        expected.insert(expected.end(), lines.begin() + long(first), lines.begin() + long(last + 1));
        EXPECT_EQ(sb::fileio::splitLines(part.out), expected) << range;
    }
    EXPECT_EQ(run("load " + sample() + " -o " + temp("x.gif")).exitCode, 1);
    EXPECT_EQ(run("load " + sample() + " -o " + temp("load.png") + " --from 1.3").exitCode, 1);
}

// The user's own training-type labels and sport mode come from the program's train.cfg or the file
// --settings names, else from the defaults; the tool never writes a settings file.
TEST_F(Cli, LabelsAndSportModeComeFromTheSettings) {
    const std::string labels =
        "[KONFIG]\r\nSPORTART=2\r\nSOLL_IST_EINTRAG_1=Eigen1\r\nSOLL_IST_EINTRAG_2=Eigen2\r\n"
        "SOLL_IST_EINTRAG_3=Eigen3\r\nSOLL_IST_EINTRAG_4=Eigen4\r\n";
    std::ofstream(dir_ / "home" / "train.cfg", std::ios::binary) << labels;
    ASSERT_EQ(run("export " + plan() + " " + temp("own.csv")).exitCode, 0);
    EXPECT_NE(fileBytes(dir_ / "own.csv").find(",Eigen"), std::string::npos);
    const CliRun types = run("series " + plan() + " --kind 2 --quantity 143");
    EXPECT_EQ(types.out.rfind("Slot;Gesamt;Eigen1;Eigen2;Eigen3;Eigen4;", 0), 0u) << types.err;
    // Running alone leaves the bike and swim time out of January's split total time.
    EXPECT_NE(run("series " + plan() + " --kind 2 --quantity 117").out.find("\n1;2.42;0.00;1.08;0.00;"),
              std::string::npos);
    EXPECT_EQ(fileBytes(dir_ / "home" / "train.cfg"), labels);

    std::ofstream(dir_ / "other.cfg", std::ios::binary) << "[KONFIG]\nSOLL_IST_EINTRAG_1=Anders\n";
    const CliRun named = run("series " + plan() + " --kind 1 --quantity 143 --settings " + temp("other.cfg"));
    EXPECT_EQ(named.out.rfind("Slot;Gesamt;Anders;ausd. aerob;", 0), 0u) << named.err;
    EXPECT_EQ(fileBytes(dir_ / "other.cfg"), "[KONFIG]\nSOLL_IST_EINTRAG_1=Anders\n");

    fs::remove(dir_ / "home" / "train.cfg");
    const CliRun defaults = run("series " + plan() + " --kind 1 --quantity 143");
    EXPECT_EQ(defaults.out.rfind("Slot;Gesamt;k. A.;ausd. aerob;", 0), 0u) << defaults.err;
    EXPECT_FALSE(fs::exists(dir_ / "home" / "train.cfg"));
}

// An output never replaces a plan, the settings or the command's input, whatever name reaches them;
// only convert writes plans, over its input too.
TEST_F(Cli, OutputsNeverReplaceAPlanTheSettingsOrTheInput) {
    fs::copy_file(fs::path(data_) / "planfile" / "plan_2009.sb3", dir_ / "plan.sb3");
    fs::copy_file(fs::path(data_) / "recordings" / "teich_hrmparser_polarRS800-bike.hrm", dir_ / "ride.hrm");
    std::ofstream(dir_ / "other.cfg") << "[KONFIG]\n";
    for (const char* link : {"plan.csv", "plan.htm", "plan.png", "plan.pdf"})
        fs::create_symlink("plan.sb3", dir_ / link);
    fs::create_symlink("ride.hrm", dir_ / "ride.png");
    const std::string mine = temp("plan.sb3");
    const std::string refused = "schreibt keine Saisonbuch-Datei; dafür gibt es convert\n";
    const std::pair<std::string, std::string> cases[] = {
        {"export " + mine + " " + mine, "export " + refused},
        {"export " + mine + " " + temp("kopie.SB2"), "export " + refused},
        {"export " + mine + " " + temp("plan.csv"), "export " + refused},
        {"export " + mine + " " + temp("home/train.cfg"), "export " + refused},
        {"export " + mine + " " + temp("other.cfg") + " --settings " + temp("other.cfg"),
         "export " + refused},
        {"list " + mine + " --year --html " + temp("plan.htm"), "list " + refused},
        {"search " + mine + " --type 4 --html " + temp("suche.sbn"), "search " + refused},
        {"chart " + mine + " --kind 1 -o " + temp("plan.png"), "chart " + refused},
        {"calendar " + mine + " --month 3 -o " + temp("plan.pdf"), "calendar " + refused},
        {"overview " + mine + " -o " + temp("plan.pdf"), "overview " + refused},
        {"load " + mine + " -o " + temp("plan.png"), "load " + refused},
        {"recording " + temp("ride.hrm") + " -o " + temp("ride.png"),
         "recording schreibt nicht über seine Eingabe " + dir_.file("ride.hrm") + "\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments;
        EXPECT_EQ(result.err, "saisonbuch-cli: " + message) << arguments;
    }
    EXPECT_EQ(fileBytes(dir_ / "plan.sb3"), dataBytes("planfile/plan_2009.sb3"));
    EXPECT_EQ(fileBytes(dir_ / "ride.hrm"), dataBytes("recordings/teich_hrmparser_polarRS800-bike.hrm"));
    EXPECT_EQ(fileBytes(dir_ / "other.cfg"), "[KONFIG]\n");
    for (const char* absent : {"kopie.SB2", "suche.sbn", "home/train.cfg"})
        EXPECT_FALSE(fs::exists(dir_ / absent)) << absent;

    EXPECT_EQ(run("export " + mine + " " + temp("plan.sb3.csv")).exitCode, 0);
    EXPECT_EQ(run("convert " + mine + " " + mine).exitCode, 0);
    EXPECT_EQ(fileBytes(dir_ / "plan.sb3"), dataBytes("planfile/plan_2009.sb3"));

    // Nor does convert write a plan the program has open on another machine, nor take its lock.
    std::ofstream(dir_ / ".~plan.sb3.lock") << "4711\nsaisonbuch\nanderer-rechner\n";
    const CliRun locked = run("convert " + sample() + " " + mine);
    EXPECT_EQ(std::pair(1, "saisonbuch-cli: Die Datei " + dir_.file("plan.sb3") +
                               " ist in Saisonbuch geöffnet und wird nicht überschrieben\n"),
              std::pair(locked.exitCode, locked.err));
    EXPECT_EQ(fileBytes(dir_ / "plan.sb3") + fileBytes(dir_ / ".~plan.sb3.lock"),
              dataBytes("planfile/plan_2009.sb3") + "4711\nsaisonbuch\nanderer-rechner\n");
}

}  // namespace
