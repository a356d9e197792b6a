// Creating the widgets of template controls and painting the canvas and swatch controls.
#include "platform/qt/dialog_controls.h"

#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include "platform/qt/plan_text_validator.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

int mulDiv(int value, int numerator, int denominator) {
    return int(std::lround(double(value) * numerator / denominator));
}

// A button picture by its resource name; the program's pictures live in the resources.
QIcon buttonImage(const std::string& name) {
    QString base = toQString(name);
    for (const QString& candidate : {QStringLiteral(":/") + base, QStringLiteral(":/images/") + base + ".png",
                                     QStringLiteral(":/") + base + ".png"}) {
        if (QFile::exists(candidate)) return QIcon(candidate);
    }
    return {};
}

QWidget* createListView(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setColumnCount(0);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setSectionsMovable(true);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    return table;
}

QWidget* createEdit(const ControlTemplate& control, QWidget* parent) {
    if (control.flags & MultiLine) {
        auto* edit = new QPlainTextEdit(toQString(control.text), parent);
        edit->setReadOnly(control.flags & ReadOnly);
        return edit;
    }
    auto* edit = new QLineEdit(toQString(control.text), parent);
    if (control.maxLength > 0) edit->setMaxLength(control.maxLength);
    edit->setReadOnly(control.flags & ReadOnly);
    if (control.flags & Digits)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    else if (control.flags & PlanText)
        edit->setValidator(new PlanTextValidator(edit, control.flags & CommaAsDot));
    return edit;
}

QWidget* createComboBox(const ControlTemplate& control, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    if (control.kind == ControlKind::ComboEdit) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        if (control.maxLength > 0) combo->lineEdit()->setMaxLength(control.maxLength);
        if (control.flags & PlanText)
            combo->setValidator(new PlanTextValidator(combo->lineEdit(), control.flags & CommaAsDot));
    }
    return combo;
}

QWidget* createWidget(const ControlTemplate& control, QWidget* parent) {
    QString text = toQString(control.text);
    switch (control.kind) {
        case ControlKind::Edit:
            return createEdit(control, parent);
        case ControlKind::Static: {
            auto* label = new QLabel(withoutMnemonic(control.text), parent);
            label->setWordWrap(control.flags & MultiLine);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            return label;
        }
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            return frame;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            if (!control.image.empty()) button->setIcon(buttonImage(control.image));
            return button;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(text, parent);
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, parent);
            radio->setAutoExclusive(false);
            return radio;
        }
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, parent);
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            return group;
        }
        case ControlKind::ListBox:
            return new QListWidget(parent);
        case ControlKind::DropDownList:
        case ControlKind::ComboEdit:
            return createComboBox(control, parent);
        case ControlKind::ListView:
            return createListView(parent);
        case ControlKind::Canvas:
            return new CanvasControl(parent);
        case ControlKind::ColourSwatch:
            return new ColourSwatch(parent);
    }
    return new QWidget(parent);
}

bool takesTabStop(ControlKind kind) {
    return kind != ControlKind::Static && kind != ControlKind::Frame && kind != ControlKind::GroupBox &&
           kind != ControlKind::ColourSwatch;
}

}  // namespace

QRect DialogUnits::toPixels(const DialogRect& rect) const {
    return QRect(mulDiv(rect.x, baseX, 4), mulDiv(rect.y, baseY, 8), mulDiv(rect.width, baseX, 4),
                 mulDiv(rect.height, baseY, 8));
}

QSize DialogUnits::toPixels(int width, int height) const {
    return QSize(mulDiv(width, baseX, 4), mulDiv(height, baseY, 8));
}

DialogUnits dialogUnitsOf(const QFont& font) {
    QFontMetrics metrics(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return {std::max(1, average), std::max(1, metrics.height())};
}

QString withoutMnemonic(const std::string& text) {
    QString label = toQString(text);
    QString plain;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char('&') && i + 1 < label.size()) ++i;
        plain += label[i];
    }
    return plain;
}

QWidget* createControlWidget(const ControlTemplate& control, QWidget* parent, const DialogUnits& units) {
    QWidget* widget = createWidget(control, parent);
    QRect place = units.toPixels(control.rect);
    // A combo box's template height includes its opened list; the closed box keeps its own height.
    if (control.kind == ControlKind::DropDownList || control.kind == ControlKind::ComboEdit) {
        place.setHeight(std::min(place.height(), widget->sizeHint().height()));
    }
    // One-line texts are never cut: a label or box narrower than its text grows to the right, since
    // fonts here run wider than the ones the templates were measured with.
    bool oneLineText = control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton ||
                       (control.kind == ControlKind::Static && !(control.flags & MultiLine));
    // Nor are they cut at the top or bottom: a capital with an umlaut needs the font's full height.
    if (oneLineText) place.setSize(place.size().expandedTo(widget->sizeHint()));
    widget->setGeometry(place);
    widget->setObjectName(QStringLiteral("control_%1").arg(control.id));
    if (takesTabStop(control.kind)) {
        widget->setFocusPolicy((control.flags & TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setEnabled((control.flags & Disabled) == 0);
    if (!control.toolTip.empty()) widget->setToolTip(toQString(control.toolTip));
    if (control.flags & Hidden) widget->hide();
    return widget;
}

CanvasControl::CanvasControl(QWidget* parent) : QWidget(parent) {}

void CanvasControl::setHandlers(PaintHandler onPaint, ClickHandler onClick, KeyHandler onKey) {
    onPaint_ = std::move(onPaint);
    onClick_ = std::move(onClick);
    onKey_ = std::move(onKey);
}

void CanvasControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (onPaint_) onPaint_(painter);
}

void CanvasControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick_) onClick_(event->position().toPoint());
}

std::optional<Key> keyOf(const QKeyEvent& event) {
    const int code = event.key();
    if (code >= Qt::Key_0 && code <= Qt::Key_9) return Key(int(Key::Digit0) + (code - Qt::Key_0));
    switch (code) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_PageUp:
            return Key::PageUp;
        case Qt::Key_PageDown:
            return Key::PageDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Space:
            return Key::Space;
        default:
            return std::nullopt;
    }
}

void CanvasControl::keyPressEvent(QKeyEvent* event) {
    std::optional<Key> key = keyOf(*event);
    if (key && onKey_ && onKey_(*key)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {}

void ColourSwatch::setColour(Colour colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(colour_));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace sb::platform::qt
