#pragma once

#include <QValidator>

class QLineEdit;

// The characters a field takes. The characters a change brings in, typed,
// pasted or dropped, are judged by themselves, whatever the field already
// holds: a change that would bring in any other character is refused whole.
// A text the program puts in (a restored configuration) stays as it is, even
// with characters nobody could type there, until it is edited.
class InputFilter final : public QValidator {
    Q_OBJECT
public:
    enum class Kind { Phone, Address, Port, BalanceRequest, Ascii };

    static void install(QLineEdit* field, Kind kind);

    State validate(QString& input, int& position) const override;

private:
    InputFilter(Kind kind, QLineEdit* field);

    bool accepts(QChar c) const;

    Kind m_kind;
    const QLineEdit* m_field;
    // The field's text as last judged, the base a change is measured from.
    mutable QString m_before;
};
