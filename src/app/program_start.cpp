// The program's start. The order matters: settings before the menu bar, the menu bar before the window,
// the bars before the window is shown, and the start-up command only once the window is on screen.
#include "app/program_start.h"

#include <QApplication>
#include <clocale>
#include <filesystem>

#include "platform/qt/surface_render.h"
#include "platform/qt/translations.h"
#include "shell/startup.h"

// Resources compiled into a static library are linked only when something names them.
static void initialiseResources() {
    Q_INIT_RESOURCE(saisonbuch);
    Q_INIT_RESOURCE(help);
}

namespace sb::app {

void prepareApplication(QApplication& application) {
    initialiseResources();
    platform::qt::installGermanTranslations(application);
    std::setlocale(LC_NUMERIC, "C");
}

std::unique_ptr<MainWindow> openMainWindow(shell::Application& app, const config::ProgramPaths& paths,
                                           std::unique_ptr<platform::qt::QtServices> services) {
    shell::initialiseApplication(app, paths);
    auto window = std::make_unique<MainWindow>(app, std::move(services));
    shell::windowCreated(app, *window);
    window->show();
    return window;
}

int runProgram(int argc, char* argv[]) {
    platform::qt::chooseGermanSystemLocale();
    QApplication application(argc, argv);
    prepareApplication(application);
    platform::qt::QtPictureWriter pictures;
    auto app = std::make_unique<shell::Application>();
    app->pictures = &pictures;
    // QApplication has taken its own options out of the arguments; what is left names a file to open.
    std::error_code error;
    if (argc > 1 && *argv[1] != '\0') app->startFile = std::filesystem::absolute(argv[1], error).string();
    const std::unique_ptr<MainWindow> window = openMainWindow(*app, config::locateProgramDirectory());
    return application.exec();
}

}  // namespace sb::app
