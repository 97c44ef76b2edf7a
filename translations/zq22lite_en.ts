<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Application</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChListBox</name>
    <message>
        <source>Sim1 Первый номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelChoice</name>
    <message>
        <source>Список каналов будет очищен. Очистить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение каналов связи</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelPages</name>
    <message>
        <source>СМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelsSheet</name>
    <message>
        <source>  Sim-карты </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одна Sim-карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет Sim-карт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список каналов</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Сравнение с файлом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страницы и файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страницы не проходят проверку перед записью: «%1». Сравнено то, что построено до этой проверки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До этой проверки различий нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Различий нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На страницах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigFiles</name>
    <message>
        <source>Загрузка конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурации Зорвел Lite (EC*.q22)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить конфигурацию в файл %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с файлом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурации в JSON (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 не прочитан как конфигурация в JSON.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат файла не соответствует типу устройства! Загрузить файл конфигурации?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возникла фатальная ошибка. Часть данных не загружена.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>Выкл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Сетевые настройки </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Настройка в сети WiFi </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый IP-адрес ПЦН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт первого IP-адреса ПЦН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Второй IP-адрес ПЦН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт второго IP-адреса ПЦН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP1:порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP2:порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP- адрес шлюза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactoryTexts</name>
    <message>
        <source>Тревога ШС ТМР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разряд аккум.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откл. 220 В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тампер клав.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с клав.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подбор пароля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восст. аккум.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восст. 220 В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восст. тампер клав.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восст. связь с клав.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тревога шлейф %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восст. шлейф %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      №%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   № %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без охраны, без тревог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Под охраной, тревога </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Под охраной, без тревог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без охраны, тревога </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCatalogue</name>
    <message>
        <source>Общие установки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim1 Первый номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выкл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шлейф ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шлейф клавиатуры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нарушение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вход/выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мгновенный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерьер+Периметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Времена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестирование, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Протокол VPN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC-номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервер обновления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройка в сети WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системные извещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метка раскладки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервная таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маркер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлейфы %1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группы, строка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пользователь %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пользователи %1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstCopy</name>
    <message>
        <source>Приложение уже загружено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторный запуск приложения</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Нарушение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Клавиатура  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер телефона блокирующий ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер телефона разблокирующий ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Системные извещения  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Канал передачи </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM - канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS - канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Времена </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка на выход, секунд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка вход/выход,  c</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GprsPage</name>
    <message>
        <source> Протокол VPN </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Сеть 1 (SIM 1) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PBL IP адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-порт PBL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupsModel</name>
    <message>
        <source>Выход, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GsmPage</name>
    <message>
        <source>Первый номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Второй номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>Пользователь № %1 не включен в группы. Формирование списка прервано.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список пользователей</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageChecks</name>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверьте номер ППК !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле EditMac содержит «%1», а не целое число. Конфигурация не сформирована.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлейф %1 не включен в группы!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка описания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМС будут отправлены на телефоны с №1 по №%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номера телефонов для получения СМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нарушен формат номера телефона для получения СМС. (+380ххххххххх)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не заполнен запрос баланса на карточке. Продолжить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нарушен формат запроса баланса на карточке!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>Конфигуратор ППК Зорвел-22 Lite (&quot;ZQ3.22L&quot;) вер. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с ППК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локальная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводские установки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с файлом…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Общие установки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы действительно хотите завершить программу?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершение работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите один файл конфигурации, а не %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт не составлен: страницы не проходят проверку перед записью.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortCheck</name>
    <message>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер порта не должен быть больше 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Выбор порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт ППК (из списка или путь к устройству):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source> Обновление ПО </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Настройка Bluetooth </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Конфигурирование </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Канал </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телефон активации удаленного обновления/конфигурирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленное конфигурирование/обновление ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только отличия от заводских установок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение отчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт в файл %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>&lt;h2&gt;Конфигурация ППК Зорвел-22 Lite&lt;/h2&gt;&lt;table cellpadding=&quot;2&quot;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер ППК:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия программы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;i&gt;Только отличия от заводских установок&lt;/i&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Все значения совпадают с заводскими установками.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация ППК Зорвел-22 Lite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source>Номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLight</name>
    <message>
        <source>Удаленный ППК подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет удаленного ППК</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Извещение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                Текст извещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Шлейф</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Номер группы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                Наименование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>          Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                Описание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пользователь №</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Постановка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Снятие</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsersGrid</name>
    <message>
        <source>Установить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группа №%1 отсутствует!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недопустимый номер пользователя.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включение/выключение пользователей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить пользователя %1 во всех группах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить пользователя %1 во всех группах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить всех пользователей в группе %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить всех пользователей в группе %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneCellDelegate</name>
    <message>
        <source>Введите четыре цифры или нажмите Esc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneGrid</name>
    <message>
        <source>      ШС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneLinksModel</name>
    <message>
        <source>ШС</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZonesPage</name>
    <message>
        <source>Добавить шлейф в группу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить шлейф из группы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить группу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить группу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включение светодиода, секунд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество пользователей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить шлейф </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> из группы?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
