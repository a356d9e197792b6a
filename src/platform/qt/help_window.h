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

// Qt blocks every window outside the newest modal dialog, so the help window always belongs to the
// window in front: it is shown owned by the modal dialog that asked for it (or by `owner`), moves into
// a modal dialog or message box that opens while it is shown, and back to that window's owner when it
// closes. So it stays in front, readable and scrollable, whatever opened it.
class HelpWindow : public QTextBrowser {
  public:
    HelpWindow();
    // Shows the page in front of the newest modal dialog, else in front of `owner` (may be null).
    void showPage(const QUrl& url, QWidget* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void moveTo(QWidget* owner);
    void placeBeside(QWidget* owner);
};

}  // namespace sb::platform::qt
