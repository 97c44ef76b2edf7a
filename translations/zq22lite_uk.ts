<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>Application</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>ChListBox</name>
    <message>
        <source>Sim1 Первый номер</source>
        <translation>Sim1 Перший номер</translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation>Sim1 Другий номер</translation>
    </message>
</context>
<context>
    <name>ChannelChoice</name>
    <message>
        <source>Список каналов будет очищен. Очистить?</source>
        <translation>Список каналів буде очищено. Очистити?</translation>
    </message>
    <message>
        <source>Определение каналов связи</source>
        <translation>Визначення каналів зв&apos;язку</translation>
    </message>
</context>
<context>
    <name>ChannelPages</name>
    <message>
        <source>СМС</source>
        <translation>СМС</translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation>Віддалене...</translation>
    </message>
</context>
<context>
    <name>ChannelsSheet</name>
    <message>
        <source>  Sim-карты </source>
        <translation>  SIM-картки </translation>
    </message>
    <message>
        <source>Одна Sim-карта</source>
        <translation>Одна SIM-картка</translation>
    </message>
    <message>
        <source>Нет Sim-карт</source>
        <translation>Немає SIM-карток</translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation>Передавати рівень GSM</translation>
    </message>
    <message>
        <source>Список каналов</source>
        <translation>Список каналів</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Различий нет</source>
        <translation>Відмінностей немає</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Сторінка</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Страницы не проходят проверку перед записью:</source>
        <translation>Сторінки не проходять перевірку перед записом:</translation>
    </message>
    <message>
        <source>Различий: %1</source>
        <translation>Відмінностей: %1</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Зберегти в PDF…</translation>
    </message>
    <message>
        <source>Сохранение списка различий</source>
        <translation>Збереження списку відмінностей</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>Документи PDF (*.pdf)</translation>
    </message>
    <message>
        <source>«%1» на страницах не показывается.</source>
        <translation>«%1» на сторінках не показується.</translation>
    </message>
    <message>
        <source>Взять отмеченные</source>
        <translation>Взяти позначені</translation>
    </message>
    <message>
        <source>Отмеченные значения переходят на страницы, остальное на страницах остаётся как есть</source>
        <translation>Позначені значення переходять на сторінки, решта на сторінках лишається як є</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Вернуть страницы такими, какими они были до того, как значения были взяты</source>
        <translation>Повернути сторінки такими, якими вони були до того, як значення було взято</translation>
    </message>
    <message>
        <source>Взято полей: %1.</source>
        <translation>Взято полів: %1.</translation>
    </message>
    <message>
        <source>Взятие отменено: страницы такие, как были до него.</source>
        <translation>Взяття скасовано: сторінки такі, як були до нього.</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Отметить все строки или снять все отметки</source>
        <translation>Позначити всі рядки або зняти всі позначки</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>выкл.</source>
        <translation>вимк.</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Страницы и файл %1</source>
        <translation>Сторінки та файл %1</translation>
    </message>
    <message>
        <source>На страницах</source>
        <translation>На сторінках</translation>
    </message>
    <message>
        <source>В файле</source>
        <translation>У файлі</translation>
    </message>
    <message>
        <source>Сравнение с файлом</source>
        <translation>Порівняння з файлом</translation>
    </message>
    <message>
        <source>Страницы и шаблон %1</source>
        <translation>Сторінки та шаблон %1</translation>
    </message>
    <message>
        <source>В шаблоне</source>
        <translation>У шаблоні</translation>
    </message>
    <message>
        <source>Применение шаблона</source>
        <translation>Застосування шаблону</translation>
    </message>
    <message>
        <source>Сравнение с библиотекой</source>
        <translation>Порівняння з бібліотекою</translation>
    </message>
    <message>
        <source>Страницы и ППК %1: %2</source>
        <translation>Сторінки та ППК %1: %2</translation>
    </message>
    <message>
        <source>В библиотеке</source>
        <translation>У бібліотеці</translation>
    </message>
    <message>
        <source>Сравнение версий</source>
        <translation>Порівняння версій</translation>
    </message>
    <message>
        <source>ППК %1: %2 и %3</source>
        <translation>ППК %1: %2 і %3</translation>
    </message>
</context>
<context>
    <name>ConfigFiles</name>
    <message>
        <source>Загрузка конфигурации</source>
        <translation>Завантаження конфігурації</translation>
    </message>
    <message>
        <source>Сохранение конфигурации</source>
        <translation>Збереження конфігурації</translation>
    </message>
    <message>
        <source>Не удалось сохранить конфигурацию в файл %1.
%2</source>
        <translation>Не вдалося зберегти конфігурацію у файл %1.
%2</translation>
    </message>
    <message>
        <source>Сравнить с файлом</source>
        <translation>Порівняти з файлом</translation>
    </message>
    <message>
        <source>Конфигурации в JSON (*.json)</source>
        <translation>Конфігурації в JSON (*.json)</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан как конфигурация в JSON.
%2</source>
        <translation>Файл %1 не прочитано як конфігурацію в JSON.
%2</translation>
    </message>
    <message>
        <source>Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.</source>
        <translation>Файл %1 не є файлом конфігурації (*.q22). Конфігурацію не завантажено.</translation>
    </message>
    <message>
        <source>Формат файла не соответствует типу устройства! Загрузить файл конфигурации?</source>
        <translation>Формат файлу не відповідає типу пристрою! Завантажити файл конфігурації?</translation>
    </message>
    <message>
        <source>Возникла фатальная ошибка. Часть данных не загружена.</source>
        <translation>Сталася фатальна помилка. Частину даних не завантажено.</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Конфигурации Зорвел Lite (*.q22)</source>
        <translation>Конфігурації Зорвел Lite (*.q22)</translation>
    </message>
    <message>
        <source>Конфигурации Зорвел Lite (*.q22 *.json)</source>
        <translation>Конфігурації Зорвел Lite (*.q22 *.json)</translation>
    </message>
    <message>
        <source>Формат файла не соответствует типу устройства! Сравнить страницы с этим файлом?</source>
        <translation>Формат файлу не відповідає типу пристрою! Порівняти сторінки з цим файлом?</translation>
    </message>
    <message>
        <source>Шаблоны и конфигурации (*.json *.q22)</source>
        <translation>Шаблони та конфігурації (*.json *.q22)</translation>
    </message>
    <message>
        <source>Шаблоны в JSON (*.json)</source>
        <translation>Шаблони в JSON (*.json)</translation>
    </message>
    <message>
        <source>Применить шаблон</source>
        <translation>Застосувати шаблон</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан как шаблон в JSON.
%2</source>
        <translation>Файл %1 не прочитано як шаблон у JSON.
%2</translation>
    </message>
</context>
<context>
    <name>ConfigurationReport</name>
    <message>
        <source>Общие установки</source>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>СМС</translation>
    </message>
    <message>
        <source>GSM - канал</source>
        <translation>GSM - канал</translation>
    </message>
    <message>
        <source>GPRS - канал</source>
        <translation>GPRS - канал</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Автономний</translation>
    </message>
    <message>
        <source>Канал передачи</source>
        <translation>Канал передачі</translation>
    </message>
    <message>
        <source>Отключена</source>
        <translation>Відключена</translation>
    </message>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>Группы</source>
        <translation>Групи</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Выход, с</source>
        <translation>Вихід, с</translation>
    </message>
    <message>
        <source>Светодиод, с</source>
        <translation>Світлодіод, с</translation>
    </message>
    <message>
        <source>Шлейфы</source>
        <translation>Шлейфи</translation>
    </message>
    <message>
        <source>Пользователи</source>
        <translation>Користувачі</translation>
    </message>
    <message>
        <source>Номера</source>
        <translation>Номери</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Канали зв&apos;язку</translation>
    </message>
    <message>
        <source>%1, и звонок</source>
        <translation>%1, і дзвінок</translation>
    </message>
    <message>
        <source>не заданы: СМС не отправляются</source>
        <translation>не задано: СМС не надсилаються</translation>
    </message>
    <message>
        <source>Тексты извещений: события</source>
        <translation>Тексти сповіщень: події</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Тексты извещений: шлейфы</source>
        <translation>Тексти сповіщень: шлейфи</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Тривога</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>Тексты извещений: пользователи</source>
        <translation>Тексти сповіщень: користувачі</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <source>Постановка</source>
        <translation>Постановка</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Зняття</translation>
    </message>
    <message>
        <source>Тексты извещений: состояния ППК</source>
        <translation>Тексти сповіщень: стани ППК</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Опис</translation>
    </message>
</context>
<context>
    <name>DifferencesReport</name>
    <message>
        <source>Параметр</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Заводская установка</source>
        <translation>Заводське значення</translation>
    </message>
    <message>
        <source>Установлено</source>
        <translation>Встановлено</translation>
    </message>
</context>
<context>
    <name>DocumentOutput</name>
    <message>
        <source>Не удалось сохранить файл %1.
%2</source>
        <translation>Не вдалося зберегти файл %1.
%2</translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>Выкл.</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source> Сетевые настройки </source>
        <translation> Мережеві налаштування </translation>
    </message>
    <message>
        <source> Настройка в сети WiFi </source>
        <translation> Налаштування в мережі WiFi </translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation>Відкрита мережа</translation>
    </message>
    <message>
        <source>Первый IP-адрес ПЦН</source>
        <translation>Перша IP-адреса ПЦС</translation>
    </message>
    <message>
        <source>Порт первого IP-адреса ПЦН</source>
        <translation>Порт першої IP-адреси ПЦС</translation>
    </message>
    <message>
        <source>Второй IP-адрес ПЦН</source>
        <translation>Друга IP-адреса ПЦС</translation>
    </message>
    <message>
        <source>Порт второго IP-адреса ПЦН</source>
        <translation>Порт другої IP-адреси ПЦС</translation>
    </message>
    <message>
        <source>IP1:порт</source>
        <translation>IP1:порт</translation>
    </message>
    <message>
        <source>IP2:порт</source>
        <translation>IP2:порт</translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation>IP-адреса ППК</translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation>IP-адреса шлюзу</translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation>IP-порт ППК</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Ім&apos;я мережі</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>IP- адрес шлюза</source>
        <translation>IP-адреса шлюзу</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Кількість спроб дзвінка</translation>
    </message>
</context>
<context>
    <name>FactoryTexts</name>
    <message>
        <source>Тревога ШС ТМР</source>
        <translation>Тривога ШС ТМР</translation>
    </message>
    <message>
        <source>Разряд аккум.</source>
        <translation>Розряд акум.</translation>
    </message>
    <message>
        <source>Откл. 220 В</source>
        <translation>Вимк. 220 В</translation>
    </message>
    <message>
        <source>Тампер клав.</source>
        <translation>Тампер клав.</translation>
    </message>
    <message>
        <source>Связь с клав.</source>
        <translation>Зв&apos;язок з клав.</translation>
    </message>
    <message>
        <source>Подбор пароля</source>
        <translation>Підбір пароля</translation>
    </message>
    <message>
        <source>Восст. аккум.</source>
        <translation>Відн. акум.</translation>
    </message>
    <message>
        <source>Восст. 220 В</source>
        <translation>Відн. 220 В</translation>
    </message>
    <message>
        <source>Восст. тампер клав.</source>
        <translation>Відн. тампер клав.</translation>
    </message>
    <message>
        <source>Восст. связь с клав.</source>
        <translation>Відн. зв&apos;язок з клав.</translation>
    </message>
    <message>
        <source>Тревога шлейф %1</source>
        <translation>Тривога шлейф %1</translation>
    </message>
    <message>
        <source>Восст. шлейф %1</source>
        <translation>Відн. шлейф %1</translation>
    </message>
    <message>
        <source>      №%1</source>
        <translation>      №%1</translation>
    </message>
    <message>
        <source>   № %1</source>
        <translation>   № %1</translation>
    </message>
    <message>
        <source>Без охраны, без тревог</source>
        <translation>Без охорони, без тривог</translation>
    </message>
    <message>
        <source>Под охраной, тревога </source>
        <translation>Під охороною, тривога </translation>
    </message>
    <message>
        <source>Под охраной, без тревог</source>
        <translation>Під охороною, без тривог</translation>
    </message>
    <message>
        <source>Без охраны, тревога </source>
        <translation>Без охорони, тривога </translation>
    </message>
</context>
<context>
    <name>FieldCatalogue</name>
    <message>
        <source>Общие установки</source>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Шлейфи сигналізації</translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation>Тексти сповіщень</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Канали зв&apos;язку</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Sim1 Первый номер</source>
        <translation>Sim1 Перший номер</translation>
    </message>
    <message>
        <source>Sim1 Второй номер</source>
        <translation>Sim1 Другий номер</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>СМС</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation>Віддалене конфігурування</translation>
    </message>
    <message>
        <source>Выкл.</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>шлейф ППК</source>
        <translation>шлейф ППК</translation>
    </message>
    <message>
        <source>шлейф клавиатуры</source>
        <translation>шлейф клавіатури</translation>
    </message>
    <message>
        <source>Нарушение</source>
        <translation>Порушення</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation>Підключена</translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation>Звукове підтвердження постановки</translation>
    </message>
    <message>
        <source>Включен</source>
        <translation>Увімкнений</translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation>Цілодобовий</translation>
    </message>
    <message>
        <source>Вход/выход</source>
        <translation>Вхід/вихід</translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation>Інтер&apos;єр</translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Мгновенный</source>
        <translation>Миттєвий</translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation>Постановний</translation>
    </message>
    <message>
        <source>Интерьер+Периметр</source>
        <translation>Інтер&apos;єр+Периметр</translation>
    </message>
    <message>
        <source>Резерв</source>
        <translation>Резерв</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation>Ідентифікатор ППК</translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation>Дзвінок</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Кількість спроб дзвінка</translation>
    </message>
    <message>
        <source>Времена</source>
        <translation>Часи</translation>
    </message>
    <message>
        <source>Тестирование, с</source>
        <translation>Тестування, с</translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation>Тестування, с</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation>Тестовий канал</translation>
    </message>
    <message>
        <source>Протокол VPN</source>
        <translation>Протокол VPN</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>IP-адреса</translation>
    </message>
    <message>
        <source>IP-адрес ППК</source>
        <translation>IP-адреса ППК</translation>
    </message>
    <message>
        <source>IP-адрес шлюза</source>
        <translation>IP-адреса шлюзу</translation>
    </message>
    <message>
        <source>MAC-номер</source>
        <translation>MAC-номер</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>IP- порт ППК</source>
        <translation>IP-порт ППК</translation>
    </message>
    <message>
        <source>Удаленное...</source>
        <translation>Віддалене...</translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation>IP ПК-конфігуратора</translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation>Порт ПК-конфігуратора</translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation>APN оператора</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Оновлення ПЗ</translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation>Тел.</translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation>Вер. ПЗ 22.</translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation>I-net APN оператора</translation>
    </message>
    <message>
        <source>Сервер обновления</source>
        <translation>Сервер оновлення</translation>
    </message>
    <message>
        <source>Настройка в сети WiFi</source>
        <translation>Налаштування в мережі WiFi</translation>
    </message>
    <message>
        <source>Открытая сеть</source>
        <translation>Відкрита мережа</translation>
    </message>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>Передавать уровень GSM</source>
        <translation>Передавати рівень GSM</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Ім&apos;я мережі</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Системные извещения</source>
        <translation>Системні сповіщення</translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation>Тампер ППК</translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation>Тампер клавіатури</translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation>Акумулятор</translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation>Мережа 220В</translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation>Зв&apos;язок з клавіатурою</translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation>Увімк. сирени, с</translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation>Блокування</translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation>Розблокування</translation>
    </message>
    <message>
        <source>Метка раскладки</source>
        <translation>Мітка розкладки</translation>
    </message>
    <message>
        <source>Резервная таблица</source>
        <translation>Резервна таблиця</translation>
    </message>
    <message>
        <source>Маркер</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation>Чутлив., мс</translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation>Вхід, с</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Клас</translation>
    </message>
    <message>
        <source>Группы</source>
        <translation>Групи</translation>
    </message>
    <message>
        <source>Шлейфы %1–%2</source>
        <translation>Шлейфи %1–%2</translation>
    </message>
    <message>
        <source>Группы, строка %1</source>
        <translation>Групи, рядок %1</translation>
    </message>
    <message>
        <source>Выход, с</source>
        <translation>Вихід, с</translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation>Св, с</translation>
    </message>
    <message>
        <source>Пользователь %1</source>
        <translation>Користувач %1</translation>
    </message>
    <message>
        <source>Пользователи %1–%2</source>
        <translation>Користувачі %1–%2</translation>
    </message>
    <message>
        <source>Номер %1</source>
        <translation>Номер %1</translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation>Запит балансу</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation>Постановка/Зняття</translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation>Групи/Стан</translation>
    </message>
    <message>
        <source>Постановка</source>
        <translation>Постановка</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Зняття</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>нет</source>
        <comment>no channel</comment>
        <translation>немає</translation>
    </message>
</context>
<context>
    <name>FieldTie</name>
    <message>
        <source>пользователь, включённый в группу, получает номер своей строки, не включённый ни в одну — 0</source>
        <translation>користувач, включений до групи, отримує номер свого рядка, не включений до жодної — 0</translation>
    </message>
    <message>
        <source>«Звонок» отмечается только у номера из 13 символов</source>
        <translation>«Дзвінок» позначається лише для номера з 13 символів</translation>
    </message>
    <message>
        <source>«Задержка вход/выход» переносит задержку выхода первой группы во «Вход, с» шлейфа Z1</source>
        <translation>«Затримка вхід/вихід» переносить затримку виходу першої групи у «Вхід, с» шлейфу Z1</translation>
    </message>
    <message>
        <source>«%1» следует за «%2»: %3.</source>
        <translation>«%1» залежить від «%2»: %3.</translation>
    </message>
    <message>
        <source>«%1» изменено вместе с «%2».</source>
        <translation>«%1» змінено разом із «%2».</translation>
    </message>
</context>
<context>
    <name>FileColumnsInLocale</name>
    <message>
        <source>%1 Б</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 ГБ</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 ТБ</source>
        <translation>%1 ТБ</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>нет такого файла</source>
        <translation>немає такого файлу</translation>
    </message>
    <message>
        <source>не является обычным файлом</source>
        <translation>не є звичайним файлом</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>файл порожній</translation>
    </message>
    <message>
        <source>в файле %1 байт, а в файле конфигурации их %2</source>
        <translation>у файлі %1 байт, а у файлі конфігурації їх %2</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>немає теки %1</translation>
    </message>
    <message>
        <source>в папку %1 запись запрещена</source>
        <translation>у теку %1 запис заборонено</translation>
    </message>
    <message>
        <source>файловая система %1 доступна только для чтения</source>
        <translation>файлова система %1 доступна лише для читання</translation>
    </message>
</context>
<context>
    <name>FirstCopy</name>
    <message>
        <source>Приложение уже загружено</source>
        <translation>Програму вже запущено</translation>
    </message>
    <message>
        <source>Повторный запуск приложения</source>
        <translation>Повторний запуск програми</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Нарушение</source>
        <translation>Порушення</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>Звуковое подтверждение  постановки</source>
        <translation>Звукове підтвердження постановки</translation>
    </message>
    <message>
        <source>  Клавиатура  </source>
        <translation>  Клавіатура  </translation>
    </message>
    <message>
        <source>Отключена</source>
        <translation>Відключена</translation>
    </message>
    <message>
        <source>Подключена</source>
        <translation>Підключена</translation>
    </message>
    <message>
        <source>Номер телефона блокирующий ППК</source>
        <translation>Номер телефону, що блокує ППК</translation>
    </message>
    <message>
        <source>Номер телефона разблокирующий ППК</source>
        <translation>Номер телефону, що розблоковує ППК</translation>
    </message>
    <message>
        <source>Идентификатор ППК</source>
        <translation>Ідентифікатор ППК</translation>
    </message>
    <message>
        <source>Порт PC-конфигуратора</source>
        <translation>Порт ПК-конфігуратора</translation>
    </message>
    <message>
        <source>Блокирование</source>
        <translation>Блокування</translation>
    </message>
    <message>
        <source>Разблокирование</source>
        <translation>Розблокування</translation>
    </message>
    <message>
        <source>   Системные извещения  </source>
        <translation>   Системні сповіщення  </translation>
    </message>
    <message>
        <source>Сеть 220В</source>
        <translation>Мережа 220В</translation>
    </message>
    <message>
        <source>Аккумулятор</source>
        <translation>Акумулятор</translation>
    </message>
    <message>
        <source>Тампер ППК</source>
        <translation>Тампер ППК</translation>
    </message>
    <message>
        <source>Тампер клавиатуры</source>
        <translation>Тампер клавіатури</translation>
    </message>
    <message>
        <source>Связь с клавиатурой</source>
        <translation>Зв&apos;язок з клавіатурою</translation>
    </message>
    <message>
        <source> Канал передачи </source>
        <translation> Канал передачі </translation>
    </message>
    <message>
        <source>GSM - канал</source>
        <translation>GSM - канал</translation>
    </message>
    <message>
        <source>GPRS - канал</source>
        <translation>GPRS - канал</translation>
    </message>
    <message>
        <source>СМС</source>
        <translation>СМС</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Автономний</translation>
    </message>
    <message>
        <source> Времена </source>
        <translation> Часи </translation>
    </message>
    <message>
        <source>Задержка на выход, секунд</source>
        <translation>Затримка на вихід, секунд</translation>
    </message>
    <message>
        <source>Вкл. сирены, с</source>
        <translation>Увімк. сирени, с</translation>
    </message>
    <message>
        <source>Задержка вход/выход,  c</source>
        <translation>Затримка вхід/вихід, с</translation>
    </message>
</context>
<context>
    <name>GprsPage</name>
    <message>
        <source> Протокол VPN </source>
        <translation> Протокол VPN </translation>
    </message>
    <message>
        <source> Сеть 1 (SIM 1) </source>
        <translation> Мережа 1 (SIM 1) </translation>
    </message>
    <message>
        <source>PBL IP адрес</source>
        <translation>PBL IP-адреса</translation>
    </message>
    <message>
        <source>IP-порт PBL</source>
        <translation>IP-порт PBL</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Кількість спроб дзвінка</translation>
    </message>
</context>
<context>
    <name>GroupsModel</name>
    <message>
        <source>Выход, с</source>
        <translation>Вихід, с</translation>
    </message>
    <message>
        <source>Вс, с</source>
        <translation>Св, с</translation>
    </message>
</context>
<context>
    <name>GsmPage</name>
    <message>
        <source>Первый номер</source>
        <translation>Перший номер</translation>
    </message>
    <message>
        <source>Второй номер</source>
        <translation>Другий номер</translation>
    </message>
    <message>
        <source>Тестовый канал</source>
        <translation>Тестовий канал</translation>
    </message>
    <message>
        <source>Количество &quot;дозвонов&quot;</source>
        <translation>Кількість спроб дзвінка</translation>
    </message>
    <message>
        <source>Тестирование,  сек</source>
        <translation>Тестування, с</translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>Пользователь № %1 не включен в группы. Формирование списка прервано.</source>
        <translation>Користувача № %1 не включено до груп. Формування списку перервано.</translation>
    </message>
    <message>
        <source>Список пользователей</source>
        <translation>Список користувачів</translation>
    </message>
</context>
<context>
    <name>ImageChecks</name>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation>Конфігурування</translation>
    </message>
    <message>
        <source>Проверьте номер ППК !</source>
        <translation>Перевірте номер ППК !</translation>
    </message>
    <message>
        <source>Поле EditMac содержит «%1», а не целое число. Конфигурация не сформирована.</source>
        <translation>Поле EditMac містить «%1», а не ціле число. Конфігурацію не сформовано.</translation>
    </message>
    <message>
        <source>Шлейф %1 не включен в группы!</source>
        <translation>Шлейф %1 не включено до груп!</translation>
    </message>
    <message>
        <source>Ошибка описания</source>
        <translation>Помилка опису</translation>
    </message>
    <message>
        <source>СМС будут отправлены на телефоны с №1 по №%1</source>
        <translation>СМС буде надіслано на телефони з №1 по №%1</translation>
    </message>
    <message>
        <source>Номера телефонов для получения СМС</source>
        <translation>Номери телефонів для отримання СМС</translation>
    </message>
    <message>
        <source>Нарушен формат номера телефона для получения СМС. (+380ххххххххх)</source>
        <translation>Порушено формат номера телефону для отримання СМС. (+380ххххххххх)</translation>
    </message>
    <message>
        <source>Не заполнен запрос баланса на карточке. Продолжить?</source>
        <translation>Не заповнено запит балансу на картці. Продовжити?</translation>
    </message>
    <message>
        <source>Нарушен формат запроса баланса на карточке!</source>
        <translation>Порушено формат запиту балансу на картці!</translation>
    </message>
    <message>
        <source>СМС не будут отправлены: не указан ни один номер телефона.</source>
        <translation>СМС не буде надіслано: не вказано жодного номера телефону.</translation>
    </message>
</context>
<context>
    <name>LibraryDialog</name>
    <message>
        <source>Библиотека</source>
        <translation>Бібліотека</translation>
    </message>
    <message>
        <source>Настройки…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>ППК, объект, адрес, контакт или заметки</source>
        <translation>ППК, об&apos;єкт, адреса, контакт або нотатки</translation>
    </message>
    <message>
        <source>&amp;Поиск:</source>
        <translation>&amp;Пошук:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Сравнить со страницами</source>
        <translation>Порівняти зі сторінками</translation>
    </message>
    <message>
        <source>Сравнить версии</source>
        <translation>Порівняти версії</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <source>Добавить страницы</source>
        <translation>Додати сторінки</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Библиотека: %1 (только для чтения)</source>
        <translation>Бібліотека: %1 (лише для читання)</translation>
    </message>
    <message>
        <source>Библиотека: %1</source>
        <translation>Бібліотека: %1</translation>
    </message>
    <message>
        <source>Библиотека %1 не открыта: %2</source>
        <translation>Бібліотеку %1 не відкрито: %2</translation>
    </message>
    <message>
        <source>Экспорт версии</source>
        <translation>Експорт версії</translation>
    </message>
</context>
<context>
    <name>LibrarySettingsDialog</name>
    <message>
        <source>Настройки библиотеки</source>
        <translation>Налаштування бібліотеки</translation>
    </message>
    <message>
        <source>Записывать в библиотеку каждое чтение и запись ППК</source>
        <translation>Записувати в бібліотеку кожне зчитування та запис ППК</translation>
    </message>
    <message>
        <source>&amp;Библиотека:</source>
        <translation>&amp;Бібліотека:</translation>
    </message>
    <message>
        <source>&amp;Оператор:</source>
        <translation>&amp;Оператор:</translation>
    </message>
    <message>
        <source>Библиотека не выбрана: %1</source>
        <translation>Бібліотеку не вибрано: %1</translation>
    </message>
</context>
<context>
    <name>LibraryTexts</name>
    <message>
        <source>библиотека — это путь к файлу SQLite или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА, а не адрес «%1://»</source>
        <translation>бібліотека — це шлях до файлу SQLite або postgresql://КОРИСТУВАЧ@СЕРВЕР[:ПОРТ]/БАЗА, а не адреса «%1://»</translation>
    </message>
    <message>
        <source>пароль не пишут в адресе библиотеки: его берут из ~/.pgpass или PGPASSWORD</source>
        <translation>пароль не пишуть в адресі бібліотеки: його беруть з ~/.pgpass або PGPASSWORD</translation>
    </message>
    <message>
        <source>в адресе библиотеки не бывает параметров после «?»: соединение настраивают переменные окружения PostgreSQL (например PGSSLMODE)</source>
        <translation>в адресі бібліотеки не буває параметрів після «?»: з&apos;єднання налаштовують змінні оточення PostgreSQL (наприклад PGSSLMODE)</translation>
    </message>
    <message>
        <source>в адресе библиотеки нет имени базы: postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation>в адресі бібліотеки немає імені бази: postgresql://КОРИСТУВАЧ@СЕРВЕР[:ПОРТ]/БАЗА</translation>
    </message>
    <message>
        <source>адрес библиотеки не разобран: нужен вид postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation>адресу бібліотеки не розібрано: потрібен вигляд postgresql://КОРИСТУВАЧ@СЕРВЕР[:ПОРТ]/БАЗА</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>немає теки %1</translation>
    </message>
    <message>
        <source>это папка, а не файл библиотеки</source>
        <translation>це тека, а не файл бібліотеки</translation>
    </message>
    <message>
        <source>это не библиотека панелей: файл не является базой SQLite</source>
        <translation>це не бібліотека панелей: файл не є базою SQLite</translation>
    </message>
    <message>
        <source>это не библиотека панелей: в базе таблицы другой программы</source>
        <translation>це не бібліотека панелей: у базі таблиці іншої програми</translation>
    </message>
    <message>
        <source>библиотека записана более новой версией программы (схема %1, эта программа знает схемы до %2); она не изменена</source>
        <translation>бібліотеку записано новішою версією програми (схема %1, ця програма знає схеми до %2); її не змінено</translation>
    </message>
    <message>
        <source>нет драйвера %1 для Qt (пакет %2)</source>
        <translation>немає драйвера %1 для Qt (пакет %2)</translation>
    </message>
    <message>
        <source>библиотеку не удалось создать: %1</source>
        <translation>бібліотеку не вдалося створити: %1</translation>
    </message>
    <message>
        <source>схему библиотеки не удалось обновить: %1</source>
        <translation>схему бібліотеки не вдалося оновити: %1</translation>
    </message>
    <message>
        <source>библиотека открыта только для чтения</source>
        <translation>бібліотеку відкрито лише для читання</translation>
    </message>
    <message>
        <source>библиотека занята другой программой дольше %1 с</source>
        <translation>бібліотека зайнята іншою програмою довше %1 с</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>немає місця на диску</translation>
    </message>
    <message>
        <source>нет права на это в библиотеке: %1</source>
        <translation>немає права на це в бібліотеці: %1</translation>
    </message>
    <message>
        <source>«%1» не номер панели: нужны четыре шестнадцатеричные цифры</source>
        <translation>«%1» не номер панелі: потрібні чотири шістнадцяткові цифри</translation>
    </message>
    <message>
        <source>панели %1 нет в библиотеке</source>
        <translation>панелі %1 немає в бібліотеці</translation>
    </message>
    <message>
        <source>у панели %1 нет версии %2</source>
        <translation>у панелі %1 немає версії %2</translation>
    </message>
    <message>
        <source>у панели %1 одна версия: её не с чем сравнить</source>
        <translation>у панелі %1 одна версія: її немає з чим порівняти</translation>
    </message>
    <message>
        <source>версия не записана в библиотеку: %1</source>
        <translation>версію не записано в бібліотеку: %1</translation>
    </message>
    <message>
        <source>база повреждена: %1</source>
        <translation>базу пошкоджено: %1</translation>
    </message>
    <message>
        <source>у версии %2 панели %1 нет образа</source>
        <translation>у версії %2 панелі %1 немає образу</translation>
    </message>
    <message>
        <source>образ %1 не совпадает со своей суммой SHA-256</source>
        <translation>образ %1 не збігається зі своєю сумою SHA-256</translation>
    </message>
    <message>
        <source>у панели %1 в истории %2 версий, а в её строке записано %3</source>
        <translation>у панелі %1 в історії %2 версій, а в її рядку записано %3</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>Автономный режим.</source>
        <translation>Автономний режим.</translation>
    </message>
    <message>
        <source>Автономный</source>
        <translation>Автономний</translation>
    </message>
    <message>
        <source>Подключение...</source>
        <translation>Підключення...</translation>
    </message>
    <message>
        <source>ППК подключен по USB.</source>
        <translation>ППК підключено по USB.</translation>
    </message>
    <message>
        <source>Подключение по USB. Чтение...</source>
        <translation>Підключення по USB. Читання...</translation>
    </message>
    <message>
        <source>ППК подключен по USB. Запись...</source>
        <translation>ППК підключено по USB. Запис...</translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation>Немає зв&apos;язку</translation>
    </message>
    <message>
        <source>ППК не подключен.</source>
        <translation>ППК не підключено.</translation>
    </message>
    <message>
        <source>Подключение. Осталось %1 c.</source>
        <translation>Підключення. Залишилося %1 с.</translation>
    </message>
    <message>
        <source>Конфигурирование по USB</source>
        <translation>Конфігурування по USB</translation>
    </message>
    <message>
        <source>Конфигурирование</source>
        <translation>Конфігурування</translation>
    </message>
    <message>
        <source>Нет доступного Com-порта. Работа в автономном режиме. Продолжить?</source>
        <translation>Немає доступного COM-порту. Робота в автономному режимі. Продовжити?</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Обладнання</translation>
    </message>
    <message>
        <source>Нет прав на доступ к порту: пользователь не входит в группу dialout. Выполните sudo usermod -aG dialout $USER и войдите в систему заново.</source>
        <translation>Немає прав доступу до порту: користувач не входить до групи dialout. Виконайте sudo usermod -aG dialout $USER і увійдіть у систему знову.</translation>
    </message>
    <message>
        <source>USB не подключен!</source>
        <translation>USB не підключено!</translation>
    </message>
    <message>
        <source>E1: ППК не отвечает!</source>
        <translation>E1: ППК не відповідає!</translation>
    </message>
    <message>
        <source>E:3 ППК не отвечает!</source>
        <translation>E:3 ППК не відповідає!</translation>
    </message>
    <message>
        <source>Связь отсутствует!</source>
        <translation>Зв&apos;язок відсутній!</translation>
    </message>
    <message>
        <source>Неисправность оборудование</source>
        <translation>Несправність обладнання</translation>
    </message>
    <message>
        <source>Ошибка записи.</source>
        <translation>Помилка запису.</translation>
    </message>
    <message>
        <source>Ошибка чтения конфигурации</source>
        <translation>Помилка читання конфігурації</translation>
    </message>
    <message>
        <source>Что-то пошло не так</source>
        <translation>Щось пішло не так</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК %1 выполнено.</source>
        <translation>Читання конфігурації ППК %1 виконано.</translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 выполнена.</source>
        <translation>Запис конфігурації ППК %1 виконано.</translation>
    </message>
    <message>
        <source>Запись конфигурации ППК %1 завершена успешно.</source>
        <translation>Запис конфігурації ППК %1 завершено успішно.</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation>Віддалене конфігурування</translation>
    </message>
    <message>
        <source>Конфигурирование. Чтение</source>
        <translation>Конфігурування. Читання</translation>
    </message>
    <message>
        <source>Конфигурирование. Запись</source>
        <translation>Конфігурування. Запис</translation>
    </message>
    <message>
        <source>Конфигурование. Чтение</source>
        <translation>Конфігурування. Читання</translation>
    </message>
    <message>
        <source>Не определен порт РС - конфигуратора!</source>
        <translation>Не визначено порт ПК-конфігуратора!</translation>
    </message>
    <message>
        <source>Порт РС - конфигуратора %1 недоступен!</source>
        <translation>Порт ПК-конфігуратора %1 недоступний!</translation>
    </message>
    <message>
        <source>Ожидание запроса... %1</source>
        <translation>Очікування запиту... %1</translation>
    </message>
    <message>
        <source>Нет связи с удаленным ППК. Автономный режим.</source>
        <translation>Немає зв&apos;язку з віддаленим ППК. Автономний режим.</translation>
    </message>
    <message>
        <source>Прервать ожидание соединения с удаленным ППК?</source>
        <translation>Перервати очікування з&apos;єднання з віддаленим ППК?</translation>
    </message>
    <message>
        <source>Автономный режим</source>
        <translation>Автономний режим</translation>
    </message>
    <message>
        <source>E9: ППК не отвечает!</source>
        <translation>E9: ППК не відповідає!</translation>
    </message>
    <message>
        <source>Удаленный ППК IP: %1 подключен</source>
        <translation>Віддалений ППК IP: %1 підключено</translation>
    </message>
    <message>
        <source>ППК под охраной. Конфигурирование запрещено</source>
        <translation>ППК під охороною. Конфігурування заборонено</translation>
    </message>
    <message>
        <source>Ошибка записи в ППК</source>
        <translation>Помилка запису в ППК</translation>
    </message>
    <message>
        <source>Нет ответа на отрицательную квитанцию!</source>
        <translation>Немає відповіді на негативну квитанцію!</translation>
    </message>
    <message>
        <source>Нарушена последовательность блоков. Ждали %1, получили %2</source>
        <translation>Порушено послідовність блоків. Очікували %1, отримали %2</translation>
    </message>
    <message>
        <source>Время ожидания подтверждения приема блока истекло!</source>
        <translation>Час очікування підтвердження прийому блоку минув!</translation>
    </message>
    <message>
        <source>Время ожидания блока от ППК истекло!</source>
        <translation>Час очікування блоку від ППК минув!</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК %1 завершено успешно.</source>
        <translation>Читання конфігурації ППК %1 завершено успішно.</translation>
    </message>
    <message>
        <source>Чтение конфигурации ППК завершено успешно.</source>
        <translation>Читання конфігурації ППК завершено успішно.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Язык</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>Мову інтерфейсу буде змінено під час наступного запуску програми.</translation>
    </message>
    <message>
        <source>Конфигуратор ППК Зорвел-22 Lite (&quot;ZQ3.22L&quot;) вер. %1</source>
        <translation>Конфігуратор ППК Зорвел-22 Lite (&quot;ZQ3.22L&quot;) вер. %1</translation>
    </message>
    <message>
        <source>Связь с ППК</source>
        <translation>Зв&apos;язок з ППК</translation>
    </message>
    <message>
        <source>Локальная</source>
        <translation>Локальний</translation>
    </message>
    <message>
        <source>Удаленная</source>
        <translation>Віддалений</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Заводские установки</source>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Сравнить с файлом…</source>
        <translation>Порівняти з файлом…</translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation>Звіт…</translation>
    </message>
    <message>
        <source>Общие установки</source>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Шлейфи сигналізації</translation>
    </message>
    <message>
        <source>Тексты извещений</source>
        <translation>Тексти сповіщень</translation>
    </message>
    <message>
        <source>Каналы связи</source>
        <translation>Канали зв&apos;язку</translation>
    </message>
    <message>
        <source>Вы действительно хотите завершить программу?</source>
        <translation>Ви дійсно бажаєте завершити програму?</translation>
    </message>
    <message>
        <source>Завершение работы</source>
        <translation>Завершення роботи</translation>
    </message>
    <message>
        <source>Укажите один файл конфигурации, а не %1.</source>
        <translation>Вкажіть один файл конфігурації, а не %1.</translation>
    </message>
    <message>
        <source>Загрузка конфигурации</source>
        <translation>Завантаження конфігурації</translation>
    </message>
    <message>
        <source>Ничего не загружено: на страницах заводские установки.</source>
        <translation>Нічого не завантажено: на сторінках заводські налаштування.</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Сервіс</translation>
    </message>
    <message>
        <source>Применить шаблон…</source>
        <translation>Застосувати шаблон…</translation>
    </message>
    <message>
        <source>Библиотека…</source>
        <translation>Бібліотека…</translation>
    </message>
    <message>
        <source>Версия не открыта: дождитесь конца обмена с ППК.</source>
        <translation>Версію не відкрито: дочекайтеся кінця обміну з ППК.</translation>
    </message>
    <message>
        <source>Страницы не добавлены: они не проходят проверку перед записью.
%1</source>
        <translation>Сторінки не додано: вони не проходять перевірку перед записом.
%1</translation>
    </message>
</context>
<context>
    <name>PagesChange</name>
    <message>
        <source>«%1»: поле пусто</source>
        <translation>«%1»: поле порожнє</translation>
    </message>
    <message>
        <source>«%1»: «%2»</source>
        <translation>«%1»: «%2»</translation>
    </message>
    <message>
        <source>Значения не взяты: на страницах есть то, что не войдёт в конфигурацию и пропало бы:
%1
Исправьте эти поля или отметьте их, чтобы взять их значения.</source>
        <translation>Значення не взято: на сторінках є те, що не ввійде до конфігурації й пропало б:
%1
Виправте ці поля або позначте їх, щоб взяти їхні значення.</translation>
    </message>
    <message>
        <source>Значения не взяты.
%1</source>
        <translation>Значення не взято.
%1</translation>
    </message>
    <message>
        <source>«%1»: взято «%2», страницы показывают «%3»</source>
        <translation>«%1»: взято «%2», сторінки показують «%3»</translation>
    </message>
    <message>
        <source>Значения не взяты: страницы не могут показать их такими, какими они взяты, и остались прежними.
%1</source>
        <translation>Значення не взято: сторінки не можуть показати їх такими, якими їх взято, і лишилися як були.
%1</translation>
    </message>
    <message>
        <source>Страницы изменились после того, как значения были взяты. Вернуть страницы такими, какими они были до этого? Изменения, сделанные после, пропадут.</source>
        <translation>Сторінки змінилися після того, як значення було взято. Повернути сторінки такими, якими вони були до цього? Зміни, зроблені після, пропадуть.</translation>
    </message>
</context>
<context>
    <name>PagesImage</name>
    <message>
        <source>не читается: поле пусто</source>
        <translation>не читається: поле порожнє</translation>
    </message>
    <message>
        <source>не читается: «%1»</source>
        <translation>не читається: «%1»</translation>
    </message>
</context>
<context>
    <name>PanelDetailsForm</name>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>&amp;Объект:</source>
        <translation>&amp;Об&apos;єкт:</translation>
    </message>
    <message>
        <source>А&amp;дрес:</source>
        <translation>А&amp;дреса:</translation>
    </message>
    <message>
        <source>&amp;Контакт:</source>
        <translation>&amp;Контакт:</translation>
    </message>
    <message>
        <source>&amp;Заметки:</source>
        <translation>&amp;Нотатки:</translation>
    </message>
</context>
<context>
    <name>PanelListModel</name>
    <message>
        <source>ППК</source>
        <translation>ППК</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Об&apos;єкт</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Версий</source>
        <translation>Версій</translation>
    </message>
    <message>
        <source>Изменён</source>
        <translation>Змінено</translation>
    </message>
</context>
<context>
    <name>PortCheck</name>
    <message>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation>&quot;%1&quot; не є цілим числом</translation>
    </message>
    <message>
        <source>Номер порта не должен быть больше 65535</source>
        <translation>Номер порту не повинен перевищувати 65535</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Номер порту</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Выбор порта</source>
        <translation>Вибір порту</translation>
    </message>
    <message>
        <source>Порт ППК (из списка или путь к устройству):</source>
        <translation>Порт ППК (зі списку або шлях до пристрою):</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source> Обновление ПО </source>
        <translation> Оновлення ПЗ </translation>
    </message>
    <message>
        <source> Настройка Bluetooth </source>
        <translation> Налаштування Bluetooth </translation>
    </message>
    <message>
        <source> Конфигурирование </source>
        <translation> Конфігурування </translation>
    </message>
    <message>
        <source> Канал </source>
        <translation> Канал </translation>
    </message>
    <message>
        <source>Телефон активации удаленного обновления/конфигурирования</source>
        <translation>Телефон активації віддаленого оновлення/конфігурування</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование/обновление ПО</source>
        <translation>Віддалене конфігурування/оновлення ПЗ</translation>
    </message>
    <message>
        <source>Вер. ПО 22.</source>
        <translation>Вер. ПЗ 22.</translation>
    </message>
    <message>
        <source>Тел.</source>
        <translation>Тел.</translation>
    </message>
    <message>
        <source>I-net APN ОМС</source>
        <translation>I-net APN оператора</translation>
    </message>
    <message>
        <source>Имя сети</source>
        <translation>Ім&apos;я мережі</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>APN ОМС</source>
        <translation>APN оператора</translation>
    </message>
    <message>
        <source>IP ПК-конфигуратора</source>
        <translation>IP ПК-конфігуратора</translation>
    </message>
</context>
<context>
    <name>ReportContent</name>
    <message>
        <source>Внимание: конфигурация не проходит проверку перед записью</source>
        <translation>Увага: конфігурація не проходить перевірку перед записом</translation>
    </message>
    <message>
        <source>Отчёт показывает конфигурацию так, как её показывают страницы; «Записать» не запишет её в таком виде:</source>
        <translation>Звіт показує конфігурацію так, як її показують сторінки; «Записати» не запише її в такому вигляді:</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Отчёт</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <source>Только отличия от заводских установок</source>
        <translation>Лише відмінності від заводських налаштувань</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Зберегти в PDF…</translation>
    </message>
    <message>
        <source>Сохранение отчёта</source>
        <translation>Збереження звіту</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>Документи PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт в файл %1.
%2</source>
        <translation>Не вдалося зберегти звіт у файл %1.
%2</translation>
    </message>
    <message>
        <source>Монтажная организация:</source>
        <translation>Монтажна організація:</translation>
    </message>
    <message>
        <source>Показать пароли</source>
        <translation>Показати паролі</translation>
    </message>
    <message>
        <source>Подробно</source>
        <translation>Докладно</translation>
    </message>
    <message>
        <source>Конфигурация ППК Зорвел-22 Lite</source>
        <translation>Конфігурація ППК Зорвел-22 Lite</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Конфигурация ППК %1, %2</source>
        <translation>Конфігурація ППК %1, %2</translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation>стор. %1 з %2</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Конфигурация ППК Зорвел-22 Lite</source>
        <translation>Конфігурація ППК Зорвел-22 Lite</translation>
    </message>
    <message>
        <source>Номер ППК:</source>
        <translation>Номер ППК:</translation>
    </message>
    <message>
        <source>Дата и время:</source>
        <translation>Дата й час:</translation>
    </message>
    <message>
        <source>Версия программы:</source>
        <translation>Версія програми:</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Об&apos;єкт:</translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Адреса:</translation>
    </message>
    <message>
        <source>Контактное лицо, телефон:</source>
        <translation>Контактна особа, телефон:</translation>
    </message>
    <message>
        <source>Монтажная организация:</source>
        <translation>Монтажна організація:</translation>
    </message>
    <message>
        <source>Только отличия от заводских установок</source>
        <translation>Лише відмінності від заводських налаштувань</translation>
    </message>
    <message>
        <source>Все значения совпадают с заводскими установками.</source>
        <translation>Усі значення збігаються із заводськими налаштуваннями.</translation>
    </message>
    <message>
        <source>Монтажник</source>
        <translation>Монтажник</translation>
    </message>
    <message>
        <source>Заказчик</source>
        <translation>Замовник</translation>
    </message>
    <message>
        <source>Ф.И.О. %1</source>
        <translation>П.І.Б. %1</translation>
    </message>
    <message>
        <source>Подпись %1</source>
        <translation>Підпис %1</translation>
    </message>
    <message>
        <source>Дата %1</source>
        <translation>Дата %1</translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Звонок</source>
        <translation>Дзвінок</translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation>Запит балансу</translation>
    </message>
</context>
<context>
    <name>StatusLight</name>
    <message>
        <source>Удаленный ППК подключен</source>
        <translation>Віддалений ППК підключено</translation>
    </message>
    <message>
        <source>Нет удаленного ППК</source>
        <translation>Немає віддаленого ППК</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Шлейфи сигналізації</translation>
    </message>
    <message>
        <source>Постановка/Снятие</source>
        <translation>Постановка/Зняття</translation>
    </message>
    <message>
        <source>Группы/Состояние</source>
        <translation>Групи/Стан</translation>
    </message>
    <message>
        <source>  Извещение</source>
        <translation>  Сповіщення</translation>
    </message>
    <message>
        <source>                Текст извещения</source>
        <translation>                Текст сповіщення</translation>
    </message>
    <message>
        <source>    Шлейф</source>
        <translation>    Шлейф</translation>
    </message>
    <message>
        <source>       Номер группы</source>
        <translation>       Номер групи</translation>
    </message>
    <message>
        <source>                Наименование</source>
        <translation>                Назва</translation>
    </message>
    <message>
        <source>          Состояние</source>
        <translation>          Стан</translation>
    </message>
    <message>
        <source>                Описание</source>
        <translation>                Опис</translation>
    </message>
    <message>
        <source>Пользователь №</source>
        <translation>Користувач №</translation>
    </message>
    <message>
        <source> Постановка</source>
        <translation> Постановка</translation>
    </message>
    <message>
        <source> Снятие</source>
        <translation> Зняття</translation>
    </message>
</context>
<context>
    <name>UsersGrid</name>
    <message>
        <source>Установить</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Группа №%1 отсутствует!</source>
        <translation>Група №%1 відсутня!</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Недопустимый номер пользователя.</source>
        <translation>Неприпустимий номер користувача.</translation>
    </message>
    <message>
        <source>Включение/выключение пользователей</source>
        <translation>Увімкнення/вимкнення користувачів</translation>
    </message>
    <message>
        <source>Установить пользователя %1 во всех группах</source>
        <translation>Встановити користувача %1 в усіх групах</translation>
    </message>
    <message>
        <source>Сбросить пользователя %1 во всех группах</source>
        <translation>Скинути користувача %1 в усіх групах</translation>
    </message>
    <message>
        <source>Установить всех пользователей в группе %1</source>
        <translation>Встановити всіх користувачів у групі %1</translation>
    </message>
    <message>
        <source>Сбросить всех пользователей в группе %1</source>
        <translation>Скинути всіх користувачів у групі %1</translation>
    </message>
</context>
<context>
    <name>VersionListModel</name>
    <message>
        <source>Версия %1 от %2</source>
        <translation>Версія %1 від %2</translation>
    </message>
    <message>
        <source>чтение</source>
        <translation>зчитування</translation>
    </message>
    <message>
        <source>запись</source>
        <translation>запис</translation>
    </message>
    <message>
        <source>добавлена</source>
        <translation>додана</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Операция</source>
        <translation>Операція</translation>
    </message>
    <message>
        <source>Как</source>
        <translation>Як</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Изменено полей</source>
        <translation>Змінено полів</translation>
    </message>
</context>
<context>
    <name>VersionRecording</name>
    <message>
        <source>Библиотека</source>
        <translation>Бібліотека</translation>
    </message>
</context>
<context>
    <name>ZoneCellDelegate</name>
    <message>
        <source>Введите четыре цифры или нажмите Esc</source>
        <translation>Введіть чотири цифри або натисніть Esc</translation>
    </message>
</context>
<context>
    <name>ZoneGrid</name>
    <message>
        <source>      ШС</source>
        <translation>      ШС</translation>
    </message>
    <message>
        <source>Включен</source>
        <translation>Увімкнений</translation>
    </message>
    <message>
        <source>Чувствит., мс</source>
        <translation>Чутлив., мс</translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation>Цілодобовий</translation>
    </message>
    <message>
        <source>Интерьер</source>
        <translation>Інтер&apos;єр</translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>Периметр</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Вход, с</source>
        <translation>Вхід, с</translation>
    </message>
    <message>
        <source>Постановочный</source>
        <translation>Постановний</translation>
    </message>
</context>
<context>
    <name>ZoneLinksModel</name>
    <message>
        <source>ШС</source>
        <translation>ШС</translation>
    </message>
</context>
<context>
    <name>ZonesPage</name>
    <message>
        <source>Добавить шлейф в группу</source>
        <translation>Додати шлейф до групи</translation>
    </message>
    <message>
        <source>Удалить шлейф из группы</source>
        <translation>Видалити шлейф із групи</translation>
    </message>
    <message>
        <source>Добавить группу</source>
        <translation>Додати групу</translation>
    </message>
    <message>
        <source>Удалить группу</source>
        <translation>Видалити групу</translation>
    </message>
    <message>
        <source>Включение светодиода, секунд</source>
        <translation>Увімкнення світлодіода, секунд</translation>
    </message>
    <message>
        <source>Количество пользователей</source>
        <translation>Кількість користувачів</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Шлейфи сигналізації</translation>
    </message>
    <message>
        <source>Удалить шлейф %1 из группы?</source>
        <translation>Видалити шлейф %1 із групи?</translation>
    </message>
</context>
</TS>
