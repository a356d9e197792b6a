// The load window on the headless platform: a click shows the day's numbers, the keys walk the days up
// to the year's ends, a change of the plan reaches the open window, and printing and saving as PNG
// reach the printer and the file with their failures reported.
#include "load/load_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "charts/chart_frame.h"
#include "platform/headless/headless_services.h"

using namespace sb;
using platform::Key;
using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using platform::headless::PrintAnswer;
using platform::headless::RecordingCanvas;
namespace id = load::load_window;

namespace {

model::SportEntry session(const char* duration, int load) {
    model::SportEntry entry;
    entry.duration = duration;
    entry.load = load;
    return entry;
}

class FakePictures : public platform::PictureWriter {
  public:
    bool writePng(const std::string& path, platform::Size size,
                  const std::function<void(platform::Canvas&)>& draw) override {
        paths.push_back(path);
        draw(canvas);
        return succeed;
    }
    std::vector<std::string> paths;
    RecordingCanvas canvas;
    bool succeed = true;
};

class LoadWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        year->planYear = 2009;
        year->days[90].run = session("01:00", 3);  // Wednesday, 1 April
        window.open(services, *year, &pictures, "hilfe.html");
        ASSERT_TRUE(window.isOpen());
    }
    HeadlessDialogHost& host() { return static_cast<HeadlessDialogHost&>(*window.host()); }
    // The device point in the chart control over the middle of a day's column.
    platform::Point dayPoint(int day) {
        const platform::Size size = host().clientSize(id::chart);
        const int x = charts::frame::originX + int((day + 0.5) * 1270 / 365);
        return platform::toDevice(platform::Mapping{{0, 0}, {1400, 1000}, {0, 0}, size}, platform::Point{x, 500});
    }

    std::unique_ptr<model::TrainingYear> year = std::make_unique<model::TrainingYear>();
    HeadlessServices services;
    FakePictures pictures;
    load::LoadWindow window;
};

}  // namespace

TEST_F(LoadWindowTest, ClickAndKeysShowTheDaysNumbersAndFollowThePlan) {
    EXPECT_NE(host().paint(id::chart).findText("Belastungsverlauf 2009"), nullptr);
    host().click(id::chart, dayPoint(90));
    EXPECT_EQ(host().text(id::dayNumbers),
              "Mi 01.04.2009   Punkte 180.0   Fitness 4.2   Ermüdung 24.0   Form 0.0");
    host().pressKey(id::chart, Key::Right);
    EXPECT_EQ(host().text(id::dayNumbers).substr(0, 13), "Do 02.04.2009");

    year->days[91].bike = session("00:30", 2);
    window.refresh();
    EXPECT_NE(host().text(id::dayNumbers).find("Punkte 60.0"), std::string::npos);

    struct Case {
        int from;
        Key key;
        const char* date;
    } cases[] = {{1, Key::Left, "01.01.2009"},     {0, Key::Left, "01.01.2009"},
                 {363, Key::Right, "31.12.2009"},   {364, Key::Right, "31.12.2009"},
                 {8, Key::PageUp, "02.01.2009"},    {3, Key::PageUp, "01.01.2009"}};
    for (const Case& c : cases) {
        host().click(id::chart, dayPoint(c.from));
        host().pressKey(id::chart, c.key);
        EXPECT_EQ(host().text(id::dayNumbers).substr(3, 10), c.date) << c.from;
    }
    host().click(id::chart, {0, 0});  // outside the plot: the day stays
    EXPECT_EQ(host().text(id::dayNumbers).substr(3, 10), "01.01.2009");

    host().press(id::closeButton);
    EXPECT_FALSE(window.isOpen());
    window.refresh();
    EXPECT_TRUE(services.unexpected().empty());
}

TEST_F(LoadWindowTest, PrintsAndSavesThePictureAndReportsAFailedWrite) {
    services.answerPrintDialogs({PrintAnswer{}, PrintAnswer::cancel()});
    host().press(id::printButton);
    host().press(id::printButton);
    ASSERT_EQ(services.printedDocuments().size(), 1u);
    EXPECT_EQ(services.printedDocuments()[0].name, "Belastungsverlauf");
    EXPECT_NE(services.printedDocuments()[0].pages.at(0).findText("Punkte"), nullptr);

    services.answerFileDialogs({"/tmp/last.png", std::nullopt, "/nirgends/x.png"});
    host().press(id::saveButton);
    host().press(id::saveButton);
    pictures.succeed = false;
    host().press(id::saveButton);
    EXPECT_EQ(services.fileDialogs().at(0).request.proposedName, "Belastungsverlauf_2009.png");
    EXPECT_EQ(pictures.paths, (std::vector<std::string>{"/tmp/last.png", "/nirgends/x.png"}));
    EXPECT_NE(pictures.canvas.findText("Belastungsverlauf 2009"), nullptr);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Fehler beim Schreiben der Datei /nirgends/x.png"});

    load::LoadWindow withoutPictures;
    withoutPictures.open(services, *year, nullptr, "hilfe.html");
    EXPECT_FALSE(withoutPictures.host()->isEnabled(id::saveButton));
    EXPECT_TRUE(services.unexpected().empty());
}
