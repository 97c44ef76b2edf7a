#include "LibraryTexts.h"

QString LibraryTexts::unknownScheme(const QString& scheme)
{
    return tr("библиотека — это путь к файлу SQLite или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА, "
              "а не адрес «%1://»")
        .arg(scheme);
}

QString LibraryTexts::passwordInUrl()
{
    return tr("пароль не пишут в адресе библиотеки: его берут из ~/.pgpass или PGPASSWORD");
}

QString LibraryTexts::parametersInUrl()
{
    return tr("в адресе библиотеки не бывает параметров после «?»: соединение настраивают "
              "переменные окружения PostgreSQL (например PGSSLMODE)");
}

QString LibraryTexts::noDatabaseInUrl()
{
    return tr("в адресе библиотеки нет имени базы: postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА");
}

QString LibraryTexts::badUrl()
{
    return tr("адрес библиотеки не разобран: нужен вид postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА");
}

QString LibraryTexts::noFolder(const QString& folder)
{
    return tr("нет папки %1").arg(folder);
}

QString LibraryTexts::isFolder()
{
    return tr("это папка, а не файл библиотеки");
}

QString LibraryTexts::notSqlite()
{
    return tr("это не библиотека панелей: файл не является базой SQLite");
}

QString LibraryTexts::foreignDatabase()
{
    return tr("это не библиотека панелей: в базе таблицы другой программы");
}

QString LibraryTexts::newerSchema(int found, int known)
{
    return tr("библиотека записана более новой версией программы (схема %1, эта программа знает схемы до %2); "
              "она не изменена")
        .arg(found)
        .arg(known);
}

QString LibraryTexts::noDriver(const QString& engine, const QString& package)
{
    return tr("нет драйвера %1 для Qt (пакет %2)").arg(engine, package);
}

QString LibraryTexts::cannotCreate(const QString& reason)
{
    return tr("библиотеку не удалось создать: %1").arg(reason);
}

QString LibraryTexts::cannotUpgrade(const QString& reason)
{
    return tr("схему библиотеки не удалось обновить: %1").arg(reason);
}

QString LibraryTexts::readOnly()
{
    return tr("библиотека открыта только для чтения");
}

QString LibraryTexts::busy(int seconds)
{
    return tr("библиотека занята другой программой дольше %1 с").arg(seconds);
}

QString LibraryTexts::diskFull()
{
    return tr("нет места на диске");
}

QString LibraryTexts::notPermitted(const QString& reason)
{
    return tr("нет права на это в библиотеке: %1").arg(reason);
}

QString LibraryTexts::badIdentifier(const QString& text)
{
    return tr("«%1» не номер панели: нужны четыре шестнадцатеричные цифры").arg(text);
}

QString LibraryTexts::unknownPanel(const QString& identifier)
{
    return tr("панели %1 нет в библиотеке").arg(identifier);
}

QString LibraryTexts::unknownVersion(const QString& identifier, int number)
{
    return tr("у панели %1 нет версии %2").arg(identifier).arg(number);
}

QString LibraryTexts::onlyOneVersion(const QString& identifier)
{
    return tr("у панели %1 одна версия: её не с чем сравнить").arg(identifier);
}

QString LibraryTexts::notRecorded(const QString& reason)
{
    return tr("версия не записана в библиотеку: %1").arg(reason);
}

QString LibraryTexts::damaged(const QString& reason)
{
    return tr("база повреждена: %1").arg(reason);
}

QString LibraryTexts::imageMissing(const QString& identifier, int number)
{
    return tr("у версии %2 панели %1 нет образа").arg(identifier).arg(number);
}

QString LibraryTexts::imageAltered(const QString& sha256)
{
    return tr("образ %1 не совпадает со своей суммой SHA-256").arg(sha256);
}

QString LibraryTexts::countsDisagree(const QString& identifier, int counted, int recorded)
{
    return tr("у панели %1 в истории %2 версий, а в её строке записано %3")
        .arg(identifier)
        .arg(counted)
        .arg(recorded);
}
