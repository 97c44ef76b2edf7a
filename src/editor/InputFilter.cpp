#include "InputFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr char32_t CtrlC = 3;
constexpr char32_t Backspace = 8;
constexpr char32_t CtrlV = 22;
constexpr char32_t CtrlX = 24;
constexpr char32_t FirstNonAscii = 128;
constexpr char32_t NoCharacter = 0xFFFFFFFF;

// The character a key press types, with Ctrl+letter as its control code, so
// that copy, paste and cut are judged the same whatever text the platform
// attaches to them. Keys that move the cursor or the focus type nothing.
char32_t typedCode(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
        return NoCharacter;
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return U'\r';
    default:
        break;
    }
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return static_cast<char32_t>(key.key() - Qt::Key_A + 1);
    const QList<uint> text = key.text().toUcs4();
    return text.isEmpty() ? NoCharacter : static_cast<char32_t>(text.first());
}

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
    : QObject(parent)
    , m_kind(kind)
{
}

void InputFilter::install(QLineEdit* field, Kind kind)
{
    field->installEventFilter(new InputFilter(kind, field));
}

bool InputFilter::accepts(Kind kind, char32_t code)
{
    if (kind == Kind::Ascii)
        return code < FirstNonAscii;
    if (code == CtrlC || code == Backspace || code == CtrlV || code == CtrlX)
        return true;
    return code < FirstNonAscii && acceptedSet(kind).contains(QChar(static_cast<char16_t>(code)));
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const char32_t code = typedCode(*static_cast<QKeyEvent*>(event));
    return code != NoCharacter && !accepts(m_kind, code);
}
