// Typing and pasting into PlanText fields: the text is filtered in place, so the field shows exactly
// what will be stored, and the cursor stays behind what the user just typed.
#include "platform/qt/plan_text_validator.h"

#include <QLineEdit>
#include <QToolTip>

#include "model/text_encoding.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

constexpr int kHintMilliseconds = 6000;

}  // namespace

PlanTextValidator::PlanTextValidator(QLineEdit* field, bool commaAsDot)
    : QValidator(field), field_(field), commaAsDot_(commaAsDot) {}

QValidator::State PlanTextValidator::validate(QString& input, int& position) const {
    // Filtering both sides of the cursor apart puts it where the kept part of its left side ends.
    model::StorableText before = model::storableText(fromQString(input.left(position)), commaAsDot_);
    model::StorableText after = model::storableText(fromQString(input.mid(position)), commaAsDot_);
    QString kept = toQString(before.text + after.text);
    if (kept != input) {
        input = kept;
        position = int(toQString(before.text).size());
    }
    if (std::optional<char32_t> refused = before.refused ? before.refused : after.refused) {
        QToolTip::showText(field_->mapToGlobal(QPoint(0, field_->height())),
                           toQString(model::unstorableHint(*refused)), field_, QRect(), kHintMilliseconds);
    }
    return Acceptable;
}

}  // namespace sb::platform::qt
