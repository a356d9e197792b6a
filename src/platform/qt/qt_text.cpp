// Conversions between the program's texts, paths and colours and their Qt counterparts.
#include "platform/qt/qt_text.h"

#include <QByteArray>
#include <QFile>

namespace sb::platform::qt {

QString toQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string fromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

QString toQPath(const std::string& nativePath) {
    return QFile::decodeName(QByteArray(nativePath.data(), qsizetype(nativePath.size())));
}

std::string fromQPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

Colour fromQColor(const QColor& colour) {
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace sb::platform::qt
