// What the drawing subcommands share: the output kind by file extension, a Qt session that works
// without a display and keeps Qt's notes off stderr, and an A4 PDF printer for one printed page.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "platform/qt/qt_printer.h"

namespace sb::cli {

// Case-insensitive.
bool endsWith(const std::string& text, const std::string& suffix);

// Lives while the command draws.
class RenderSession {
  public:
    RenderSession();

  private:
    int argc_ = 1;
    char name_[16] = "saisonbuch-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// A printer whose one document goes into a portrait A4 PDF at `path`.
std::unique_ptr<platform::qt::QtPrinter> pdfPrinter(const std::string& path);

}  // namespace sb::cli
