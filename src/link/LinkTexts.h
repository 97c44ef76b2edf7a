#pragma once

#include <QString>

// The texts the link shows in the status line and in its boxes.
namespace LinkTexts {

inline const QString StandAlone = QStringLiteral("Автономный режим.");
inline const QString StandAloneShort = QStringLiteral("Автономный");
inline const QString Connecting = QStringLiteral("Подключение...");
inline const QString Linked = QStringLiteral("ППК подключен по USB.");
inline const QString Reading = QStringLiteral("Подключение по USB. Чтение...");
inline const QString Writing = QStringLiteral("ППК подключен по USB. Запись...");
inline const QString NoLink = QStringLiteral("Нет связи");
inline const QString NoPanel = QStringLiteral("ППК не подключен.");
inline QString countdown(int seconds)
{
    return QStringLiteral("Подключение. Осталось %1 c.").arg(seconds);
}

inline const QString UsbCaption = QStringLiteral("Конфигурирование по USB");
inline const QString ConfigCaption = QStringLiteral("Конфигурирование");
inline const QString NoPort = QStringLiteral("Нет доступного Com-порта. Работа в автономном режиме. Продолжить?");
inline const QString NoPortCaption = QStringLiteral("Оборудование");
// Added on a line of its own to the message of a port the user may not open.
inline const QString PortPermission = QStringLiteral(
    "Нет прав на доступ к порту: пользователь не входит в группу dialout. "
    "Выполните sudo usermod -aG dialout $USER и войдите в систему заново.");
inline const QString UsbMissing = QStringLiteral("USB не подключен!");
inline const QString NoAnswer = QStringLiteral("E1: ППК не отвечает!");
inline const QString NoAnswerAfterWrite = QStringLiteral("E:3 ППК не отвечает!");
inline const QString LinkAbsent = QStringLiteral("Связь отсутствует!");
inline const QString Fault = QStringLiteral("Неисправность оборудование");
inline const QString FaultCaption = QStringLiteral("Ошибка записи.");
inline const QString ReadError = QStringLiteral("Ошибка чтения конфигурации");
inline const QString SomethingWrong = QStringLiteral("Что-то пошло не так");
inline QString sequenceBroken(int expected, int received)
{
    return QStringLiteral("Нарушена последовательность блоков. Ждали %1, получили %2").arg(expected).arg(received);
}
inline QString readDone(const QString& account)
{
    return QStringLiteral("Чтение конфигурации ППК ") + account + QStringLiteral(" выполнено.");
}
inline QString writeDone(const QString& account)
{
    return QStringLiteral("Запись конфигурации ППК ") + account + QStringLiteral(" выполнена.");
}
inline QString remoteReadDone()
{
    return QStringLiteral("Чтение конфигурации ППК завершено успешно.");
}
// The same, naming the panel as the other transfers' messages do, for a log
// that may hold many panels.
inline QString remoteReadDone(const QString& account)
{
    return QStringLiteral("Чтение конфигурации ППК ") + account + QStringLiteral(" завершено успешно.");
}
inline QString remoteWriteDone(const QString& account)
{
    return QStringLiteral("Запись конфигурации ППК ") + account + QStringLiteral(" завершена успешно.");
}

} // namespace LinkTexts
