// The Qt printer: page geometry in device pixels, a fresh canvas per page covering the printable area and
// measuring text in logical units, and a document printed into a PDF file whose text, read back, holds
// what was drawn on each page.
#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>
#include <memory>

#include "platform/qt/qt_printer.h"
#include "support/pdf_text.h"
#include "support/plan_fixtures.h"

namespace sb::platform::qt {
namespace {

TEST(QtPrinter, PrintsPagesIntoAPdfFile) {
    sb::testing::TempDir dir;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFileName(QString::fromStdString(dir.file("woche.pdf")));
    QtPrinter printer(std::move(pdf));
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
        EXPECT_EQ(canvas.textMetrics().height, 26);  // in logical units, as on the screen
        canvas.drawRectangle({80, 100, 1350, 940});
        canvas.drawText({700, 20}, "Trainingswoche : " + std::to_string(12 + i), {HAlign::Centre, VAlign::Top});
        printer.endPage();
    }
    EXPECT_TRUE(printer.endDocument());
    const std::string text = sb::testing::pdfText(dir / "woche.pdf");
    EXPECT_LT(text.find("Trainingswoche : 12"), text.find("Trainingswoche : 13")) << text;
    EXPECT_NE(text.find("Trainingswoche : 13"), std::string::npos) << text;
}

}  // namespace
}  // namespace sb::platform::qt
