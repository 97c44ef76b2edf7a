#include "PortCheck.h"

#include "Dialogs.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

constexpr qlonglong LargestPort = 65535;

} // namespace

void PblPortEditChange(QLineEdit& field, Dialogs& dialogs)
{
    const QString text = field.text();
    if (text.isEmpty())
        return;
    bool whole = false;
    const qlonglong port = text.toLongLong(&whole);
    if (!whole) {
        // Reported like any other failed conversion; the text stays for the user to mend.
        dialogs.message(Dialogs::Message::plain(
            QCoreApplication::translate("PortCheck", "\"%1\" не является целым числом").arg(text),
            QStringLiteral("Exception")));
        return;
    }
    if (port > LargestPort) {
        dialogs.message(
            Dialogs::Message::error(QCoreApplication::translate("PortCheck", "Номер порта не должен быть больше 65535"),
                                    QCoreApplication::translate("PortCheck", "Номер порта")));
        field.clear();
    }
}

void watchPort(QLineEdit* field, Dialogs& dialogs)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field, &dialogs] { PblPortEditChange(*field, dialogs); });
}
