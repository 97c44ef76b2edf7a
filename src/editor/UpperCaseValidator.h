#pragma once

#include <QValidator>

// Turns every letter the user types or pastes into upper case.
class UpperCaseValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
