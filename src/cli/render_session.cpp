// The Qt session of the drawing subcommands.
#include "cli/render_session.h"

#include <QPrinter>
#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <cstdlib>

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

bool endsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    std::string tail = text.substr(text.size() - suffix.size());
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == suffix;
}

RenderSession::RenderSession() {
    chooseOffscreenWithoutDisplay();
    qInstallMessageHandler(quietQtMessage);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

std::unique_ptr<platform::qt::QtPrinter> pdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(platform::qt::toQPath(path));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    return std::make_unique<platform::qt::QtPrinter>(std::move(printer));
}

}  // namespace sb::cli
