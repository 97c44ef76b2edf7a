<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>LinkTexts</name>
    <message>
        <source>Автономный режим.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ППК подключен по USB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение по USB. Чтение...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ППК подключен по USB. Запись...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ППК не подключен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение. Осталось %1 c.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурирование по USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет доступного Com-порта. Работа в автономном режиме. Продолжить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет прав на доступ к порту: пользователь не входит в группу dialout. Выполните sudo usermod -aG dialout $USER и войдите в систему заново.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB не подключен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E1: ППК не отвечает!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E:3 ППК не отвечает!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь отсутствует!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неисправность оборудование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка записи.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка чтения конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что-то пошло не так</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК %1 выполнено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 выполнена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 завершена успешно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурирование. Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурирование. Запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурование. Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не определен порт РС - конфигуратора!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт РС - конфигуратора %1 недоступен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание запроса... %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи с удаленным ППК. Автономный режим.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервать ожидание соединения с удаленным ППК?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автономный режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E9: ППК не отвечает!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленный ППК IP: %1 подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ППК под охраной. Конфигурирование запрещено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка записи в ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет ответа на отрицательную квитанцию!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нарушена последовательность блоков. Ждали %1, получили %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК завершено успешно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время ожидания подтверждения приема блока истекло!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время ожидания блока от ППК истекло!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
