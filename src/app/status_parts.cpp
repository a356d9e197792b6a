// Placing the status bar's parts: each ends at its edge and starts where the one before it ended.
#include "app/status_parts.h"

#include <QLabel>
#include <algorithm>

#include "platform/qt/qt_text.h"
#include "shell/status_bar.h"

namespace sb::app {

StatusParts::StatusParts(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (QLabel*& label : labels_) {
        label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        label->setTextFormat(Qt::PlainText);  // a name or path is shown as typed, never as markup
    }
}

void StatusParts::setTexts(const std::array<std::string, 3>& texts) {
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setText(platform::qt::toQString(texts[i]));
}

QString StatusParts::text(int part) const {
    return labels_[std::size_t(part)]->text();
}

QRect StatusParts::partGeometry(int part) const {
    return labels_[std::size_t(part)]->geometry();
}

QSize StatusParts::sizeHint() const {
    return {1, labels_[0]->sizeHint().height()};
}

QSize StatusParts::minimumSizeHint() const {
    return sizeHint();
}

void StatusParts::resizeEvent(QResizeEvent*) {
    const std::array<int, 3> edges = shell::statusBarPartEdges(width());
    int left = 0;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setGeometry(left, 0, std::max(edges[i] - left, 0), height());
        left = edges[i];
    }
}

}  // namespace sb::app
