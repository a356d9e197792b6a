// The widgets of dialog templates: dialog-unit geometry, one widget per ControlKind, and the two
// painted controls (the canvas and the colour swatch).
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/dialog.h"

class QFont;

namespace sb::platform::qt {

// Dialog units of a font: a quarter of its average character width, an eighth of its height.
struct DialogUnits {
    int baseX = 1;
    int baseY = 1;
    QRect toPixels(const DialogRect& rect) const;
    QSize toPixels(int width, int height) const;
};

DialogUnits dialogUnitsOf(const QFont& font);

// Painted by the dialog procedure through a QtCanvas; reports left clicks in its own pixels, and the
// keys it has a name for while it has the focus (a key the handler does not use goes to the dialog).
class CanvasControl : public QWidget {
  public:
    using PaintHandler = std::function<void(QPainter&)>;
    using ClickHandler = std::function<void(QPoint)>;
    using KeyHandler = std::function<bool(Key)>;
    explicit CanvasControl(QWidget* parent);
    void setHandlers(PaintHandler onPaint, ClickHandler onClick, KeyHandler onKey);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PaintHandler onPaint_;
    ClickHandler onClick_;
    KeyHandler onKey_;
};

// A rectangle in one colour with a thin black frame.
class ColourSwatch : public QWidget {
  public:
    explicit ColourSwatch(QWidget* parent);
    void setColour(Colour colour);
    Colour colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour colour_ = 0;
};

// The widget of one template control, in its template state (text, limits, flags) and place. Labels,
// frames and group boxes let clicks through to what lies beneath, as a canvas may.
QWidget* createControlWidget(const ControlTemplate& control, QWidget* parent, const DialogUnits& units);

// A label shows '&' plainly: "&&" becomes "&", a single '&' is dropped.
QString withoutMnemonic(const std::string& text);
// The key a procedure can hear, if it is one.
std::optional<Key> keyOf(const QKeyEvent& event);

}  // namespace sb::platform::qt
