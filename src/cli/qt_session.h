// What the drawing subcommands share: a Qt session that works without a display and keeps Qt's own
// notes off stderr, a PDF printer, and the check of an output file's extension.
#pragma once

#include <functional>
#include <string>

#include "platform/printer.h"

namespace sb::cli {

// Runs `work` while a QGuiApplication exists (offscreen when no display is set); returns its result.
bool withGuiApplication(const std::function<bool()>& work);

// Runs `print` on a printer writing an A4 portrait PDF file, as a printed page of the program looks;
// true when it printed and the whole file was written.
bool printA4Pdf(const std::string& path, const std::function<bool(platform::Printer&)>& print);

// The path ends with `extension` (".png"), in any letter case.
bool hasExtension(const std::string& path, const std::string& extension);

}  // namespace sb::cli
