// Loading Qt's German translations.
#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sb::platform::qt {

bool installGermanTranslations(QCoreApplication& application) {
    QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto* translator = new QTranslator(&application);
    QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded =
        translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        translator->load(QStringLiteral("qtbase_de"), QStringLiteral("/usr/share/qt6/translations"));
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void chooseGermanSystemLocale() {
    // LC_ALL would override the rest; its value still serves the categories not set here.
    if (qEnvironmentVariableIsSet("LC_ALL")) {
        if (!qEnvironmentVariableIsSet("LANG")) qputenv("LANG", qgetenv("LC_ALL"));
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "de_DE.UTF-8");
    qputenv("LC_MESSAGES", "de_DE.UTF-8");
    qputenv("LANGUAGE", "de");
}

}  // namespace sb::platform::qt
