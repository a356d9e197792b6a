// The load window on the headless platform: a click or a key shows a day's numbers, up to the year's
// ends; a change of the plan reaches the open window; printing and saving as PNG, a failed write told.
#include "load/load_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "platform/headless/headless_services.h"

using namespace sb;
using platform::Key;
using platform::headless::HeadlessDialogHost;
using platform::headless::PrintAnswer;
namespace id = load::load_window;

namespace {

struct FakePictures : platform::PictureWriter {
    bool writePng(const std::string& path, platform::Size, const std::function<void(platform::Canvas&)>& draw) override {
        paths.push_back(path);
        draw(canvas);
        return paths.size() == 1;
    }
    std::vector<std::string> paths;
    platform::headless::RecordingCanvas canvas;
};

struct LoadWindowTest : ::testing::Test {
    void SetUp() override {
        year->planYear = 2009;
        year->days[90].run = {"", 0, 0, 0, "01:00", 3, ""};  // Wednesday, 1 April
        window.open(services, *year, &pictures, "hilfe.html");
    }
    HeadlessDialogHost& host() { return static_cast<HeadlessDialogHost&>(*window.host()); }
    void clickDay(int day) {
        const platform::Mapping mapping{{0, 0}, {1400, 1000}, {0, 0}, host().clientSize(id::chart)};
        host().click(id::chart, platform::toDevice(mapping, platform::Point{80 + int((day + 0.5) * 1270 / 365), 500}));
    }
    std::string shownDate() { return host().text(id::dayNumbers).substr(3, 10); }

    std::unique_ptr<model::TrainingYear> year = std::make_unique<model::TrainingYear>();
    platform::headless::HeadlessServices services;
    FakePictures pictures;
    load::LoadWindow window;
};

}  // namespace

TEST_F(LoadWindowTest, ClickAndKeysShowTheDaysNumbersAndFollowThePlan) {
    EXPECT_NE(host().paint(id::chart).findText("Belastungsverlauf 2009"), nullptr);
    clickDay(90);
    EXPECT_EQ(host().text(id::dayNumbers), "Mi 01.04.2009   Punkte 180.0   Fitness 4.2   Ermüdung 24.0   Form 0.0");
    host().pressKey(id::chart, Key::Right);
    year->days[91].bike = {"", 0, 0, 0, "00:30", 2, ""};
    window.refresh();
    EXPECT_EQ(host().text(id::dayNumbers).substr(0, 30), "Do 02.04.2009   Punkte 60.0   ");

    const std::tuple<int, Key, const char*> cases[] = {
        {1, Key::Left, "01.01.2009"},    {0, Key::Left, "01.01.2009"},  {363, Key::Right, "31.12.2009"},
        {364, Key::Right, "31.12.2009"}, {8, Key::PageUp, "02.01.2009"}, {3, Key::PageUp, "01.01.2009"}};
    for (auto [from, key, date] : cases) {
        clickDay(from);
        host().pressKey(id::chart, key);
        EXPECT_EQ(shownDate(), date) << from;
    }
    host().click(id::chart, {0, 0});  // outside the plot: the day stays
    EXPECT_EQ(shownDate(), "01.01.2009");
    host().press(id::closeButton);
    EXPECT_FALSE(window.isOpen());
    EXPECT_TRUE(services.unexpected().empty());
}

TEST_F(LoadWindowTest, PrintsAndSavesThePictureAndReportsAFailedWrite) {
    services.answerPrintDialogs({PrintAnswer{}, PrintAnswer::cancel()});
    host().press(id::printButton);
    host().press(id::printButton);
    ASSERT_EQ(services.printedDocuments().size(), 1u);
    EXPECT_EQ(services.printedDocuments()[0].name, "Belastungsverlauf");

    services.answerFileDialogs({"/tmp/last.png", std::nullopt, "/nirgends/x.png"});
    for (int k = 0; k < 3; ++k) host().press(id::saveButton);
    EXPECT_EQ(services.fileDialogs().at(0).request.proposedName, "Belastungsverlauf_2009.png");
    EXPECT_EQ(pictures.paths, (std::vector<std::string>{"/tmp/last.png", "/nirgends/x.png"}));
    EXPECT_NE(pictures.canvas.findText("Belastungsverlauf 2009"), nullptr);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Fehler beim Schreiben der Datei /nirgends/x.png"});

    load::LoadWindow withoutPictures;
    withoutPictures.open(services, *year, nullptr, "hilfe.html");
    EXPECT_FALSE(withoutPictures.host()->isEnabled(id::saveButton));
    EXPECT_TRUE(services.unexpected().empty());
}
