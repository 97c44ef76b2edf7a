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

// What `after` holds in place of `before`'s middle: the characters a change brought in.
QStringView broughtIn(QStringView before, QStringView after)
{
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

} // namespace

InputFilter::InputFilter(Kind kind, QLineEdit* field)
    : QValidator(field)
    , m_kind(kind)
    , m_field(field)
    , m_before(field->text())
{
}

void InputFilter::install(QLineEdit* field, Kind kind)
{
    field->setValidator(new InputFilter(kind, field));
}

QValidator::State InputFilter::validate(QString& input, int& /*position*/) const
{
    // The line edit counts as modified only while the user's edits stand: a
    // text set by the program (setText resets the flag) is not judged. The
    // field's own signals are not used, since a restore may block them.
    if (m_field->isModified()) {
        for (QChar c : broughtIn(m_before, input)) {
            if (!accepts(c))
                return Invalid;
        }
    }
    m_before = input;
    return Acceptable;
}

bool InputFilter::accepts(QChar c) const
{
    // Half of a character beyond the 16-bit range is above 127 as well.
    if (c.unicode() >= FirstNonAscii)
        return false;
    return m_kind == Kind::Ascii || acceptedSet(m_kind).contains(c);
}
