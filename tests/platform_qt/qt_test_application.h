// The QApplication every Qt test needs, created once and never destroyed (Qt objects outlive the
// tests' own scope, and tearing Qt down at exit gains nothing).
#pragma once

class QApplication;

namespace sb::platform::qt::test {

QApplication& application();

}  // namespace sb::platform::qt::test
