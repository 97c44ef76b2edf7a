#include "FirstCopy.h"

#include "Dialogs.h"
#include "SingleInstance.h"

#include <QCoreApplication>

bool claimFirstCopy(SingleInstance& instance, Dialogs& dialogs)
{
    if (instance.acquire())
        return true;
    dialogs.message(Dialogs::Message::error(QCoreApplication::translate("FirstCopy", "Приложение уже загружено"),
                                            QCoreApplication::translate("FirstCopy", "Повторный запуск приложения")));
    return false;
}
