#pragma once

#include <QValidator>

class QLineEdit;

// The characters a field takes. Every change of the field's text is judged,
// so a typed character and a pasted or dropped text meet the same rule: a
// change that would bring in any other character is refused whole.
class InputFilter final : public QValidator {
    Q_OBJECT
public:
    enum class Kind { Phone, Address, Port, BalanceRequest, Ascii };

    static void install(QLineEdit* field, Kind kind);

    State validate(QString& input, int& position) const override;

private:
    InputFilter(Kind kind, QObject* parent);

    bool accepts(QChar c) const;

    Kind m_kind;
};
