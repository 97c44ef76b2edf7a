<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Application</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>ChListBox</name>
    <message>
        <source>Sim1 Первый номер</source>
        <translation>Sim1 First number</translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation>Sim1 Second number</translation>
    </message>
</context>
<context>
    <name>ChannelChoice</name>
    <message>
        <source>Список каналов будет очищен. Очистить?</source>
        <translation>The channel list will be cleared. Clear it?</translation>
    </message>
    <message>
        <source>Определение каналов связи</source>
        <translation>Communication channels</translation>
    </message>
</context>
<context>
    <name>ChannelPages</name>
    <message>
        <source>СМС</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation>Remote...</translation>
    </message>
</context>
<context>
    <name>ChannelsSheet</name>
    <message>
        <source>  Sim-карты </source>
        <translation>  SIM cards </translation>
    </message>
    <message>
        <source>Одна Sim-карта</source>
        <translation>One SIM card</translation>
    </message>
    <message>
        <source>Нет Sim-карт</source>
        <translation>No SIM cards</translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation>Report GSM signal level</translation>
    </message>
    <message>
        <source>Список каналов</source>
        <translation>Channel list</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Различий нет</source>
        <translation>No differences</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Страницы не проходят проверку перед записью:</source>
        <translation>The pages fail the check before writing:</translation>
    </message>
    <message>
        <source>Различий: %1</source>
        <translation>Differences: %1</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Сохранение списка различий</source>
        <translation>Saving the list of differences</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>«%1» на страницах не показывается.</source>
        <translation>“%1” is not shown on the pages.</translation>
    </message>
    <message>
        <source>Взять отмеченные</source>
        <translation>Take ticked</translation>
    </message>
    <message>
        <source>Отмеченные значения переходят на страницы, остальное на страницах остаётся как есть</source>
        <translation>The ticked values go onto the pages; the rest of the pages stays as it is</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Вернуть страницы такими, какими они были до того, как значения были взяты</source>
        <translation>Give the pages back as they were before the values were taken</translation>
    </message>
    <message>
        <source>Взято полей: %1.</source>
        <translation>Fields taken: %1.</translation>
    </message>
    <message>
        <source>Взятие отменено: страницы такие, как были до него.</source>
        <translation>Take undone: the pages are as they were before it.</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Отметить все строки или снять все отметки</source>
        <translation>Tick every row, or clear every tick</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>выкл.</source>
        <translation>off</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Страницы и файл %1</source>
        <translation>The pages and the file %1</translation>
    </message>
    <message>
        <source>На страницах</source>
        <translation>On the pages</translation>
    </message>
    <message>
        <source>В файле</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>Сравнение с файлом</source>
        <translation>Comparison with a file</translation>
    </message>
    <message>
        <source>Страницы и шаблон %1</source>
        <translation>The pages and the template %1</translation>
    </message>
    <message>
        <source>В шаблоне</source>
        <translation>In the template</translation>
    </message>
    <message>
        <source>Применение шаблона</source>
        <translation>Applying a template</translation>
    </message>
    <message>
        <source>Сравнение с библиотекой</source>
        <translation>Comparison with the library</translation>
    </message>
    <message>
        <source>Страницы и ППК %1: %2</source>
        <translation>The pages and panel %1: %2</translation>
    </message>
    <message>
        <source>В библиотеке</source>
        <translation>In the library</translation>
    </message>
    <message>
        <source>Сравнение версий</source>
        <translation>Comparison of versions</translation>
    </message>
    <message>
        <source>ППК %1: %2 и %3</source>
        <translation>Panel %1: %2 and %3</translation>
    </message>
</context>
<context>
    <name>ConfigFiles</name>
    <message>
        <source>Загрузка конфигурации</source>
        <translation>Loading the configuration</translation>
    </message>
    <message>
        <source>Сохранение конфигурации</source>
        <translation>Saving the configuration</translation>
    </message>
    <message>
        <source>Не удалось сохранить конфигурацию в файл %1.
%2</source>
        <translation>The configuration could not be saved to the file %1.
%2</translation>
    </message>
    <message>
        <source>Сравнить с файлом</source>
        <translation>Compare with a file</translation>
    </message>
    <message>
        <source>Конфигурации в JSON (*.json)</source>
        <translation>Configurations in JSON (*.json)</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан как конфигурация в JSON.
%2</source>
        <translation>The file %1 was not read as a configuration in JSON.
%2</translation>
    </message>
    <message>
        <source>Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.</source>
        <translation>The file %1 is not a configuration file (*.q22). The configuration was not loaded.</translation>
    </message>
    <message>
        <source>Формат файла не соответствует типу устройства! Загрузить файл конфигурации?</source>
        <translation>The file&apos;s format does not match the device type! Load the configuration file?</translation>
    </message>
    <message>
        <source>Возникла фатальная ошибка. Часть данных не загружена.</source>
        <translation>A fatal error occurred. Part of the data was not loaded.</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Конфигурации Зорвел Lite (*.q22)</source>
        <translation>Zorvel Lite configurations (*.q22)</translation>
    </message>
    <message>
        <source>Конфигурации Зорвел Lite (*.q22 *.json)</source>
        <translation>Zorvel Lite configurations (*.q22 *.json)</translation>
    </message>
    <message>
        <source>Формат файла не соответствует типу устройства! Сравнить страницы с этим файлом?</source>
        <translation>The file&apos;s format does not match the device type! Compare the pages with this file?</translation>
    </message>
    <message>
        <source>Шаблоны и конфигурации (*.json *.q22)</source>
        <translation>Templates and configurations (*.json *.q22)</translation>
    </message>
    <message>
        <source>Шаблоны в JSON (*.json)</source>
        <translation>Templates in JSON (*.json)</translation>
    </message>
    <message>
        <source>Применить шаблон</source>
        <translation>Apply a template</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан как шаблон в JSON.
%2</source>
        <translation>The file %1 was not read as a template in JSON.
%2</translation>
    </message>
</context>
<context>
    <name>ConfigurationReport</name>
    <message>
        <source>Общие установки</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>GSM - канал</source>
        <translation>GSM channel</translation>
    </message>
    <message>
        <source>GPRS - канал</source>
        <translation>GPRS channel</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Stand-alone</translation>
    </message>
    <message>
        <source>Канал передачи</source>
        <translation>Reporting channel</translation>
    </message>
    <message>
        <source>Отключена</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Группы</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Выход, с</source>
        <translation>Exit, s</translation>
    </message>
    <message>
        <source>Светодиод, с</source>
        <translation>LED, s</translation>
    </message>
    <message>
        <source>Шлейфы</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Пользователи</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>Номера</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Communication channels</translation>
    </message>
    <message>
        <source>%1, и звонок</source>
        <translation>%1, and a call</translation>
    </message>
    <message>
        <source>не заданы: СМС не отправляются</source>
        <translation>none: no SMS is sent</translation>
    </message>
    <message>
        <source>Тексты извещений: события</source>
        <translation>Notification texts: events</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Тексты извещений: шлейфы</source>
        <translation>Notification texts: zones</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Тексты извещений: пользователи</source>
        <translation>Notification texts: users</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Постановка</source>
        <translation>Arming</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Disarming</translation>
    </message>
    <message>
        <source>Тексты извещений: состояния ППК</source>
        <translation>Notification texts: panel states</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>DifferencesReport</name>
    <message>
        <source>Параметр</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Заводская установка</source>
        <translation>Factory default</translation>
    </message>
    <message>
        <source>Установлено</source>
        <translation>Set to</translation>
    </message>
</context>
<context>
    <name>DocumentOutput</name>
    <message>
        <source>Не удалось сохранить файл %1.
%2</source>
        <translation>The file %1 could not be saved.
%2</translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>Выкл.</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>On</translation>
    </message>
    <message>
        <source> Сетевые настройки </source>
        <translation> Network settings </translation>
    </message>
    <message>
        <source> Настройка в сети WiFi </source>
        <translation> Wi-Fi network settings </translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation>Open network</translation>
    </message>
    <message>
        <source>Первый IP-адрес ПЦН</source>
        <translation>First CMS IP address</translation>
    </message>
    <message>
        <source>Порт первого IP-адреса ПЦН</source>
        <translation>Port of the first CMS IP address</translation>
    </message>
    <message>
        <source>Второй IP-адрес ПЦН</source>
        <translation>Second CMS IP address</translation>
    </message>
    <message>
        <source>Порт второго IP-адреса ПЦН</source>
        <translation>Port of the second CMS IP address</translation>
    </message>
    <message>
        <source>IP1:порт</source>
        <translation>IP1:port</translation>
    </message>
    <message>
        <source>IP2:порт</source>
        <translation>IP2:port</translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation>Panel IP address</translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation>Gateway IP address</translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation>Panel IP port</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Network name</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>IP- адрес шлюза</source>
        <translation>Gateway IP address</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Call attempts</translation>
    </message>
</context>
<context>
    <name>FactoryTexts</name>
    <message>
        <source>Тревога ШС ТМР</source>
        <translation>Tamper zone alarm</translation>
    </message>
    <message>
        <source>Разряд аккум.</source>
        <translation>Battery low</translation>
    </message>
    <message>
        <source>Откл. 220 В</source>
        <translation>Mains 220 V off</translation>
    </message>
    <message>
        <source>Тампер клав.</source>
        <translation>Keypad tamper</translation>
    </message>
    <message>
        <source>Связь с клав.</source>
        <translation>Keypad link</translation>
    </message>
    <message>
        <source>Подбор пароля</source>
        <translation>Code guessing</translation>
    </message>
    <message>
        <source>Восст. аккум.</source>
        <translation>Battery restore</translation>
    </message>
    <message>
        <source>Восст. 220 В</source>
        <translation>Mains restore</translation>
    </message>
    <message>
        <source>Восст. тампер клав.</source>
        <translation>Keypad tamper restore</translation>
    </message>
    <message>
        <source>Восст. связь с клав.</source>
        <translation>Keypad link restore</translation>
    </message>
    <message>
        <source>Тревога шлейф %1</source>
        <translation>Zone %1 alarm</translation>
    </message>
    <message>
        <source>Восст. шлейф %1</source>
        <translation>Zone %1 restore</translation>
    </message>
    <message>
        <source>      №%1</source>
        <translation>      No. %1</translation>
    </message>
    <message>
        <source>   № %1</source>
        <translation>   No. %1</translation>
    </message>
    <message>
        <source>Без охраны, без тревог</source>
        <translation>Disarmed, no alarms</translation>
    </message>
    <message>
        <source>Под охраной, тревога </source>
        <translation>Armed, alarm </translation>
    </message>
    <message>
        <source>Под охраной, без тревог</source>
        <translation>Armed, no alarms</translation>
    </message>
    <message>
        <source>Без охраны, тревога </source>
        <translation>Disarmed, alarm </translation>
    </message>
</context>
<context>
    <name>FieldCatalogue</name>
    <message>
        <source>Общие установки</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm zones</translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation>Notification texts</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Communication channels</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Sim1 Первый номер</source>
        <translation>Sim1 First number</translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation>Sim1 Second number</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation>Remote configuration</translation>
    </message>
    <message>
        <source>Выкл.</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>On</translation>
    </message>
    <message>
        <source>шлейф ППК</source>
        <translation>panel zone</translation>
    </message>
    <message>
        <source>шлейф клавиатуры</source>
        <translation>keypad zone</translation>
    </message>
    <message>
        <source>Нарушение</source>
        <translation>Trouble</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation>Beep on arming</translation>
    </message>
    <message>
        <source>Включен</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation>Siren</translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>Вход/выход</source>
        <translation>Entry/exit</translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>Мгновенный</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation>Arming</translation>
    </message>
    <message>
        <source>Интерьер+Периметр</source>
        <translation>Interior+Perimeter</translation>
    </message>
    <message>
        <source>Резерв</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation>Panel account</translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Call attempts</translation>
    </message>
    <message>
        <source>Времена</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Тестирование, с</source>
        <translation>Test period, s</translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation>Test period, s</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation>Test channel</translation>
    </message>
    <message>
        <source>Протокол VPN</source>
        <translation>VPN protocol</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation>Panel IP address</translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation>Gateway IP address</translation>
    </message>
    <message>
        <source>MAC-номер</source>
        <translation>MAC number</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation>Panel IP port</translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation>Remote...</translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation>Configurator PC IP</translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation>Configurator PC port</translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation>Operator APN</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation>Firmware 22.</translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation>Internet APN</translation>
    </message>
    <message>
        <source>Сервер обновления</source>
        <translation>Update server</translation>
    </message>
    <message>
        <source>Настройка в сети WiFi</source>
        <translation>Wi-Fi network settings</translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation>Open network</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation>Report GSM signal level</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Network name</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Системные извещения</source>
        <translation>System events</translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation>Panel tamper</translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation>Keypad tamper</translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation>Mains 220V</translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation>Keypad link</translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation>Keypad</translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation>Siren time, s</translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation>Blocking</translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation>Unblocking</translation>
    </message>
    <message>
        <source>Метка раскладки</source>
        <translation>Layout mark</translation>
    </message>
    <message>
        <source>Резервная таблица</source>
        <translation>Reserved table</translation>
    </message>
    <message>
        <source>Маркер</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation>Response, ms</translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation>Entry, s</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Группы</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Шлейфы %1–%2</source>
        <translation>Zones %1–%2</translation>
    </message>
    <message>
        <source>Группы, строка %1</source>
        <translation>Groups, row %1</translation>
    </message>
    <message>
        <source>Выход, с</source>
        <translation>Exit, s</translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation>LED, s</translation>
    </message>
    <message>
        <source>Пользователь %1</source>
        <translation>User %1</translation>
    </message>
    <message>
        <source>Пользователи %1–%2</source>
        <translation>Users %1–%2</translation>
    </message>
    <message>
        <source>Номер %1</source>
        <translation>Number %1</translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation>Balance request</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation>Arming/Disarming</translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation>Groups/State</translation>
    </message>
    <message>
        <source>Постановка</source>
        <translation>Arming</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Disarming</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>нет</source>
        <comment>no channel</comment>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>FieldTie</name>
    <message>
        <source>пользователь, включённый в группу, получает номер своей строки, не включённый ни в одну — 0</source>
        <translation>a user in a group gets the number of its row, one in no group 0</translation>
    </message>
    <message>
        <source>«Звонок» отмечается только у номера из 13 символов</source>
        <translation>“Call” is ticked only for a phone of 13 characters</translation>
    </message>
    <message>
        <source>«Задержка вход/выход» переносит задержку выхода первой группы во «Вход, с» шлейфа Z1</source>
        <translation>“Entry/exit delay” copies the first group&apos;s exit delay into Z1&apos;s “Entry, s”</translation>
    </message>
    <message>
        <source>«%1» следует за «%2»: %3.</source>
        <translation>“%1” follows “%2”: %3.</translation>
    </message>
    <message>
        <source>«%1» изменено вместе с «%2».</source>
        <translation>“%1” changed along with “%2”.</translation>
    </message>
</context>
<context>
    <name>FileColumnsInLocale</name>
    <message>
        <source>%1 Б</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 ГБ</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 ТБ</source>
        <translation>%1 TB</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>не является обычным файлом</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>в файле %1 байт, а в файле конфигурации их %2</source>
        <translation>the file has %1 bytes, a configuration file has %2</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>в папку %1 запись запрещена</source>
        <translation>writing to the folder %1 is not allowed</translation>
    </message>
    <message>
        <source>файловая система %1 доступна только для чтения</source>
        <translation>the file system %1 is read-only</translation>
    </message>
</context>
<context>
    <name>FirstCopy</name>
    <message>
        <source>Приложение уже загружено</source>
        <translation>The program is already running</translation>
    </message>
    <message>
        <source>Повторный запуск приложения</source>
        <translation>Second start of the program</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Нарушение</source>
        <translation>Trouble</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation>Beep on arming</translation>
    </message>
    <message>
        <source>  Клавиатура  </source>
        <translation>  Keypad  </translation>
    </message>
    <message>
        <source>Отключена</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Номер телефона блокирующий ППК</source>
        <translation>Phone number that blocks the panel</translation>
    </message>
    <message>
        <source>Номер телефона разблокирующий ППК</source>
        <translation>Phone number that unblocks the panel</translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation>Panel account</translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation>Configurator PC port</translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation>Blocking</translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation>Unblocking</translation>
    </message>
    <message>
        <source>   Системные извещения  </source>
        <translation>   System events  </translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation>Mains 220V</translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation>Panel tamper</translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation>Keypad tamper</translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation>Keypad link</translation>
    </message>
    <message>
        <source> Канал передачи </source>
        <translation> Reporting channel </translation>
    </message>
    <message>
        <source>GSM - канал</source>
        <translation>GSM channel</translation>
    </message>
    <message>
        <source>GPRS - канал</source>
        <translation>GPRS channel</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Stand-alone</translation>
    </message>
    <message>
        <source> Времена </source>
        <translation> Times </translation>
    </message>
    <message>
        <source>Задержка на выход, секунд</source>
        <translation>Exit delay, seconds</translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation>Siren time, s</translation>
    </message>
    <message>
        <source>Задержка вход/выход,  c</source>
        <translation>Entry/exit delay, s</translation>
    </message>
</context>
<context>
    <name>GprsPage</name>
    <message>
        <source> Протокол VPN </source>
        <translation> VPN protocol </translation>
    </message>
    <message>
        <source> Сеть 1 (SIM 1) </source>
        <translation> Network 1 (SIM 1) </translation>
    </message>
    <message>
        <source>PBL IP адрес</source>
        <translation>PBL IP address</translation>
    </message>
    <message>
        <source>IP-порт PBL</source>
        <translation>PBL IP port</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Call attempts</translation>
    </message>
</context>
<context>
    <name>GroupsModel</name>
    <message>
        <source>Выход, с</source>
        <translation>Exit, s</translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation>LED, s</translation>
    </message>
</context>
<context>
    <name>GsmPage</name>
    <message>
        <source>Первый номер</source>
        <translation>First number</translation>
    </message>
    <message>
        <source>Второй номер</source>
        <translation>Second number</translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation>Test channel</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Call attempts</translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation>Test period, s</translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>Пользователь № %1 не включен в группы. Формирование списка прервано.</source>
        <translation>User No. %1 is in no group. The list was not built.</translation>
    </message>
    <message>
        <source>Список пользователей</source>
        <translation>User list</translation>
    </message>
</context>
<context>
    <name>ImageChecks</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Проверьте номер ППК !</source>
        <translation>Check the panel account!</translation>
    </message>
    <message>
        <source>Поле EditMac содержит «%1», а не целое число. Конфигурация не сформирована.</source>
        <translation>The field EditMac holds “%1”, not a whole number. The configuration was not built.</translation>
    </message>
    <message>
        <source>Шлейф %1 не включен в группы!</source>
        <translation>Zone %1 is in no group!</translation>
    </message>
    <message>
        <source>Ошибка описания</source>
        <translation>Description error</translation>
    </message>
    <message>
        <source>СМС будут отправлены на телефоны с №1 по №%1</source>
        <translation>SMS will be sent to phones No. 1 to No. %1</translation>
    </message>
    <message>
        <source>Номера телефонов для получения СМС</source>
        <translation>Phone numbers for SMS</translation>
    </message>
    <message>
        <source>Нарушен формат номера телефона для получения СМС. (+380ххххххххх)</source>
        <translation>The format of a phone number for SMS is wrong. (+380xxxxxxxxx)</translation>
    </message>
    <message>
        <source>Не заполнен запрос баланса на карточке. Продолжить?</source>
        <translation>The SIM card&apos;s balance request is empty. Go on?</translation>
    </message>
    <message>
        <source>Нарушен формат запроса баланса на карточке!</source>
        <translation>The format of the SIM card&apos;s balance request is wrong!</translation>
    </message>
    <message>
        <source>СМС не будут отправлены: не указан ни один номер телефона.</source>
        <translation>No SMS will be sent: no phone number is given.</translation>
    </message>
</context>
<context>
    <name>LibraryDialog</name>
    <message>
        <source>Библиотека</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Настройки…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>ППК, объект, адрес, контакт или заметки</source>
        <translation>panel, site, address, contact or notes</translation>
    </message>
    <message>
        <source>&amp;Поиск:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сравнить со страницами</source>
        <translation>Compare with the pages</translation>
    </message>
    <message>
        <source>Сравнить версии</source>
        <translation>Compare versions</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Добавить страницы</source>
        <translation>Add the pages</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Библиотека: %1 (только для чтения)</source>
        <translation>Library: %1 (read-only)</translation>
    </message>
    <message>
        <source>Библиотека: %1</source>
        <translation>Library: %1</translation>
    </message>
    <message>
        <source>Библиотека %1 не открыта: %2</source>
        <translation>Library %1 not opened: %2</translation>
    </message>
    <message>
        <source>Экспорт версии</source>
        <translation>Export of a version</translation>
    </message>
</context>
<context>
    <name>LibrarySettingsDialog</name>
    <message>
        <source>Настройки библиотеки</source>
        <translation>Library settings</translation>
    </message>
    <message>
        <source>Записывать в библиотеку каждое чтение и запись ППК</source>
        <translation>Record every panel read and write in the library</translation>
    </message>
    <message>
        <source>&amp;Библиотека:</source>
        <translation>&amp;Library:</translation>
    </message>
    <message>
        <source>&amp;Оператор:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>Библиотека не выбрана: %1</source>
        <translation>No library chosen: %1</translation>
    </message>
</context>
<context>
    <name>LibraryTexts</name>
    <message>
        <source>библиотека — это путь к файлу SQLite или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА, а не адрес «%1://»</source>
        <translation>a library is the path of an SQLite file or postgresql://USER@HOST[:PORT]/DB, not an address “%1://”</translation>
    </message>
    <message>
        <source>пароль не пишут в адресе библиотеки: его берут из ~/.pgpass или PGPASSWORD</source>
        <translation>a password is not written in the library&apos;s address: it is taken from ~/.pgpass or PGPASSWORD</translation>
    </message>
    <message>
        <source>в адресе библиотеки не бывает параметров после «?»: соединение настраивают переменные окружения PostgreSQL (например PGSSLMODE)</source>
        <translation>a library&apos;s address takes no parameters after “?”: PostgreSQL&apos;s environment variables set up the connection (such as PGSSLMODE)</translation>
    </message>
    <message>
        <source>в адресе библиотеки нет имени базы: postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation>the library&apos;s address names no database: postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>адрес библиотеки не разобран: нужен вид postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation>the library&apos;s address was not understood: it takes the form postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>there is no folder %1</translation>
    </message>
    <message>
        <source>это папка, а не файл библиотеки</source>
        <translation>it is a folder, not a library file</translation>
    </message>
    <message>
        <source>это не библиотека панелей: файл не является базой SQLite</source>
        <translation>not a panel library: the file is no SQLite database</translation>
    </message>
    <message>
        <source>это не библиотека панелей: в базе таблицы другой программы</source>
        <translation>not a panel library: the database holds another program&apos;s tables</translation>
    </message>
    <message>
        <source>библиотека записана более новой версией программы (схема %1, эта программа знает схемы до %2); она не изменена</source>
        <translation>the library was written by a newer version of the program (schema %1, this program knows schemas up to %2); it is left unchanged</translation>
    </message>
    <message>
        <source>нет драйвера %1 для Qt (пакет %2)</source>
        <translation>no %1 driver for Qt (package %2)</translation>
    </message>
    <message>
        <source>библиотеку не удалось создать: %1</source>
        <translation>the library could not be created: %1</translation>
    </message>
    <message>
        <source>схему библиотеки не удалось обновить: %1</source>
        <translation>the library&apos;s schema could not be brought up to date: %1</translation>
    </message>
    <message>
        <source>библиотека открыта только для чтения</source>
        <translation>the library is open for reading only</translation>
    </message>
    <message>
        <source>библиотека занята другой программой дольше %1 с</source>
        <translation>another program has held the library for longer than %1 s</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>нет права на это в библиотеке: %1</source>
        <translation>not permitted in the library: %1</translation>
    </message>
    <message>
        <source>«%1» не номер панели: нужны четыре шестнадцатеричные цифры</source>
        <translation>“%1” is no panel number: it takes four hexadecimal digits</translation>
    </message>
    <message>
        <source>панели %1 нет в библиотеке</source>
        <translation>panel %1 is not in the library</translation>
    </message>
    <message>
        <source>у панели %1 нет версии %2</source>
        <translation>panel %1 has no version %2</translation>
    </message>
    <message>
        <source>у панели %1 одна версия: её не с чем сравнить</source>
        <translation>panel %1 has one version: there is nothing to compare it with</translation>
    </message>
    <message>
        <source>версия не записана в библиотеку: %1</source>
        <translation>the version was not recorded in the library: %1</translation>
    </message>
    <message>
        <source>база повреждена: %1</source>
        <translation>the database is damaged: %1</translation>
    </message>
    <message>
        <source>у версии %2 панели %1 нет образа</source>
        <translation>version %2 of panel %1 has no image</translation>
    </message>
    <message>
        <source>образ %1 не совпадает со своей суммой SHA-256</source>
        <translation>image %1 does not match its SHA-256</translation>
    </message>
    <message>
        <source>у панели %1 в истории %2 версий, а в её строке записано %3</source>
        <translation>panel %1 has %2 versions in its history, but its row says %3</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>Автономный режим.</source>
        <translation>Stand-alone mode.</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Stand-alone</translation>
    </message>
    <message>
        <source>Подключение...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>ППК подключен по USB.</source>
        <translation>Panel connected via USB.</translation>
    </message>
    <message>
        <source>Подключение по USB. Чтение...</source>
        <translation>Connected via USB. Reading...</translation>
    </message>
    <message>
        <source>ППК подключен по USB. Запись...</source>
        <translation>Panel connected via USB. Writing...</translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation>No link</translation>
    </message>
    <message>
        <source>ППК не подключен.</source>
        <translation>Panel not connected.</translation>
    </message>
    <message>
        <source>Подключение. Осталось %1 c.</source>
        <translation>Connecting. %1 s left.</translation>
    </message>
    <message>
        <source>Конфигурирование по USB</source>
        <translation>Configuration via USB</translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Нет доступного Com-порта. Работа в автономном режиме. Продолжить?</source>
        <translation>No COM port available. Working in stand-alone mode. Go on?</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Нет прав на доступ к порту: пользователь не входит в группу dialout. Выполните sudo usermod -aG dialout $USER и войдите в систему заново.</source>
        <translation>No permission to open the port: the user is not in the group dialout. Run sudo usermod -aG dialout $USER and log in again.</translation>
    </message>
    <message>
        <source>USB не подключен!</source>
        <translation>USB not connected!</translation>
    </message>
    <message>
        <source>E1: ППК не отвечает!</source>
        <translation>E1: the panel does not answer!</translation>
    </message>
    <message>
        <source>E:3 ППК не отвечает!</source>
        <translation>E:3 the panel does not answer!</translation>
    </message>
    <message>
        <source>Связь отсутствует!</source>
        <translation>No link!</translation>
    </message>
    <message>
        <source>Неисправность оборудование</source>
        <translation>Hardware fault</translation>
    </message>
    <message>
        <source>Ошибка записи.</source>
        <translation>Write error.</translation>
    </message>
    <message>
        <source>Ошибка чтения конфигурации</source>
        <translation>Error reading the configuration</translation>
    </message>
    <message>
        <source>Что-то пошло не так</source>
        <translation>Something went wrong</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК %1 выполнено.</source>
        <translation>Configuration of panel %1 read.</translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 выполнена.</source>
        <translation>Configuration of panel %1 written.</translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 завершена успешно.</source>
        <translation>Configuration of panel %1 written successfully.</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation>Remote configuration</translation>
    </message>
    <message>
        <source>Конфигурирование. Чтение</source>
        <translation>Configuration. Reading</translation>
    </message>
    <message>
        <source>Конфигурирование. Запись</source>
        <translation>Configuration. Writing</translation>
    </message>
    <message>
        <source>Конфигурование. Чтение</source>
        <translation>Configuration. Reading</translation>
    </message>
    <message>
        <source>Не определен порт РС - конфигуратора!</source>
        <translation>The configurator PC port is not set!</translation>
    </message>
    <message>
        <source>Порт РС - конфигуратора %1 недоступен!</source>
        <translation>The configurator PC port %1 is not available!</translation>
    </message>
    <message>
        <source>Ожидание запроса... %1</source>
        <translation>Waiting for a request... %1</translation>
    </message>
    <message>
        <source>Нет связи с удаленным ППК. Автономный режим.</source>
        <translation>No link with the remote panel. Stand-alone mode.</translation>
    </message>
    <message>
        <source>Прервать ожидание соединения с удаленным ППК?</source>
        <translation>Stop waiting for the remote panel?</translation>
    </message>
    <message>
        <source>Автономный режим</source>
        <translation>Stand-alone mode</translation>
    </message>
    <message>
        <source>E9: ППК не отвечает!</source>
        <translation>E9: the panel does not answer!</translation>
    </message>
    <message>
        <source>Удаленный ППК IP: %1 подключен</source>
        <translation>Remote panel IP: %1 connected</translation>
    </message>
    <message>
        <source>ППК под охраной. Конфигурирование запрещено</source>
        <translation>The panel is armed. Configuration is not allowed</translation>
    </message>
    <message>
        <source>Ошибка записи в ППК</source>
        <translation>Error writing to the panel</translation>
    </message>
    <message>
        <source>Нет ответа на отрицательную квитанцию!</source>
        <translation>No answer to the negative acknowledgement!</translation>
    </message>
    <message>
        <source>Нарушена последовательность блоков. Ждали %1, получили %2</source>
        <translation>Blocks out of sequence. Expected %1, received %2</translation>
    </message>
    <message>
        <source>Время ожидания подтверждения приема блока истекло!</source>
        <translation>Timed out waiting for the block to be acknowledged!</translation>
    </message>
    <message>
        <source>Время ожидания блока от ППК истекло!</source>
        <translation>Timed out waiting for a block from the panel!</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК %1 завершено успешно.</source>
        <translation>Configuration of panel %1 read successfully.</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК завершено успешно.</source>
        <translation>The panel&apos;s configuration was read successfully.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>The interface language will change when the program is next started.</translation>
    </message>
    <message>
        <source>Конфигуратор ППК Зорвел-22 Lite (&quot;ZQ3.22L&quot;) вер. %1</source>
        <translation>Zorvel-22 Lite (&quot;ZQ3.22L&quot;) panel configurator ver. %1</translation>
    </message>
    <message>
        <source>Связь с ППК</source>
        <translation>Panel link</translation>
    </message>
    <message>
        <source>Локальная</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Удаленная</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Заводские установки</source>
        <translation>Factory defaults</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сравнить с файлом…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Общие установки</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm zones</translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation>Notification texts</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Communication channels</translation>
    </message>
    <message>
        <source>Вы действительно хотите завершить программу?</source>
        <translation>Do you really want to quit the program?</translation>
    </message>
    <message>
        <source>Завершение работы</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Укажите один файл конфигурации, а не %1.</source>
        <translation>Name one configuration file, not %1.</translation>
    </message>
    <message>
        <source>Загрузка конфигурации</source>
        <translation>Loading the configuration</translation>
    </message>
    <message>
        <source>Ничего не загружено: на страницах заводские установки.</source>
        <translation>Nothing loaded: the pages hold the factory defaults.</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Применить шаблон…</source>
        <translation>Apply template…</translation>
    </message>
    <message>
        <source>Библиотека…</source>
        <translation>Library…</translation>
    </message>
    <message>
        <source>Версия не открыта: дождитесь конца обмена с ППК.</source>
        <translation>The version was not opened: wait until the transfer with the panel ends.</translation>
    </message>
    <message>
        <source>Страницы не добавлены: они не проходят проверку перед записью.
%1</source>
        <translation>The pages were not added: they fail the check before writing.
%1</translation>
    </message>
</context>
<context>
    <name>PagesChange</name>
    <message>
        <source>«%1»: поле пусто</source>
        <translation>“%1”: the field is empty</translation>
    </message>
    <message>
        <source>«%1»: «%2»</source>
        <translation>“%1”: “%2”</translation>
    </message>
    <message>
        <source>Значения не взяты: на страницах есть то, что не войдёт в конфигурацию и пропало бы:
%1
Исправьте эти поля или отметьте их, чтобы взять их значения.</source>
        <translation>Values not taken: the pages hold what the configuration cannot, and it would be lost:
%1
Correct these fields, or tick them to take their values.</translation>
    </message>
    <message>
        <source>Значения не взяты.
%1</source>
        <translation>Values not taken.
%1</translation>
    </message>
    <message>
        <source>«%1»: взято «%2», страницы показывают «%3»</source>
        <translation>“%1”: “%2” taken, the pages show “%3”</translation>
    </message>
    <message>
        <source>Значения не взяты: страницы не могут показать их такими, какими они взяты, и остались прежними.
%1</source>
        <translation>Values not taken: the pages cannot show them as taken, and are as they were.
%1</translation>
    </message>
    <message>
        <source>Страницы изменились после того, как значения были взяты. Вернуть страницы такими, какими они были до этого? Изменения, сделанные после, пропадут.</source>
        <translation>The pages have changed since the values were taken. Give the pages back as they were before? The changes made since will be lost.</translation>
    </message>
</context>
<context>
    <name>PagesImage</name>
    <message>
        <source>не читается: поле пусто</source>
        <translation>unreadable: the field is empty</translation>
    </message>
    <message>
        <source>не читается: «%1»</source>
        <translation>unreadable: “%1”</translation>
    </message>
</context>
<context>
    <name>PanelDetailsForm</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>&amp;Объект:</source>
        <translation>&amp;Site:</translation>
    </message>
    <message>
        <source>А&amp;дрес:</source>
        <translation>A&amp;ddress:</translation>
    </message>
    <message>
        <source>&amp;Контакт:</source>
        <translation>&amp;Contact:</translation>
    </message>
    <message>
        <source>&amp;Заметки:</source>
        <translation>&amp;Notes:</translation>
    </message>
</context>
<context>
    <name>PanelListModel</name>
    <message>
        <source>ППК</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Версий</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Изменён</source>
        <translation>Changed</translation>
    </message>
</context>
<context>
    <name>PortCheck</name>
    <message>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>Номер порта не должен быть больше 65535</source>
        <translation>The port number must not exceed 65535</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port number</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Выбор порта</source>
        <translation>Choose a port</translation>
    </message>
    <message>
        <source>Порт ППК (из списка или путь к устройству):</source>
        <translation>Panel port (from the list or a device path):</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source> Обновление ПО </source>
        <translation> Firmware update </translation>
    </message>
    <message>
        <source> Настройка Bluetooth </source>
        <translation> Bluetooth settings </translation>
    </message>
    <message>
        <source> Конфигурирование </source>
        <translation> Configuration </translation>
    </message>
    <message>
        <source> Канал </source>
        <translation> Channel </translation>
    </message>
    <message>
        <source>Телефон активации удаленного обновления/конфигурирования</source>
        <translation>Phone that starts a remote update or configuration</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование/обновление ПО</source>
        <translation>Remote configuration/firmware update</translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation>Firmware 22.</translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation>Internet APN</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Network name</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation>Operator APN</translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation>Configurator PC IP</translation>
    </message>
</context>
<context>
    <name>ReportContent</name>
    <message>
        <source>Внимание: конфигурация не проходит проверку перед записью</source>
        <translation>Warning: the configuration fails the check before writing</translation>
    </message>
    <message>
        <source>Отчёт показывает конфигурацию так, как её показывают страницы; «Записать» не запишет её в таком виде:</source>
        <translation>The report shows the configuration as the pages show it; “Write” will not write it as it is:</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Только отличия от заводских установок</source>
        <translation>Only what differs from the factory defaults</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Сохранение отчёта</source>
        <translation>Saving the report</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт в файл %1.
%2</source>
        <translation>The report could not be saved to the file %1.
%2</translation>
    </message>
    <message>
        <source>Монтажная организация:</source>
        <translation>Installing company:</translation>
    </message>
    <message>
        <source>Показать пароли</source>
        <translation>Show passwords</translation>
    </message>
    <message>
        <source>Подробно</source>
        <translation>In detail</translation>
    </message>
    <message>
        <source>Конфигурация ППК Зорвел-22 Lite</source>
        <translation>Zorvel-22 Lite panel configuration</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Конфигурация ППК %1, %2</source>
        <translation>Panel %1 configuration, %2</translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation>page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Конфигурация ППК Зорвел-22 Lite</source>
        <translation>Zorvel-22 Lite panel configuration</translation>
    </message>
    <message>
        <source>Номер ППК:</source>
        <translation>Panel account:</translation>
    </message>
    <message>
        <source>Дата и время:</source>
        <translation>Date and time:</translation>
    </message>
    <message>
        <source>Версия программы:</source>
        <translation>Program version:</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Контактное лицо, телефон:</source>
        <translation>Contact person, phone:</translation>
    </message>
    <message>
        <source>Монтажная организация:</source>
        <translation>Installing company:</translation>
    </message>
    <message>
        <source>Только отличия от заводских установок</source>
        <translation>Only what differs from the factory defaults</translation>
    </message>
    <message>
        <source>Все значения совпадают с заводскими установками.</source>
        <translation>Every value is the factory default.</translation>
    </message>
    <message>
        <source>Монтажник</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Заказчик</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Ф.И.О. %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>Подпись %1</source>
        <translation>Signature %1</translation>
    </message>
    <message>
        <source>Дата %1</source>
        <translation>Date %1</translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation>Balance request</translation>
    </message>
</context>
<context>
    <name>StatusLight</name>
    <message>
        <source>Удаленный ППК подключен</source>
        <translation>Remote panel connected</translation>
    </message>
    <message>
        <source>Нет удаленного ППК</source>
        <translation>No remote panel</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm zones</translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation>Arming/Disarming</translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation>Groups/State</translation>
    </message>
    <message>
        <source>  Извещение</source>
        <translation>  Event</translation>
    </message>
    <message>
        <source>                Текст извещения</source>
        <translation>                Notification text</translation>
    </message>
    <message>
        <source>    Шлейф</source>
        <translation>    Zone</translation>
    </message>
    <message>
        <source>       Номер группы</source>
        <translation>       Group number</translation>
    </message>
    <message>
        <source>                Наименование</source>
        <translation>                Name</translation>
    </message>
    <message>
        <source>          Состояние</source>
        <translation>          State</translation>
    </message>
    <message>
        <source>                Описание</source>
        <translation>                Description</translation>
    </message>
    <message>
        <source>Пользователь №</source>
        <translation>User No.</translation>
    </message>
    <message>
        <source> Постановка</source>
        <translation> Arming</translation>
    </message>
    <message>
        <source> Снятие</source>
        <translation> Disarming</translation>
    </message>
</context>
<context>
    <name>UsersGrid</name>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Группа №%1 отсутствует!</source>
        <translation>Group No. %1 does not exist!</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Недопустимый номер пользователя.</source>
        <translation>Invalid user number.</translation>
    </message>
    <message>
        <source>Включение/выключение пользователей</source>
        <translation>Users on/off</translation>
    </message>
    <message>
        <source>Установить пользователя %1 во всех группах</source>
        <translation>Set user %1 in every group</translation>
    </message>
    <message>
        <source>Сбросить пользователя %1 во всех группах</source>
        <translation>Clear user %1 in every group</translation>
    </message>
    <message>
        <source>Установить всех пользователей в группе %1</source>
        <translation>Set every user in group %1</translation>
    </message>
    <message>
        <source>Сбросить всех пользователей в группе %1</source>
        <translation>Clear every user in group %1</translation>
    </message>
</context>
<context>
    <name>VersionListModel</name>
    <message>
        <source>Версия %1 от %2</source>
        <translation>Version %1 of %2</translation>
    </message>
    <message>
        <source>чтение</source>
        <translation>read</translation>
    </message>
    <message>
        <source>запись</source>
        <translation>write</translation>
    </message>
    <message>
        <source>добавлена</source>
        <translation>added</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Операция</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Как</source>
        <translation>How</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Изменено полей</source>
        <translation>Fields changed</translation>
    </message>
</context>
<context>
    <name>VersionRecording</name>
    <message>
        <source>Библиотека</source>
        <translation>Library</translation>
    </message>
</context>
<context>
    <name>ZoneCellDelegate</name>
    <message>
        <source>Введите четыре цифры или нажмите Esc</source>
        <translation>Type four digits or press Esc</translation>
    </message>
</context>
<context>
    <name>ZoneGrid</name>
    <message>
        <source>      ШС</source>
        <translation>     Zone</translation>
    </message>
    <message>
        <source>Включен</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation>Response, ms</translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation>Siren</translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation>Entry, s</translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation>Arming</translation>
    </message>
</context>
<context>
    <name>ZoneLinksModel</name>
    <message>
        <source>ШС</source>
        <translation>Zone</translation>
    </message>
</context>
<context>
    <name>ZonesPage</name>
    <message>
        <source>Добавить шлейф в группу</source>
        <translation>Add a zone to the group</translation>
    </message>
    <message>
        <source>Удалить шлейф из группы</source>
        <translation>Remove the zone from the group</translation>
    </message>
    <message>
        <source>Добавить группу</source>
        <translation>Add a group</translation>
    </message>
    <message>
        <source>Удалить группу</source>
        <translation>Remove the group</translation>
    </message>
    <message>
        <source>Включение светодиода, секунд</source>
        <translation>LED on time, seconds</translation>
    </message>
    <message>
        <source>Количество пользователей</source>
        <translation>Number of users</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm zones</translation>
    </message>
    <message>
        <source>Удалить шлейф %1 из группы?</source>
        <translation>Remove zone %1 from the group?</translation>
    </message>
</context>
</TS>
