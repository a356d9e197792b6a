// The input filter of PlanText fields: keeps what the plan's code page holds, turns commas into dots
// where the files would, and names a refused character in a tooltip at the field.
#pragma once

#include <QValidator>

class QLineEdit;

namespace sb::platform::qt {

class PlanTextValidator : public QValidator {
  public:
    PlanTextValidator(QLineEdit* field, bool commaAsDot);
    State validate(QString& input, int& position) const override;

  private:
    QLineEdit* field_;
    bool commaAsDot_;
};

}  // namespace sb::platform::qt
