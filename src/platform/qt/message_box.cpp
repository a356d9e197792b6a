// The message box: exact text and title, the German button texts and the icon of the request.
#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A short text makes a box so narrow that the window manager cuts its title ("Tag…ion"); a row as wide
// as the title and the frame's buttons keeps it whole.
void keepTitleWhole(QMessageBox& box) {
    constexpr int kFrameButtonsWidth = 120;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kFrameButtonsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// The text as it stands (no markup read into it), the title kept whole, the icon.
void showTexts(QMessageBox& box, const std::string& text, const std::string& title, Icon icon) {
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(text));
    box.setWindowTitle(toQString(title));
    box.setIcon(qtIcon(icon));
    keepTitleWhole(box);
}

}  // namespace

Answer showMessageBox(QWidget* owner, const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) {
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    showTexts(box, text, title, icon);
    struct Choice {
        QMessageBox::StandardButton button;
        const char* text;
        Answer answer;
    };
    static const Choice ok{QMessageBox::Ok, "OK", Answer::Ok};
    static const Choice cancel{QMessageBox::Cancel, "Abbrechen", Answer::Cancel};
    static const Choice yes{QMessageBox::Yes, "Ja", Answer::Yes};
    static const Choice no{QMessageBox::No, "Nein", Answer::No};
    std::vector<Choice> choices;
    switch (buttons) {
        case Buttons::Ok:
            choices = {ok};
            break;
        case Buttons::OkCancel:
            choices = {ok, cancel};
            break;
        case Buttons::YesNo:
            choices = {yes, no};
            break;
        case Buttons::YesNoCancel:
            choices = {yes, no, cancel};
            break;
    }
    for (const Choice& choice : choices) {
        box.addButton(choice.button)->setText(QString::fromUtf8(choice.text));
    }
    // The first button is the default, as the program's questions expect.
    box.setDefaultButton(choices.front().button);
    box.exec();
    QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const Choice& choice : choices) {
        if (choice.button == pressed) return choice.answer;
    }
    // Closed without a button (only possible where Escape has no button of its own).
    return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

int showChoiceBox(QWidget* owner, const std::string& text, const std::string& title,
                  const std::vector<std::string>& buttons, Icon icon) {
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    showTexts(box, text, title, icon);
    std::vector<QPushButton*> pushButtons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        pushButtons.push_back(
            box.addButton(toQString(buttons[i]), last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (pushButtons.empty()) return -1;
    box.setDefaultButton(pushButtons.front());
    box.setEscapeButton(pushButtons.back());
    box.exec();
    const auto pressed = std::find(pushButtons.begin(), pushButtons.end(), box.clickedButton());
    return pressed == pushButtons.end() ? int(pushButtons.size()) - 1 : int(pressed - pushButtons.begin());
}

}  // namespace sb::platform::qt
