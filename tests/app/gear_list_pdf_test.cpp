// The gear list printed for real: Qt's printer writes a PDF file, and the text read back from it holds
// the title, every pair in field order and the wheel circumference.
#include <gtest/gtest.h>

#include <QPrinter>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform_qt/qt_test_application.h"
#include "tools/gear_list_printing.h"

using namespace sb;

namespace {

// The text of a PDF file as Ghostscript reads it.
std::string pdfText(const std::filesystem::path& path) {
    const std::string command =
        "gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile=- '" + path.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> buffer;
    while (pipe && std::fgets(buffer.data(), int(buffer.size()), pipe.get())) text += buffer.data();
    return text;
}

}  // namespace

TEST(GearListPdf, ThePrintedPageHoldsTheListInFieldOrder) {
    platform::qt::test::application();
    const auto path = std::filesystem::temp_directory_path() / "saisonbuch_gear_list_test.pdf";
    std::filesystem::remove(path);
    auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qprinter->setOutputFormat(QPrinter::PdfFormat);
    qprinter->setOutputFileName(QString::fromStdString(path.string()));
    platform::qt::QtPrinter printer(std::move(qprinter));
    platform::qt::QtServices services;
    tools::GearInputs inputs;
    inputs.chainrings = {53, 39, 0};
    inputs.sprockets = {11, 12};
    ASSERT_TRUE(tools::printGearList(services, printer, inputs));

    const std::string text = pdfText(path);
    const std::array<const char*, 6> expected{"Ritzelliste",
                                              "1:4.82 10.28m Kettenblatt: 53 Ritzel: 11",
                                              "1:4.42 9.42m Kettenblatt: 53 Ritzel: 12",
                                              "1:3.55 7.56m Kettenblatt: 39 Ritzel: 11",
                                              "1:3.25 6.93m Kettenblatt: 39 Ritzel: 12",
                                              "Radumfang: 2133mm"};
    std::string squeezed;  // the extraction lays out blanks as runs of spaces and tabs; one is enough
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t';
        if (!blank)
            squeezed += c;
        else if (!squeezed.empty() && squeezed.back() != ' ' && squeezed.back() != '\n')
            squeezed += ' ';
    }
    std::size_t at = 0;
    for (const char* line : expected) {
        const std::size_t found = squeezed.find(line, at);
        ASSERT_NE(std::string::npos, found) << line << "\nin:\n" << text;
        at = found;
    }
    std::filesystem::remove(path);
}
