// The Qt printer: page geometry in device pixels, a fresh canvas per page covering the printable
// area, and a document that ends up as a file when printed into PDF.
#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>

#include "platform/qt/qt_printer.h"
#include "qt_test_application.h"

namespace sb::platform::qt {
namespace {

TEST(QtPrinter, PrintsPagesIntoAPdfFile) {
    test::application();
    auto path = std::filesystem::temp_directory_path() / "saisonbuch_qt_printer_test.pdf";
    std::filesystem::remove(path);
    auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qprinter->setOutputFormat(QPrinter::PdfFormat);
    qprinter->setOutputFileName(QString::fromStdString(path.string()));
    QtPrinter printer(std::move(qprinter));

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
        canvas.drawText({700, 20}, "Trainingswoche : 12", {HAlign::Centre, VAlign::Top});
        printer.endPage();
    }
    EXPECT_TRUE(printer.endDocument());
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace sb::platform::qt
