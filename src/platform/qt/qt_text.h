// The one place where the program's UTF-8 texts, native file paths and 0x00BBGGRR colours meet
// Qt's QString and QColor.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "platform/canvas.h"

namespace sb::platform::qt {

QString toQString(const std::string& utf8);
std::string fromQString(const QString& text);

// File paths are native bytes, whatever their encoding.
QString toQPath(const std::string& nativePath);
std::string fromQPath(const QString& path);

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

}  // namespace sb::platform::qt
