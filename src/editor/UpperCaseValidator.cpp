#include "UpperCaseValidator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const
{
    input = input.toUpper();
    return Acceptable;
}
