// The Qt session of the drawing subcommands.
#include "cli/qt_session.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/pdf_file_printer.h"
#include "platform/qt/qt_text.h"

namespace sb::cli {

namespace {

// Without a display Qt would abort on start; the offscreen platform draws just the same.
void chooseOffscreenWithoutDisplay() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// The tool's stderr carries one line on failure and nothing else: Qt's notes about the session
// (no runtime directory when run as root, fonts) are not the user's business here.
void quietQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "saisonbuch-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool withGuiApplication(const std::function<bool()>& work) {
    chooseOffscreenWithoutDisplay();
    qInstallMessageHandler(quietQtMessage);
    int argc = 1;
    char name[] = "saisonbuch-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    return work();
}

bool printA4Pdf(const std::string& path, const std::function<bool(platform::Printer&)>& print) {
    platform::qt::PdfFilePrinter printer(path);
    return print(printer) && printer.written();
}

bool hasExtension(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) return false;
    std::string tail = path.substr(path.size() - extension.size());
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension;
}

}  // namespace sb::cli
