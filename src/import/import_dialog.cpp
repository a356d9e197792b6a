// The import dialog. Reading runs on the import reader's workers; the dialog posts itself a tick that
// waits a moment for finished files, so the window keeps handling input between ticks and the rows
// grow while the rest is read. Rows are decided anew after every change (files read, a check, a
// sport) and only the rows that changed are replaced in the list.
#include "import/import_dialog.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <set>

#include "import/import_reader.h"
#include "model/calendar.h"
#include "model/training_year.h"

namespace sb::import {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::DialogRect;
using platform::Notification;
namespace id = import_dialog;

constexpr unsigned kTab = ControlFlag::TabStop;
constexpr auto kTickWait = std::chrono::milliseconds(20);
constexpr int kWidth = 640;
constexpr int kHeight = 340;

const char* const kColumns[] = {"", "Datei", "Datum", "Start", "Sportart", "Dauer", "Distanz", "AVG-Puls", "Höhe",
                                "Status"};

std::string printed(const char* format, auto... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The file without its folder; inside an archive, from the archive's name on.
std::string shownFile(const std::string& file) {
    const std::size_t archive = file.find(".zip/");
    const std::size_t folder = file.rfind('/', archive == std::string::npos ? std::string::npos : archive);
    return folder == std::string::npos ? file : file.substr(folder + 1);
}

std::vector<std::string> cellsOf(const ImportRow& row) {
    const bool dated = row.year != 0;
    return {isCheckable(row) ? (row.checked ? "☑" : "☐") : "",
            shownFile(row.file),
            dated ? model::dateText(row.day, row.month, row.year) : "",
            dated && row.startSeconds >= 0 ? printed("%02d:%02d", row.startSeconds / 3600, row.startSeconds / 60 % 60)
                                           : "",
            model::sportName(row.sport),
            printed("%02d:%02d", row.minutes / 60, row.minutes % 60),
            printed("%.2f", row.distanceKm),
            printed("%d", row.avgPulse),
            printed("%d", row.climbingMetres),
            statusText(row)};
}

// A row as the list shows it, with the key of its first activity.
struct ShownRow {
    ActivityKey key;
    std::vector<std::string> cells;
    bool operator==(const ShownRow&) const = default;
};

// Rows of a file without a date or of another year keep the sport the file gave.
bool takesSportChoice(const ImportRow& row) {
    return row.status != RowStatus::unreadable && row.status != RowStatus::otherYear;
}

class ImportProcedure : public platform::DialogProcedure {
  public:
    ImportProcedure(model::TrainingYear& year, const ImportTarget& target, config::ConfigStore& settings,
                    std::vector<std::string> paths)
        : year_(year), target_(target), settings_(settings), sports_(plannableSports(year.planFileVersion)),
          initialPaths_(std::move(paths)) {}

    void init(DialogHost& host) override {
        for (const char* column : kColumns) host.insertColumn(id::rows, int(host.columns(id::rows).size()), column);
        for (int sport : sports_) host.addItem(id::sport, model::sportName(sport));
        showSelection(host);
        if (!initialPaths_.empty()) startReading(host, initialPaths_);
        showProgress(host);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        switch (control) {
            case id::readingTick:
                tick(host);
                return;
            case id::rows:
                if (notification == Notification::SelectionChanged) showSelection(host);
                if (notification == Notification::DoubleClicked) toggleSelected(host);
                return;
            case id::sport:
                if (notification == Notification::SelectionChanged) chooseSport(host);
                return;
            default:
                break;
        }
        if (notification != Notification::Clicked) return;
        if (control == id::filesButton) chooseFiles(host);
        if (control == id::folderButton) chooseFolder(host);
        if (control == id::takeRow) toggleSelected(host);
        if (control == id::takeButton) take(host);
        if (control == id::cancelButton) close(host);
    }

    void paint(DialogHost& host, int control, platform::Canvas& canvas) override {
        if (control != id::progress) return;
        const platform::Size size = host.clientSize(id::progress);
        canvas.setPen({platform::rgb(128, 128, 128)});
        canvas.setBrush(platform::Brush::solid(platform::rgb(255, 255, 255)));
        canvas.drawRectangle({0, 0, size.width, size.height});
        const std::size_t total = totalInputs();
        if (total == 0) return;
        const int filled = int(double(size.width - 2) * double(finishedInputs()) / double(total));
        canvas.setPen({platform::rgb(0, 120, 215), 1, platform::PenStyle::None});
        canvas.setBrush(platform::Brush::solid(platform::rgb(0, 120, 215)));
        canvas.drawRectangle({1, 1, 1 + filled, size.height - 1});
    }

    void close(DialogHost& host) override {
        for (auto& reader : readers_) reader->cancel();
        host.end(platform::dialogCancel);
    }

    bool wrote() const { return wrote_; }

  private:
    std::size_t totalInputs() const {
        std::size_t total = 0;
        for (const auto& reader : readers_) total += reader->inputCount();
        return total;
    }
    std::size_t finishedInputs() const {
        std::size_t finished = 0;
        for (const auto& reader : readers_) finished += reader->finishedCount();
        return finished;
    }
    // Until the tick that collects after every input was handed in, some rows may still be missing.
    bool reading() const { return ticking_; }

    void startReading(DialogHost& host, const std::vector<std::string>& paths) {
        std::vector<ImportInput> inputs = collectImportInputs(paths);
        if (inputs.empty()) {
            host.services().messageBox("Im gewählten Ordner liegen keine Aufzeichnungen.", "Hinweis",
                                       platform::Buttons::Ok, platform::Icon::Information);
            return;
        }
        readers_.push_back(std::make_unique<ImportReader>(std::move(inputs), 0, totalInputs()));
        if (!ticking_) {
            ticking_ = true;
            host.post(id::readingTick, Notification::Clicked);
        }
        showProgress(host);
    }

    void tick(DialogHost& host) {
        // A worker hands in its rows before it counts its input finished, so when all were finished
        // before this collect, the collect takes the last rows and the ticks may end.
        const bool allHandedIn = finishedInputs() == totalInputs();
        bool changed = false;
        for (auto& reader : readers_) changed |= reader->collect(activities_, changed ? std::chrono::milliseconds(0) : kTickWait);
        if (changed) refresh(host);
        ticking_ = !allHandedIn;
        showProgress(host);
        if (ticking_) host.post(id::readingTick, Notification::Clicked);
    }

    void showProgress(DialogHost& host) {
        const std::size_t total = totalInputs(), finished = finishedInputs();
        host.setText(id::progressText, total == 0 ? std::string("Wählen Sie Dateien oder einen Ordner.")
                                       : finished < total
                                           ? printed("%zu von %zu Dateien gelesen", finished, total)
                                           : printed("%zu Dateien gelesen, %zu Zeilen", total, rows_.size()));
        host.enable(id::takeButton, total > 0 && !reading());
        host.repaint(id::progress);
    }

    // Decides the rows again and brings the list up to them row by row: a row stays where its key and
    // cells are unchanged, so rows arriving in the middle move nothing else, and the scroll position and
    // the selected row are kept.
    void refresh(DialogHost& host) {
        const int selectedIndex = host.selection(id::rows);
        std::optional<ActivityKey> selected;
        if (selectedIndex >= 0 && selectedIndex < int(rows_.size())) selected = rows_[std::size_t(selectedIndex)].activities.front();
        rows_ = buildImportRows(activities_, year_, target_, choices_);
        const std::size_t before = shown_.size();
        std::set<ActivityKey> keys;
        for (const ImportRow& row : rows_) keys.insert(row.activities.front());
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const ShownRow wanted{rows_[i].activities.front(), cellsOf(rows_[i])};
            while (i < shown_.size() && !keys.count(shown_[i].key)) removeShown(host, i);
            if (i < shown_.size() && shown_[i] == wanted) continue;
            const auto old = std::find_if(shown_.begin() + std::ptrdiff_t(i), shown_.end(),
                                          [&](const ShownRow& row) { return row.key == wanted.key; });
            if (old != shown_.end()) removeShown(host, std::size_t(old - shown_.begin()));
            host.insertRow(id::rows, int(i), wanted.cells);
            shown_.insert(shown_.begin() + std::ptrdiff_t(i), wanted);
        }
        while (shown_.size() > rows_.size()) removeShown(host, shown_.size() - 1);
        if (shown_.size() != before) host.fitColumnsToHeaders(id::rows);
        int newIndex = -1;
        for (std::size_t i = 0; selected && i < rows_.size(); ++i)
            if (rows_[i].activities.front() == *selected) newIndex = int(i);
        if (newIndex != host.selection(id::rows)) host.setSelection(id::rows, newIndex);
        showSelection(host);
    }

    void removeShown(DialogHost& host, std::size_t index) {
        host.removeItem(id::rows, int(index));
        shown_.erase(shown_.begin() + std::ptrdiff_t(index));
    }

    const ImportRow* selectedRow(const DialogHost& host) const {
        const int index = host.selection(id::rows);
        return index >= 0 && index < int(rows_.size()) ? &rows_[std::size_t(index)] : nullptr;
    }

    void showSelection(DialogHost& host) {
        const ImportRow* row = selectedRow(host);
        host.enable(id::takeRow, row && isCheckable(*row));
        host.setChecked(id::takeRow, row && row->checked);
        const bool choosable = row && takesSportChoice(*row);
        const auto offered = row ? std::find(sports_.begin(), sports_.end(), row->sport) : sports_.end();
        host.setSelection(id::sport, choosable && offered != sports_.end() ? int(offered - sports_.begin()) : -1);
        host.enable(id::sport, choosable);
    }

    void toggleSelected(DialogHost& host) {
        const ImportRow* row = selectedRow(host);
        if (!row || !isCheckable(*row)) return;
        choices_.checks[row->activities.front()] = !row->checked;
        refresh(host);
    }

    void chooseSport(DialogHost& host) {
        const ImportRow* row = selectedRow(host);
        const int index = host.selection(id::sport);
        if (!row || index < 0 || index >= int(sports_.size())) return;
        for (const ActivityKey& key : row->activities) choices_.sports[key] = sports_[std::size_t(index)];
        refresh(host);
    }

    platform::FileDialogRequest request(std::string start) const {
        return {"",
                {{"Aufzeichnungen und Archive", "*.fit;*.tcx;*.gpx;*.hrm;*.dat;*.fit.gz;*.tcx.gz;*.gpx.gz;*.zip"}},
                std::move(start),
                ""};
    }

    void chooseFiles(DialogHost& host) {
        const std::vector<std::string> paths = host.services().openFileNames(request({}), false);
        if (!paths.empty()) startReading(host, paths);
    }

    void chooseFolder(DialogHost& host) {
        const std::string last = config::readSetting(settings_, "IMPORT", "ORDNER", "", config::WriteBack::No);
        const std::vector<std::string> folder = host.services().openFileNames(request(last), true);
        if (folder.empty()) return;
        config::writeSetting(settings_, "IMPORT", "ORDNER", folder.front());
        startReading(host, folder);
    }

    void take(DialogHost& host) {
        if (reading()) return;
        const TakeOutcome outcome = takeImportRows(rows_, target_, year_);
        wrote_ = outcome.taken > 0;
        host.services().messageBox(takeSummary(outcome), "Info", platform::Buttons::Ok, platform::Icon::Information);
        host.end(platform::dialogOk);
    }

    model::TrainingYear& year_;
    const ImportTarget target_;
    config::ConfigStore& settings_;
    const std::vector<int> sports_;
    const std::vector<std::string> initialPaths_;
    std::vector<std::unique_ptr<ImportReader>> readers_;
    bool ticking_ = false;  // a reading tick is posted
    std::vector<ImportedActivity> activities_;
    ImportChoices choices_;
    std::vector<ImportRow> rows_;
    std::vector<ShownRow> shown_;  // what the list shows, row by row
    bool wrote_ = false;
};

}  // namespace

const platform::DialogTemplate& importTemplate() {
    static const platform::DialogTemplate dialog{
        "IDD_IMPORT",
        "Importieren",
        kWidth,
        kHeight,
        {
            {id::filesButton, ControlKind::Button, "&Dateien...", DialogRect{7, 7, 60, 14}, kTab},
            {id::folderButton, ControlKind::Button, "&Ordner...", DialogRect{72, 7, 60, 14}, kTab},
            {id::progress, ControlKind::Canvas, "", DialogRect{140, 9, 150, 10}},
            {id::progressText, ControlKind::Static, "", DialogRect{296, 10, 217, 10}},
            {id::rows, ControlKind::ListView, "", DialogRect{7, 27, kWidth - 14, kHeight - 64}, kTab},
            {id::takeRow, ControlKind::CheckBox, "Zeile ü&bernehmen", DialogRect{7, kHeight - 32, 90, 12},
             kTab | ControlFlag::ManualCheck},
            {platform::staticControlId, ControlKind::Static, "&Sportart:", DialogRect{104, kHeight - 30, 36, 10}},
            {id::sport, ControlKind::DropDownList, "", DialogRect{142, kHeight - 32, 80, 60}, kTab},
            {id::takeButton, ControlKind::DefaultButton, "Übernehmen", DialogRect{kWidth - 134, kHeight - 21, 60, 14},
             kTab},
            {id::cancelButton, ControlKind::Button, "Abbrechen", DialogRect{kWidth - 67, kHeight - 21, 60, 14}, kTab},
        }};
    return dialog;
}

bool runImportDialog(platform::Services& services, model::TrainingYear& year, const ImportTarget& target,
                     config::ConfigStore& settings, const std::vector<std::string>& paths) {
    ImportProcedure procedure(year, target, settings, paths);
    services.runModal(importTemplate(), procedure);
    return procedure.wrote();
}

}  // namespace sb::import
