// The QApplication every Qt test runs under: created once, before the first test, and never destroyed
// (Qt objects outlive the tests' own scope, and tearing Qt down at exit gains nothing).
#pragma once

class QApplication;

namespace sb::platform::qt::test {

QApplication& application();

}  // namespace sb::platform::qt::test
