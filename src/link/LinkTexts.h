#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the link shows in the status line and in its boxes, through Qt's
// translation, so the window and zq22 show them alike.
class LinkTexts final {
    Q_DECLARE_TR_FUNCTIONS(LinkTexts)
public:
    static QString standAlone() { return tr("Автономный режим."); }
    static QString standAloneShort() { return tr("Автономный"); }
    static QString connecting() { return tr("Подключение..."); }
    static QString linked() { return tr("ППК подключен по USB."); }
    static QString reading() { return tr("Подключение по USB. Чтение..."); }
    static QString writing() { return tr("ППК подключен по USB. Запись..."); }
    static QString noLink() { return tr("Нет связи"); }
    static QString noPanel() { return tr("ППК не подключен."); }
    static QString countdown(int seconds) { return tr("Подключение. Осталось %1 c.").arg(seconds); }

    static QString usbCaption() { return tr("Конфигурирование по USB"); }
    static QString configCaption() { return tr("Конфигурирование"); }
    static QString noPort() { return tr("Нет доступного Com-порта. Работа в автономном режиме. Продолжить?"); }
    static QString noPortCaption() { return tr("Оборудование"); }
    // Added on a line of its own to the message of a port the user may not open.
    static QString portPermission()
    {
        return tr("Нет прав на доступ к порту: пользователь не входит в группу dialout. "
                  "Выполните sudo usermod -aG dialout $USER и войдите в систему заново.");
    }
    static QString usbMissing() { return tr("USB не подключен!"); }
    static QString noAnswer() { return tr("E1: ППК не отвечает!"); }
    static QString noAnswerAfterWrite() { return tr("E:3 ППК не отвечает!"); }
    static QString linkAbsent() { return tr("Связь отсутствует!"); }
    static QString fault() { return tr("Неисправность оборудование"); }
    static QString faultCaption() { return tr("Ошибка записи."); }
    static QString readError() { return tr("Ошибка чтения конфигурации"); }
    static QString somethingWrong() { return tr("Что-то пошло не так"); }
    static QString readDone(const QString& account) { return tr("Чтение конфигурации ППК %1 выполнено.").arg(account); }
    static QString writeDone(const QString& account)
    {
        return tr("Запись конфигурации ППК %1 выполнена.").arg(account);
    }
    static QString remoteWriteDone(const QString& account)
    {
        return tr("Запись конфигурации ППК %1 завершена успешно.").arg(account);
    }
    static QString remoteReadDone() { return tr("Чтение конфигурации ППК завершено успешно."); }
    // The same, naming the panel as the other transfers' messages do, for a log
    // that may hold many panels.
    static QString remoteReadDone(const QString& account)
    {
        return tr("Чтение конфигурации ППК %1 завершено успешно.").arg(account);
    }
    static QString sequenceBroken(int expected, int received)
    {
        return tr("Нарушена последовательность блоков. Ждали %1, получили %2").arg(expected).arg(received);
    }

    // The remote link's own captions.
    static QString remoteCaption() { return tr("Удаленное конфигурирование"); }
    static QString remoteReadCaption() { return tr("Конфигурирование. Чтение"); }
    static QString remoteWriteCaption() { return tr("Конфигурирование. Запись"); }
    // The caption of the overdue-block box is spelt this way on purpose.
    static QString overdueBlockCaption() { return tr("Конфигурование. Чтение"); }
};
