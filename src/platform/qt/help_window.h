// The help viewer: German HTML pages shown in a QTextBrowser window. Help files are named by a path
// that is either a file on disk or a page of the program's resources ("help/inhalt.html",
// ":/help/inhalt.html" or "qrc:/help/inhalt.html"). Topic n is the page "thema<n>.html" beside the
// help file, or else the anchor "thema<n>" inside it.
#pragma once

#include <QTextBrowser>
#include <optional>
#include <string>

class QUrl;

namespace sb::platform::qt {

// Where the page of `topic` (0 = the help file itself) lies; nothing when the help file is missing.
std::optional<QUrl> helpPageUrl(const std::string& helpFile, int topic);

class HelpWindow : public QTextBrowser {
  public:
    HelpWindow();
    void showPage(const QUrl& url);
};

}  // namespace sb::platform::qt
