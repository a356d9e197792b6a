// The program's start: the process-wide set-up after the QApplication exists, the state loaded before
// the window, and the main window created, shown and given its start-up command.
#pragma once

#include <memory>

#include "app/main_window.h"
#include "config/program_paths.h"
#include "shell/application.h"

class QApplication;
class QObject;

namespace sb::app {

// The program's resources, Qt's German texts, and the "C" rules for numbers that QApplication replaced
// by the user's locale (where the decimal point may be a comma).
void prepareApplication(QApplication& application);

// Settings loaded, the window created with its bars as configured, shown, and the start-up command
// queued. `app` must outlive the window. `services` as for the window's constructor.
std::unique_ptr<MainWindow> openMainWindow(shell::Application& app, const config::ProgramPaths& paths,
                                           std::unique_ptr<platform::qt::QtServices> services = nullptr);

// The lock beside the open plan, and recovery copies named after this process. Before openMainWindow.
void guardPlans(shell::Application& app);

// SIGTERM, SIGHUP, SIGINT and the end of the desktop session write the recovery copy and end the program
// without a question, as long as the returned object lives.
std::unique_ptr<QObject> endUnaskedFromOutside(QApplication& application, shell::Application& app,
                                               MainWindow& window);

// The whole program; the arguments are Qt's own and, after them, one optional file: a plan or a
// recording, opened at start.
int runProgram(int argc, char* argv[]);

}  // namespace sb::app
