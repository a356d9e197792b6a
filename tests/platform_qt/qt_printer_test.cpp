// The Qt printer: page geometry in device pixels, a fresh canvas per page covering the printable area,
// and documents printed into PDF files whose text, read back, holds what was drawn: the gear list with
// its title, every pair in field order and the wheel circumference.
#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "qt_test_application.h"
#include "support/plan_fixtures.h"
#include "tools/gear_list_printing.h"

namespace sb::platform::qt {
namespace {

std::unique_ptr<QPrinter> pdfInto(const std::filesystem::path& path) {
    test::application();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path.string()));
    return printer;
}

// The text of a PDF file as Ghostscript reads it, every run of blanks as one space.
std::string pdfText(const std::filesystem::path& path) {
    const std::string command =
        "gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile=- '" + path.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    for (int c = 0; pipe && (c = std::fgetc(pipe.get())) != EOF;) {
        if (c != ' ' && c != '\t')
            text += char(c);
        else if (!text.empty() && text.back() != ' ' && text.back() != '\n')
            text += ' ';
    }
    return text;
}

TEST(QtPrinter, PrintsPagesIntoAPdfFile) {
    sb::testing::TempDir dir;
    QtPrinter printer(pdfInto(dir / "woche.pdf"));
    PageGeometry page = printer.pageGeometry();
    EXPECT_GT(page.physicalWidth, 3000);  // A4 or Letter at high resolution
    EXPECT_GT(page.physicalHeight, page.physicalWidth);
    EXPECT_GT(page.offsetX, 0);
    EXPECT_GT(page.offsetY, 0);

    ASSERT_TRUE(printer.startDocument("12_Woche"));
    EXPECT_FALSE(printer.startDocument("twice"));
    for (int i = 0; i < 2; ++i) {
        printer.startPage();
        Canvas& canvas = printer.canvas();
        EXPECT_EQ(canvas.state(), CanvasState{});
        EXPECT_EQ(canvas.deviceSize().width, page.physicalWidth - 2 * page.offsetX);
        canvas.setMapping({{0, 0}, {1400, 1000}, {page.offsetX + 50, page.offsetY + 150}, {4000, 3000}});
        canvas.setFont({26});
        canvas.drawRectangle({80, 100, 1350, 940});
        canvas.drawText({700, 20}, "Trainingswoche : " + std::to_string(12 + i), {HAlign::Centre, VAlign::Top});
        printer.endPage();
    }
    EXPECT_TRUE(printer.endDocument());
    const std::string text = pdfText(dir / "woche.pdf");
    EXPECT_LT(text.find("Trainingswoche : 12"), text.find("Trainingswoche : 13")) << text;
    EXPECT_NE(text.find("Trainingswoche : 13"), std::string::npos) << text;
}

TEST(QtPrinter, TheGearListPageHoldsTheListInFieldOrder) {
    sb::testing::TempDir dir;
    QtPrinter printer(pdfInto(dir / "ritzel.pdf"));
    QtServices services;
    tools::GearInputs inputs;
    inputs.chainrings = {53, 39, 0};
    inputs.sprockets = {11, 12};
    ASSERT_TRUE(tools::printGearList(services, printer, inputs));
    const std::string text = pdfText(dir / "ritzel.pdf");
    std::size_t at = 0;
    for (const char* line :
         {"Ritzelliste", "1:4.82 10.28m Kettenblatt: 53 Ritzel: 11", "1:4.42 9.42m Kettenblatt: 53 Ritzel: 12",
          "1:3.55 7.56m Kettenblatt: 39 Ritzel: 11", "1:3.25 6.93m Kettenblatt: 39 Ritzel: 12", "Radumfang: 2133mm"}) {
        at = text.find(line, at);
        ASSERT_NE(std::string::npos, at) << line << "\nin:\n" << text;
    }
}

}  // namespace
}  // namespace sb::platform::qt
