// SIGTERM, SIGHUP and SIGINT turned into a Qt event: the handler only writes a byte into a pipe, and a
// socket notifier runs the callback in the main loop, where it may do anything.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace sb::platform::qt {

class TerminationSignals : public QObject {
  public:
    // One instance per program: it installs the handlers, and its destructor restores the defaults.
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

  private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace sb::platform::qt
