#include "FirstCopy.h"

#include "Dialogs.h"
#include "SingleInstance.h"

bool claimFirstCopy(SingleInstance& instance, Dialogs& dialogs)
{
    if (instance.acquire())
        return true;
    dialogs.message(Dialogs::Message::error(QStringLiteral("Приложение уже загружено"),
                                            QStringLiteral("Повторный запуск приложения")));
    return false;
}
