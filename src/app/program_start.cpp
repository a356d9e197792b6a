// The program's start. The order matters: settings before the menu bar, the menu bar before the window,
// the bars before the window is shown, and the start-up command only once the window is on screen.
#include "app/program_start.h"

#include <signal.h>
#include <QApplication>
#include <QDateTime>
#include <QSessionManager>

#include <cerrno>
#include <clocale>
#include <filesystem>

#include "platform/qt/qt_plan_locks.h"
#include "platform/qt/surface_render.h"
#include "platform/qt/termination_signals.h"
#include "platform/qt/translations.h"
#include "shell/plan_lock_question.h"
#include "shell/recovery_copy.h"
#include "shell/startup.h"

// Resources compiled into a static library are linked only when something names them.
static void initialiseResources() {
    Q_INIT_RESOURCE(saisonbuch);
    Q_INIT_RESOURCE(help);
}

namespace sb::app {

void guardPlans(shell::Application& app) {
    const qint64 process = QCoreApplication::applicationPid();
    app.guard.locks = std::make_shared<platform::qt::QtPlanLocks>();
    app.guard.recovery.process = process;
    app.guard.recovery.instanceTag =
        std::to_string(process) + "-" + std::to_string(QDateTime::currentSecsSinceEpoch());
    app.guard.recovery.processRunning = [](std::int64_t other) {
        return ::kill(pid_t(other), 0) == 0 || errno == EPERM;
    };
}

std::unique_ptr<QObject> endUnaskedFromOutside(QApplication& application, shell::Application& app,
                                               MainWindow& window) {
    const auto endUnasked = [&app, &window] { shell::endUnasked(app, window, window.services()); };
    auto handlers = std::make_unique<platform::qt::TerminationSignals>(endUnasked);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, handlers.get(),
                     [endUnasked](QSessionManager&) { endUnasked(); });
    return handlers;
}

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
    guardPlans(*app);
    const std::unique_ptr<MainWindow> window = openMainWindow(*app, config::locateProgramDirectory());
    const std::unique_ptr<QObject> endings = endUnaskedFromOutside(application, *app, *window);
    const int exitCode = application.exec();
    shell::releasePlanLock(*app);
    return exitCode;
}

}  // namespace sb::app
