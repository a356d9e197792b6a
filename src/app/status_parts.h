// The three parts of the main window's status bar as one widget that places them itself, with their
// right edges where the shell puts them, so long texts never push a part aside or widen the window.
#pragma once

#include <QWidget>
#include <array>
#include <string>

class QLabel;

namespace sb::app {

class StatusParts : public QWidget {
  public:
    explicit StatusParts(QWidget* parent = nullptr);

    void setTexts(const std::array<std::string, 3>& texts);
    QString text(int part) const;
    // The part's place inside this widget.
    QRect partGeometry(int part) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::array<QLabel*, 3> labels_{};
};

}  // namespace sb::app
