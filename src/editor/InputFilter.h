#pragma once

#include <QObject>

class QLineEdit;

// Drops typed characters outside a field's accepted set before the field sees
// them. Pasted text is not typed, so it passes untouched.
class InputFilter final : public QObject {
    Q_OBJECT
public:
    enum class Kind { Phone, Address, Port, BalanceRequest, Ascii };

    static void install(QLineEdit* field, Kind kind);

    // Whether a typed character with this code reaches the field.
    static bool accepts(Kind kind, char32_t code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputFilter(Kind kind, QObject* parent);

    Kind m_kind;
};
