#include "InputFilter.h"

#include <QLineEdit>

namespace {

constexpr char16_t FirstNonAscii = 128;

QString acceptedSet(InputFilter::Kind kind)
{
    switch (kind) {
    case InputFilter::Kind::Phone:
        return QStringLiteral("0123456789+#");
    case InputFilter::Kind::Address:
        return QStringLiteral("0123456789.#");
    case InputFilter::Kind::Port:
        return QStringLiteral("0123456789#");
    case InputFilter::Kind::BalanceRequest:
        return QStringLiteral("0123456789*#");
    case InputFilter::Kind::Ascii:
        break;
    }
    return {};
}

} // namespace

InputFilter::InputFilter(Kind kind, QObject* parent)
    : QValidator(parent)
    , m_kind(kind)
{
}

void InputFilter::install(QLineEdit* field, Kind kind)
{
    field->setValidator(new InputFilter(kind, field));
}

QValidator::State InputFilter::validate(QString& input, int& /*position*/) const
{
    for (QChar c : std::as_const(input)) {
        if (!accepts(c))
            return Invalid;
    }
    return Acceptable;
}

bool InputFilter::accepts(QChar c) const
{
    // Half of a character beyond the 16-bit range is above 127 as well.
    if (c.unicode() >= FirstNonAscii)
        return false;
    return m_kind == Kind::Ascii || acceptedSet(m_kind).contains(c);
}
