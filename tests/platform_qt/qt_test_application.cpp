// One offscreen QApplication for all tests of the Qt layer, made before the first test runs.
#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/translations.h"

namespace sb::platform::qt::test {

QApplication& application() {
    static QApplication* app = [] {
        chooseGermanSystemLocale();  // as the program does, over the tests' "C" locale
        static int argc = 1;
        static char name[] = "test_platform_qt";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace sb::platform::qt::test

// Taken instead of the one of the test library, which is linked as an archive.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    sb::platform::qt::test::application();
    return RUN_ALL_TESTS();
}
