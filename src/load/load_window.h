// The season's load window ("Belastungsverlauf"): the load chart of the plan year in a window of its
// own beside the main window, with the numbers of the day clicked, printing and saving as PNG. It
// reads the plan each time it draws, so it follows every change.
#pragma once

#include <memory>
#include <string>

#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/picture_writer.h"
#include "platform/services.h"

namespace sb::load {

namespace load_window {
constexpr int chart = 100;
constexpr int dayNumbers = 101;
constexpr int printButton = 102;
constexpr int saveButton = 103;
constexpr int helpButton = 104;
constexpr int closeButton = 105;
constexpr int helpTopic = 35;
}  // namespace load_window

const platform::DialogTemplate& loadWindowTemplate();

// "Di 01.04.2008   Punkte 180.0   Fitness 4.2   Ermüdung 24.1   Form -3.2"
std::string dayNumbersText(const model::TrainingYear& year, int dayIndex);

class LoadWindowProcedure : public platform::DialogProcedure {
  public:
    // pictures: null when this platform cannot write images; the save button is greyed then.
    LoadWindowProcedure(const model::TrainingYear& year, platform::PictureWriter* pictures, std::string helpFile);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void paint(platform::DialogHost& host, int id, platform::Canvas& canvas) override;
    void mouseDown(platform::DialogHost& host, int id, platform::Point at) override;
    bool keyDown(platform::DialogHost& host, int id, platform::Key key) override;
    void help(platform::DialogHost& host) override;

    // The plan changed: the chart is drawn anew and the day's numbers follow.
    void refresh(platform::DialogHost& host);

  private:
    void selectDay(platform::DialogHost& host, int dayIndex);
    void print(platform::DialogHost& host);
    void save(platform::DialogHost& host);

    const model::TrainingYear& year_;
    platform::PictureWriter* pictures_;
    std::string helpFile_;
    int selectedDay_ = -1;
};

// The window while it is open; the shell keeps one.
class LoadWindow {
  public:
    LoadWindow() = default;
    // A window belongs to the object that opened it: a copy of the program's state starts without one,
    // and an assignment leaves the window where it is.
    LoadWindow(const LoadWindow&) {}
    LoadWindow& operator=(const LoadWindow&) { return *this; }

    // Opens the window, or when it is open already, a fresh one in its place at the front.
    void open(platform::Services& services, const model::TrainingYear& year, platform::PictureWriter* pictures,
              const std::string& helpFile);
    void refresh();
    bool isOpen() const { return dialog_ && dialog_->isOpen(); }
    // Null while closed.
    platform::DialogHost* host() { return isOpen() ? &dialog_->host() : nullptr; }

  private:
    // The dialog goes first, while its procedure still exists.
    std::unique_ptr<LoadWindowProcedure> procedure_;
    std::unique_ptr<platform::ModelessDialog> dialog_;
};

}  // namespace sb::load
