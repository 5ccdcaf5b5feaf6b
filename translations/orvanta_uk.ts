<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Cli</name>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; ни на одном порту.
</source>
        <translation>Немає зв’язку з охоронною панеллю &quot;Orvanta&quot; на жодному порту.
</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; на порту %1.
</source>
        <translation>Немає зв’язку з охоронною панеллю &quot;Orvanta&quot; на порту %1.
</translation>
    </message>
    <message>
        <source>Чтение настроек</source>
        <translation>Читання налаштувань</translation>
    </message>
    <message>
        <source>%1 сек.
</source>
        <translation>%1 сек.
</translation>
    </message>
    <message>
        <source>Не удалось прочитать стандартный ввод</source>
        <translation>Не вдалося прочитати стандартний ввід</translation>
    </message>
    <message>
        <source>orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, добавьте --yes
</source>
        <translation>orvanta-cli: немає термінала, щоб запитати; щоб записати без запитання, додайте --yes
</translation>
    </message>
    <message>
        <source>Записать эти настройки в охранную панель? [д/н] </source>
        <translation>Записати ці налаштування в охоронну панель? [т/н] </translation>
    </message>
    <message>
        <source>д,да</source>
        <comment>the answers that mean yes, comma-separated</comment>
        <translation>т,так</translation>
    </message>
    <message>
        <source>Панель уже хранит эти настройки.
</source>
        <translation>Панель уже зберігає ці налаштування.
</translation>
    </message>
    <message>
        <source>Изменится:
</source>
        <translation>Зміниться:
</translation>
    </message>
    <message>
        <source>Прежние настройки сохранены; вернуть их: orvanta-cli restore %1
</source>
        <translation>Попередні налаштування збережено; повернути їх: orvanta-cli restore %1
</translation>
    </message>
    <message>
        <source>Запись настроек</source>
        <translation>Запис налаштувань</translation>
    </message>
    <message>
        <source>Записано; панель хранит эти настройки.
</source>
        <translation>Записано; панель зберігає ці налаштування.
</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4
</source>
        <translation>Знімок № %1 від %2, порт %3, %4
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE
</source>
        <translation>orvanta-cli: %1 не у форматі повідомлень (WAV PCM, 16 біт, моно), тож його не буде перезаписано, а %2 уже існує: вкажіть файл результату: -o FILE
</translation>
    </message>
    <message>
        <source>Без изменений.
</source>
        <translation>Без змін.
</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1
</source>
        <translation>Не вдалося створити файл %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 needs a value
</source>
        <translation>orvanta-cli: %1 потребує значення
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown option %1 (see --help)
</source>
        <translation>orvanta-cli: невідомий параметр %1 (див. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: one file at most (see --help)
</source>
        <translation>orvanta-cli: не більше одного файлу (див. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown language %1: %2 or %3
</source>
        <translation>orvanta-cli: невідома мова %1: %2 або %3
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown command %1 (see --help)
</source>
        <translation>orvanta-cli: невідома команда %1 (див. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: no such Config.ini: %1
</source>
        <translation>orvanta-cli: немає такого Config.ini: %1
</translation>
    </message>
    <message>
        <source> (нет такого файла)</source>
        <translation> (немає такого файлу)</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;: %1
</source>
        <translation>Помилка зв’язку з охоронною панеллю &quot;Orvanta&quot;: %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: внутренняя ошибка программы: %1
</source>
        <translation>orvanta-cli: внутрішня помилка програми: %1
</translation>
    </message>
    <message>
        <source>Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — «%2».
</source>
        <translation>Увага: налаштування прочитано з панелі з прошивкою «%1», а ця панель — «%2».
</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1
</source>
        <translation>Знімок попередніх налаштувань: %1
</translation>
    </message>
    <message>
        <source>the ports it would try: device, and whether it can be opened</source>
        <translation>порти, які програма спробує: пристрій і чи можна його відкрити</translation>
    </message>
    <message>
        <source>Lists each port name with its device and whether it can be opened: free, busy (and by which program), no permission (and how to get it), absent, no serial port. A serial adapter also gets its name (model and serial number) and its stable path in /dev/serial/by-id, by which the same adapter is found again under another number.
</source>
        <translation>Перелічує назви портів, пристрій кожного й чи можна його відкрити: вільний, зайнятий (і якою програмою), немає доступу (і як його отримати), немає пристрою, не послідовний порт. Для адаптера — ще його назва (модель і серійний номер) і сталий шлях у /dev/serial/by-id, за яким той самий адаптер знаходиться знову під іншим номером.
</translation>
    </message>
    <message>
        <source>looks for the panel on the ports; prints the port and firmware</source>
        <translation>шукає панель на портах; виводить порт і прошивку</translation>
    </message>
    <message>
        <source>Tries the port (or every port, COM2 first) and prints the first that the panel answers on, with its firmware version. Exit 3 when none, with the reason for each port tried.
</source>
        <translation>Пробує порт (або всі порти, спершу COM2) і виводить перший, на якому відповідає панель, разом із версією її прошивки. Якщо такого немає — код завершення 3 і причина для кожного перевіреного порту.
</translation>
    </message>
    <message>
        <source>reads the panel&apos;s settings into FILE (or prints them)</source>
        <translation>читає налаштування панелі у FILE (або виводить їх)</translation>
    </message>
    <message>
        <source>Reads every setting of the panel into a settings file, or to standard output. The password only with --password.
</source>
        <translation>Читає всі налаштування панелі у файл налаштувань або у стандартний вивід. Пароль — лише з --password.
</translation>
    </message>
    <message>
        <source>shows what would change, asks, writes, and checks the panel</source>
        <translation>показує, що зміниться, запитує, записує й перевіряє панель</translation>
    </message>
    <message>
        <source>Reads the panel, lists what the file would change, asks (unless --yes), writes, reads back and reports any setting the panel did not keep. Exit 0 when the panel holds the file&apos;s settings, 4 when it does not (it refused a part, or kept other values), 7 when the write was cut off, 9 when it could not be read back to check.
</source>
        <translation>Читає панель, перелічує, що змінить файл, запитує (якщо немає --yes), записує, читає назад і повідомляє про кожне налаштування, якого панель не зберегла. Код завершення 0, коли панель зберігає налаштування з файлу, 4 — коли ні (панель відмовилася прийняти частину або зберегла інші значення), 7 — коли запис перервано, 9 — коли його не вдалося прочитати назад для перевірки.
</translation>
    </message>
    <message>
        <source>lists the settings in which the panel differs from FILE</source>
        <translation>перелічує налаштування, якими панель відрізняється від FILE</translation>
    </message>
    <message>
        <source>Lists each setting in which the panel differs from the file. Exit 0 when none, 1 when some.
</source>
        <translation>Перелічує кожне налаштування, яким панель відрізняється від файлу. Код завершення 0, якщо відмінностей немає, 1 — якщо є.
</translation>
    </message>
    <message>
        <source>the writes so far, each with the snapshot taken before it</source>
        <translation>виконані записи, кожен зі знімком, зробленим перед ним</translation>
    </message>
    <message>
        <source>Lists the writes so far: number, time, port, firmware, how it ended, and how many settings it changed. Each has the snapshot of what the panel held before it.
</source>
        <translation>Перелічує виконані записи: номер, час, порт, прошивка, чим завершився і скільки налаштувань змінив. До кожного є знімок того, що панель зберігала перед ним.
</translation>
    </message>
    <message>
        <source>writes snapshot N back (compare, confirm, verify as write)</source>
        <translation>записує знімок N назад (порівнює, питає, перевіряє, як write)</translation>
    </message>
    <message>
        <source>Writes snapshot N (see history) back into the panel: shows its date, port and the differences, asks, writes, reads back. A snapshot of the panel is kept first, as for every write.
</source>
        <translation>Записує знімок N (див. history) назад у панель: показує його дату, порт і відмінності, запитує, записує, читає назад. Спершу, як і перед кожним записом, зберігається знімок панелі.
</translation>
    </message>
    <message>
        <source>checks a settings file and prints it</source>
        <translation>перевіряє файл налаштувань і виводить його</translation>
    </message>
    <message>
        <source>Checks a settings file and prints it as the tool writes it.
</source>
        <translation>Перевіряє файл налаштувань і виводить його так, як його записує програма.
</translation>
    </message>
    <message>
        <source>speaks the text in Russian as a message (44.1 kHz, 16 bits)</source>
        <translation>озвучує текст російською як повідомлення (44,1 кГц, 16 біт)</translation>
    </message>
    <message>
        <source>Speaks the text in Russian (espeak-ng) and keeps it as a voice message: PCM mono 44.1 kHz 16-bit.
</source>
        <translation>Озвучує текст російською (espeak-ng) і зберігає його як голосове повідомлення: PCM моно 44,1 кГц 16 біт.
</translation>
    </message>
    <message>
        <source>removes the silence at both ends of a message</source>
        <translation>видаляє тишу з обох кінців повідомлення</translation>
    </message>
    <message>
        <source>Removes the silence at both ends of a voice message (keeping 50 ms beside the sound), so that it takes less of the panel&apos;s memory. A file that is no 16-bit mono PCM WAV is never written over: the result goes to OUT, or to a WAV file of its name beside it.
</source>
        <translation>Видаляє тишу з обох кінців голосового повідомлення (залишаючи 50 мс біля звуку), щоб воно займало менше пам’яті панелі. Файл, який не є WAV PCM 16 біт моно, ніколи не перезаписується: результат потрапляє в OUT або у WAV-файл із його назвою поруч із ним.
</translation>
    </message>
    <message>
        <source>brings a message&apos;s peak to -1 dBFS</source>
        <translation>доводить пік повідомлення до -1 dBFS</translation>
    </message>
    <message>
        <source>Scales a voice message so that its peak reaches -1 dBFS, so that the messages sound even. Any file as for trim.
</source>
        <translation>Масштабує голосове повідомлення так, щоб його пік досягав -1 dBFS, — тоді повідомлення звучать рівно. Файли обробляються так само, як у trim.
</translation>
    </message>
    <message>
        <source>makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)</source>
        <translation>робить голосове повідомлення з будь-якого звукового файлу (WAV, FLAC, Ogg, MP3)</translation>
    </message>
    <message>
        <source>Converts a sound file of any format the tool reads (WAV of any kind, FLAC, Ogg, MP3) into a voice message: PCM mono 44.1 kHz 16-bit. A sound longer than the panel&apos;s memory is refused.
</source>
        <translation>Перетворює звуковий файл будь-якого формату, який читає програма (WAV будь-якого виду, FLAC, Ogg, MP3), на голосове повідомлення: PCM моно 44,1 кГц 16 біт. Звук, довший, ніж уміщує пам’ять панелі, не приймається.
</translation>
    </message>
    <message>
        <source>this text, or a command&apos;s</source>
        <translation>цей текст або довідка команди</translation>
    </message>
    <message>
        <source>The program&apos;s help, or a command&apos;s.
</source>
        <translation>Довідка програми або команди.
</translation>
    </message>
    <message>
        <source>Usage: orvanta-cli %1

%2</source>
        <translation>Використання: orvanta-cli %1

%2</translation>
    </message>
    <message>
        <source>Ожидание охранной панели (до %1 сек.)…
</source>
        <translation>Очікування охоронної панелі (до %1 с)…
</translation>
    </message>
    <message>
        <source>Ни на одном порту не ответила новая охранная панель за %1 сек.
</source>
        <translation>Жодна нова охоронна панель не відповіла на жодному порту за %1 с.
</translation>
    </message>
    <message>
        <source>waits for a panel to answer; prints its port</source>
        <translation>чекає, доки відповість панель; виводить її порт</translation>
    </message>
    <message>
        <source>makes a settings report (PDF) of the panel or of FILE</source>
        <translation>створює звіт про налаштування (PDF) панелі або FILE</translation>
    </message>
    <message>
        <source>saves what the support desk needs, secrets removed</source>
        <translation>зберігає те, що потрібно підтримці, без секретів</translation>
    </message>
    <message>
        <source>Environment:
  ORVANTA_DEVICE_FOLDER   a folder watched for serial adapters instead of udev and /dev (the
                          virtual panel&apos;s tests keep theirs in one)
  XDG_CONFIG_HOME         the folder of Orvanta/Config.ini and Orvanta/Forms.conf (default
                          ~/.config)
  XDG_DATA_HOME           the folder of Orvanta/: snapshots, journal, sound files (default
                          ~/.local/share)
  PULSE_SERVER            the sound server the messages are played and recorded through

Files:
  ~/.config/Orvanta/Config.ini
                          port names ([Ports]), the language and debug mode ([Main]); read only
  ~/.config/Orvanta/Forms.conf
                          the window&apos;s state
  ~/.local/share/Orvanta/snapshots/
                          journal.txt, one line per write, and the snapshot of the panel taken
                          before it; uploads.txt, what each upload of messages heard
  ~/.local/share/Orvanta/sound/
                          the voice messages&apos; wave files
  messages.txt, sounds.txt, log.txt
                          the message lists and the exchange log, in the folder the window is
                          started from (from the desktop menu: ~/.local/share/Orvanta/)
</source>
        <translation>Оточення:
  ORVANTA_DEVICE_FOLDER   тека, у якій шукаються послідовні адаптери замість udev і /dev
                          (так роблять тести віртуальної панелі)
  XDG_CONFIG_HOME         тека для Orvanta/Config.ini і Orvanta/Forms.conf (типово ~/.config)
  XDG_DATA_HOME           тека для Orvanta/: знімки, журнал, звукові файли (типово
                          ~/.local/share)
  PULSE_SERVER            сервер звуку, через який повідомлення відтворюються й записуються

Файли:
  ~/.config/Orvanta/Config.ini
                          назви портів ([Ports]), мова й налагодження ([Main]); лише для читання
  ~/.config/Orvanta/Forms.conf
                          стан вікна
  ~/.local/share/Orvanta/snapshots/
                          journal.txt — по рядку на кожен запис — і знімок панелі перед ним;
                          uploads.txt — що було почуто під час кожного запису повідомлень
  ~/.local/share/Orvanta/sound/
                          звукові файли голосових повідомлень
  messages.txt, sounds.txt, log.txt
                          списки повідомлень і журнал обміну, у теці, з якої запущено вікно
                          (з меню робочого столу — ~/.local/share/Orvanta/)
</translation>
    </message>
    <message>
        <source>Usage: orvanta-config [DEBUG] [--lang L]

The configuration tool of the Orvanta GSM security panel: finds the panel on a serial port,
reads and writes its settings, records, trims and plays the voice messages and uploads them
into the panel.

Options:
  DEBUG          debug mode: the panel&apos;s debug buttons, and every exchange kept in log.txt
  --lang L       the language: %1; without it
                 Config.ini&apos;s [Main] Language, else the one last chosen in the &quot;Файл…&quot; menu,
                 else Russian
  --version      the version
  --help         this text
</source>
        <translation>Використання: orvanta-config [DEBUG] [--lang L]

Програма налаштування охоронної GSM-панелі Orvanta: знаходить панель на послідовному порту,
читає й записує її налаштування, записує, обрізає та відтворює голосові повідомлення й
записує їх у панель.

Параметри:
  DEBUG          режим налагодження: кнопки налагодження панелі та кожен обмін у файлі log.txt
  --lang L       мова: %1; без нього —
                 [Main] Language з Config.ini, інакше остання вибрана в меню «Файл…»,
                 інакше російська
  --version      версія
  --help         цей текст
</translation>
    </message>
    <message>
        <source>Examples:
  orvanta-config          starts in the language last chosen
  orvanta-config --lang en
                          starts in English
  orvanta-config DEBUG    starts in debug mode: the debug buttons, every exchange in log.txt
</source>
        <translation>Приклади:
  orvanta-config          запуск останньою вибраною мовою
  orvanta-config --lang en
                          запуск англійською
  orvanta-config DEBUG    запуск у режимі налагодження: його кнопки, кожен обмін у log.txt
</translation>
    </message>
    <message>
        <source>
Остановка после текущего сообщения… (ещё раз Ctrl+C — сразу)
</source>
        <translation>
Зупинка після поточного повідомлення… (ще раз Ctrl+C — одразу)
</translation>
    </message>
    <message>
        <source>Нет списков сообщений: %1, %2
</source>
        <translation>Немає списків повідомлень: %1, %2
</translation>
    </message>
    <message>
        <source>Сообщения не записаны: %1.
</source>
        <translation>Повідомлення не записано: %1.
</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3
</source>
        <translation>Рядок %1, &quot;%2&quot;: %3
</translation>
    </message>
    <message>
        <source>Ничего не отправлено в охранную панель.
</source>
        <translation>Нічого не надіслано в охоронну панель.
</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами: записывать нечего.
</source>
        <translation>У списку немає повідомлень із файлами: записувати нічого.
</translation>
    </message>
    <message>
        <source>Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: последние не поместятся. Записать всё равно: --yes
</source>
        <translation>Повідомлення займуть %1 с, а пам&apos;ять охоронної панелі вміщує %2 хв.: останні не помістяться. Записати все одно: --yes
</translation>
    </message>
    <message>
        <source>Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.
</source>
        <translation>Можна записати: повідомлень %1, %2 с із %3 хв.; нічого не надіслано.
</translation>
    </message>
    <message>
        <source>Сообщение %1 (%2): осталось %3 с</source>
        <translation>Повідомлення %1 (%2): залишилося %3 с</translation>
    </message>
    <message>
        <source>Сообщение %1: %2
</source>
        <translation>Повідомлення %1: %2
</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1
</source>
        <translation>Квитанції повідомлень не записано в журнал: %1
</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Записано повідомлень: %1 з %2</translation>
    </message>
    <message>
        <source>puts the listed voice messages into the panel</source>
        <translation>записує голосові повідомлення зі списку в панель</translation>
    </message>
    <message>
        <source>Plays each message of the lists (the window&apos;s, or --messages and --sounds) into the panel while it records, as the window&apos;s upload does: every file is checked first and nothing is sent unless all can be played; each message is heard on the output and verified in the panel&apos;s table, with a receipt in the upload journal. Ctrl+C stops after the message being sent; a second Ctrl+C at once. --check checks and sends nothing; --yes uploads messages longer than the memory. Exit 0 when every message went in, 11 when nothing was sent, 12 when it stopped part-way.
</source>
        <translation>Відтворює кожне повідомлення списків (вікна або --messages і --sounds) у панель, поки вона записує, як це робить запис у вікні: спершу перевіряється кожен файл, і нічого не надсилається, якщо не всі можна відтворити; кожне повідомлення прослуховується на виводі звуку й перевіряється в таблиці панелі, з квитанцією в журналі записів. Ctrl+C зупиняє після повідомлення, що надсилається; другий Ctrl+C — одразу. --check перевіряє й нічого не надсилає; --yes записує й повідомлення, довші за пам&apos;ять. Код 0, якщо всі повідомлення записано, 11 — якщо нічого не надіслано, 12 — якщо запис зупинився на півдорозі.
</translation>
    </message>
    <message>
        <source>Чтение таблицы</source>
        <translation>Читання таблиці</translation>
    </message>
    <message>
        <source>Запись таблицы</source>
        <translation>Запис таблиці</translation>
    </message>
    <message>
        <source>saves the panel&apos;s message table to FILE, or writes it back</source>
        <translation>зберігає таблицю повідомлень панелі у FILE або записує її назад</translation>
    </message>
    <message>
        <source>The panel&apos;s message address table, as the window&apos;s debug buttons keep it: save reads its 54 words into FILE; load writes FILE&apos;s words into the panel, each read back and written again while it differs.
</source>
        <translation>Таблиця адрес повідомлень панелі, як її зберігають кнопки налагодження вікна: save читає її 54 слова у FILE; load записує слова з FILE у панель, кожне читається назад і записується знову, доки відрізняється.
</translation>
    </message>
    <message>
        <source>Waits until a panel answers on a port where none answered when the wait began: an adapter plugged in, or a cable moved to the next panel. Prints that port, for --port of the next command. A panel that answers already counts only with --any, or once it has fallen silent or its adapter has gone: the next panel plugged in under the same name is a new one. Exit 3 when none comes within the time (default 300 s).
</source>
        <translation>Чекає, доки відповість панель на порту, де на початку очікування не відповідала жодна: вставлено адаптер або кабель перенесено до наступної панелі. Виводить цей порт — для --port наступної команди. Панель, що вже відповідає, підходить лише з --any або після того, як замовкне чи її адаптер буде від’єднано: наступна панель, під’єднана під тим самим іменем, — нова. Код 3, якщо за відведений час (типово 300 с) панель не з’явилася.
</translation>
    </message>
    <message>
        <source>
Остановка, когда закончится запись в эту панель…
</source>
        <translation>
Зупинка, щойно закінчиться запис у цю панель…
</translation>
    </message>
    <message>
        <source>Все объекты таблицы уже запрограммированы (см. %1); заново: --again
</source>
        <translation>Усі об&apos;єкти таблиці вже запрограмовано (див. %1); знову: --again
</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1
</source>
        <translation>Не вдалося створити теку %1
</translation>
    </message>
    <message>
        <source>На порту %1 уже отвечает охранная панель: она будет запрограммирована, если её подключить заново.
</source>
        <translation>На порту %1 уже відповідає охоронна панель: її буде запрограмовано, якщо підключити її знову.
</translation>
    </message>
    <message>
        <source>Подключите охранную панель…
</source>
        <translation>Підключіть охоронну панель…
</translation>
    </message>
    <message>
        <source>Подключите охранную панель объекта «%1»…
</source>
        <translation>Підключіть охоронну панель об&apos;єкта «%1»…
</translation>
    </message>
    <message>
        <source>Готово: %1. Подключите следующую панель…
</source>
        <translation>Готово: %1. Підключіть наступну панель…
</translation>
    </message>
    <message>
        <source>Makes the settings report, an A4 PDF in the interface&apos;s language, of the panel&apos;s settings (read from it) or of a settings file: the general options, the loops and relays as tables, how many key slots hold a key, whether a password is set, the voice messages with the memory they take, and the last writes (of the site with --site, else of the panel&apos;s port and firmware). Never a key code or the password&apos;s digits. Without -o it is report.pdf, or report-NAME.pdf with --site.
</source>
        <translation>Створює звіт про налаштування — PDF формату A4 мовою інтерфейсу — налаштувань панелі (прочитаних з неї) або файлу налаштувань: загальні налаштування, шлейфи й реле таблицями, скільки комірок ключів зайнято, чи задано пароль, голосові повідомлення з пам’яттю, яку вони займають, і останні записи (об&apos;єкта з --site, інакше — порту й прошивки панелі). Ніколи — коди ключів чи цифри пароля. Без -o — report.pdf, а з --site — report-NAME.pdf.
</translation>
    </message>
    <message>
        <source>Writes one archive for the support desk: the versions, Config.ini, the window state, the last 1,000 lines of the log, the journal with its snapshots, what ports says, the sound devices, the message lists and a report of the last snapshot. Passwords and key codes are replaced by a mark everywhere in it; a file that cannot be read is listed in skipped.txt. With --site the report is of that site&apos;s last snapshot; --sites puts a table of sites in, its passwords and keys replaced. Without -o it is orvanta-support-YYYY-MM-DD-HHMMSS.tar.gz in the current folder.
</source>
        <translation>Записує один архів для підтримки: версії, Config.ini, стан вікна, останні 1000 рядків журналу обміну, журнал записів зі знімками, те, що каже ports, звукові пристрої, списки повідомлень і звіт про останній знімок. Паролі й коди ключів скрізь замінено позначкою; файл, який не вдалося прочитати, названо в skipped.txt. З --site звіт — про останній знімок цього об&apos;єкта; --sites кладе в архів таблицю об&apos;єктів, замінивши в ній паролі й ключі. Без -o це orvanta-support-РРРР-ММ-ДД-ГГХХСС.tar.gz у поточній теці.
</translation>
    </message>
    <message>
        <source>programs one panel after another from a template</source>
        <translation>програмує панелі одну за одною за шаблоном</translation>
    </message>
    <message>
        <source>Programs a line of panels: for each row of the sites table (a header site,password,key1,key2,key3,key4; &quot;,&quot; or &quot;;&quot;; UTF-8 or Windows-1251; password and keys optional, each over the template&apos;s) it waits for a panel that starts to answer, reads it whole, writes the template with the row&apos;s password and keys (checked, with a snapshot), uploads the messages as upload does, makes the report DIR/SITE.pdf and adds a line to the ledger (default ledger.csv): time, site, port, stable path, adapter serial, firmware, snapshot, each step&apos;s outcome and the report, never a secret. The table, the template and the messages are all checked first: a bad row is named by its line and nothing is programmed. The panel just programmed must be pulled (or re-plugged) before the next counts. A site the ledger says is done is skipped unless --again; without a table it goes on for --count panels, or until Ctrl+C. A failed step ends the run unless --keep-going. Ctrl+C while waiting ends at once; during a write it ends once the write did; during an upload as upload&apos;s Ctrl+C. Exit 0 when every row is done, 12 when stopped by Ctrl+C, else the status of the step that ended the run (3, 4, 6, 7, 9, 10, 11, 12).
</source>
        <translation>Програмує панелі одну за одною: для кожного рядка таблиці об&apos;єктів (заголовок site,password,key1,key2,key3,key4; «,» або «;»; UTF-8 або Windows-1251; пароль і ключі необов&apos;язкові й замінюють шаблонні) чекає на панель, що почне відповідати, читає її цілком, записує шаблон із паролем і ключами рядка (з перевіркою та знімком), записує повідомлення, як upload, створює звіт DIR/SITE.pdf і додає рядок до журналу (за замовчуванням ledger.csv): час, об&apos;єкт, порт, постійний шлях, серійний номер адаптера, прошивка, знімок, підсумок кожного кроку та звіт, але ніколи не секрети. Таблицю, шаблон і повідомлення перевіряють заздалегідь: поганий рядок називають за номером, і нічого не програмується. Щойно запрограмовану панель треба відключити (або перепідключити), перш ніж наступну буде зараховано. Об&apos;єкт, який журнал називає готовим, пропускається, якщо немає --again; без таблиці програмує --count панелей або до Ctrl+C. Невдалий крок завершує роботу, якщо немає --keep-going. Ctrl+C під час очікування завершує одразу; під час запису — коли запис закінчиться; під час запису повідомлень — як Ctrl+C в upload. Код 0, якщо готові всі рядки, 12 — якщо зупинено Ctrl+C, інакше код кроку, що завершив роботу (3, 4, 6, 7, 9, 10, 11, 12).
</translation>
    </message>
    <message>
        <source>Usage: orvanta-cli [options] COMMAND [arguments]

The Orvanta panel&apos;s settings without a window.

Commands:
%2
A settings FILE of &quot;-&quot; is read from standard input; &quot;-o -&quot; writes to standard output.

Options:
  --lang L        the language of the texts: %1;
                  without it Config.ini&apos;s, else the window&apos;s choice, else Russian
  --config FILE   Config.ini to take port names from (default: the window&apos;s: beside the
                  program for a portable copy, else ~/.config/Orvanta/, else /etc/xdg/Orvanta/)
  --port P        the port: a name such as COM3, or a device path; without it COM2 is tried,
                  then COM1 to COM8, the USB serial devices and the ports Config.ini names
  --password      read: put the password into the file (made readable by you alone)
  --yes           write, restore: write without asking (needed when there is no terminal);
                  upload: also messages longer than the panel&apos;s memory
  --show-secrets  write, restore, diff: show the password and key codes (hidden by default:
                  the password as the journal shows it, no digit of a key)
  --json          ports, detect, show, diff, history, upload: print JSON (shapes in the
                  README)
  --messages F, --sounds F
                  upload: the message lists to take instead of the window&apos;s
  --check         upload: check every message and send nothing
  --site NAME     write, restore, report, support: the name of the panel&apos;s site, kept in the
                  journal and naming the snapshot and the report
  --settings F, --sites F, --ledger F, --reports DIR, --count N, --again, --keep-going
                  program: see program --help
  --any           wait: a panel that answers already counts too
  --timeout S     wait: how many seconds to wait for a panel (default 300)
  --verbose       say which Config.ini is used, and print the exchange with the panel on
                  standard error
  --version       the program&apos;s version
  --              what follows is no option, even when it begins with &quot;-&quot;
  -h, --help      this text, or a command&apos;s with COMMAND --help

Questions and progress go to standard error, and only to a terminal.

Exit status: 0 done (the panel holds the file&apos;s settings), 1 the panel differs (diff),
2 wrong use or a settings file that cannot be taken, 3 no panel, 4 the panel did not keep
what was written, 5 the write was not confirmed (or there was no terminal to ask and no
--yes), 6 a setting could not be read whole (nothing was written; an existing output file is
left as it was), 7 a write was cut off (the panel holds part of the new settings; restore
brings back the snapshot), 8 an internal error, 9 written but not checked: the panel could
not be read back (restore brings back the snapshot), 10 the output file could not be written
(report, support; no part of it is left), 11 nothing was sent (upload: a message cannot be
played), 12 the upload stopped part-way (Ctrl+C, a failed message, memory full, no end
address).

Before every write the panel&apos;s settings are read whole and kept as a snapshot in
~/.local/share/Orvanta/snapshots/ with a journal line; if that read fails, nothing is written.
</source>
        <translation>Використання: orvanta-cli [параметри] COMMAND [аргументи]

Налаштування панелі Orvanta без вікна.

Команди:
%2
FILE налаштувань &quot;-&quot; читається зі стандартного вводу; &quot;-o -&quot; записує у стандартний вивід.

Параметри:
  --lang L        мова текстів: %1;
                  без нього — з Config.ini, інакше вибрана у вікні, інакше російська
  --config FILE   Config.ini, з якого брати назви портів (типово — той, що й у вікні: поруч із
                  програмою для портативної копії, інакше ~/.config/Orvanta/, інакше
                  /etc/xdg/Orvanta/)
  --port P        порт: назва на кшталт COM3 або шлях до пристрою; без нього пробується COM2,
                  потім COM1–COM8, послідовні USB-пристрої та порти, названі в Config.ini
  --password      read: записати пароль у файл (читати його зможете лише ви)
  --yes           write, restore: записати без запитання (потрібно, коли немає термінала);
                  upload: і повідомлення, довші за пам&apos;ять панелі
  --show-secrets  write, restore, diff: показувати пароль і коди ключів (типово приховані:
                  пароль — як у журналі, у ключа — жодної цифри)
  --json          ports, detect, show, diff, history, upload: виводити JSON (формати —
                  у README)
  --messages F, --sounds F
                  upload: списки повідомлень замість списків вікна
  --check         upload: перевірити всі повідомлення й нічого не надсилати
  --site NAME     write, restore, report, support: назва об&apos;єкта панелі; вона лишається
                  в журналі й дає ім&apos;я знімку та звіту
  --settings F, --sites F, --ledger F, --reports DIR, --count N, --again, --keep-going
                  program: див. program --help
  --any           wait: підходить і панель, що вже відповідає
  --timeout S     wait: скільки секунд чекати на панель (типово 300)
  --verbose       повідомляти, який Config.ini використано, і виводити обмін із панеллю у
                  стандартний потік помилок
  --version       версія програми
  --              далі йдуть не параметри, навіть якщо починаються з &quot;-&quot;
  -h, --help      цей текст або довідка команди: COMMAND --help

Запитання та перебіг роботи виводяться у стандартний потік помилок і лише в термінал.

Коди завершення: 0 — виконано (панель зберігає налаштування з файлу), 1 — панель відрізняється
(diff), 2 — неправильне використання або файл налаштувань, який не можна прийняти, 3 — немає
панелі, 4 — панель не зберегла записане, 5 — запис не підтверджено (або не було термінала, щоб
запитати, і не було --yes), 6 — налаштування не вдалося прочитати повністю (нічого не записано;
наявний вихідний файл залишено як був), 7 — запис перервано (панель зберігає частину нових
налаштувань; restore повертає знімок), 8 — внутрішня помилка, 9 — записано, але не перевірено: панель
не вдалося прочитати назад (restore повертає знімок), 10 — не вдалося записати файл
результату (report, support; від нього нічого не лишається), 11 — нічого не надіслано (upload: повідомлення не можна відтворити), 12 — запис повідомлень зупинено на півдорозі (Ctrl+C, повідомлення не записалося, пам&apos;ять заповнена, немає адреси кінця).

Перед кожним записом налаштування панелі читаються повністю й зберігаються як знімок у
~/.local/share/Orvanta/snapshots/ з рядком у журналі; якщо це читання не вдалося, нічого не
записується.
</translation>
    </message>
    <message>
        <source>Examples:
  orvanta-cli detect      finds the panel: its port and firmware
  orvanta-cli read --password -o site.txt
                          keeps the panel&apos;s settings, its password with them, in site.txt
  orvanta-cli write site.txt
                          shows what site.txt would change, asks, writes and checks
  orvanta-cli write --yes --port &quot;$(orvanta-cli wait)&quot; template.txt
                          waits for the next panel plugged in and writes the template into it
  orvanta-cli report -o site.pdf
                          the settings report of the panel
  orvanta-cli restore 3   writes back what the panel held before write 3 (see history)
  orvanta-cli program --settings template.txt --sites sites.csv --reports reports
                          programs each site&apos;s panel as it is plugged in, one after another,
                          with the site&apos;s password and keys, a report and a line in ledger.csv
</source>
        <translation>Приклади:
  orvanta-cli detect      знаходить панель: її порт і прошивку
  orvanta-cli read --password -o site.txt
                          зберігає налаштування панелі разом із паролем у site.txt
  orvanta-cli write site.txt
                          показує, що змінить site.txt, запитує, записує й перевіряє
  orvanta-cli write --yes --port &quot;$(orvanta-cli wait)&quot; template.txt
                          чекає на наступну підключену панель і записує в неї шаблон
  orvanta-cli report -o site.pdf
                          звіт про налаштування панелі
  orvanta-cli restore 3   повертає те, що панель зберігала перед записом 3 (див. history)
  orvanta-cli program --settings template.txt --sites sites.csv --reports reports
                          програмує панелі об&apos;єктів одну за одною, щойно їх підключено,
                          з паролем і ключами об&apos;єкта, звітом і рядком у ledger.csv
</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Ошибка записи в охранную панель &quot;Orvanta&quot;:</source>
        <translation>Помилка запису в охоронну панель &quot;Orvanta&quot;:</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;!</source>
        <translation>Немає зв’язку з охоронною панеллю &quot;Orvanta&quot;!</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;:</source>
        <translation>Помилка зв’язку з охоронною панеллю &quot;Orvanta&quot;:</translation>
    </message>
    <message>
        <source>Прежние настройки охранной панели сохранены (снимок № %1): их вернёт «Вернуть настройки до записи…» в меню «Файл…».</source>
        <translation>Попередні налаштування охоронної панелі збережено (знімок № %1): їх поверне «Повернути налаштування до запису…» у меню «Файл…».</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1</source>
        <translation>Знімок попередніх налаштувань: %1</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4</source>
        <translation>Знімок № %1 від %2, порт %3, %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AtomicFile</name>
    <message>
        <source>нет прав на запись</source>
        <translation>немає прав на запис</translation>
    </message>
</context>
<context>
    <name>orvanta::CheckedWrite</name>
    <message>
        <source>ключи</source>
        <translation>ключі</translation>
    </message>
    <message>
        <source>шлейфы и общие настройки</source>
        <translation>шлейфи та загальні налаштування</translation>
    </message>
    <message>
        <source>реле</source>
        <translation>реле</translation>
    </message>
    <message>
        <source>пароль</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>Ничего не записано.</source>
        <translation>Нічого не записано.</translation>
    </message>
    <message>
        <source>%1 (не целиком)</source>
        <translation>%1 (не повністю)</translation>
    </message>
    <message>
        <source>Записано: %1. Охранная панель хранит теперь часть новых и часть прежних настроек.</source>
        <translation>Записано: %1. Охоронна панель тепер зберігає частину нових і частину попередніх налаштувань.</translation>
    </message>
    <message>
        <source>охранная панель не отвечает</source>
        <translation>охоронна панель не відповідає</translation>
    </message>
    <message>
        <source>Записано; охранная панель хранит эти настройки.</source>
        <translation>Записано; охоронна панель зберігає ці налаштування.</translation>
    </message>
    <message>
        <source>Охранная панель приняла запись, но не сохранила:
</source>
        <translation>Охоронна панель прийняла запис, але не зберегла:
</translation>
    </message>
    <message>
        <source>Охранная панель отказалась принять: %1.</source>
        <translation>Охоронна панель відмовилася прийняти: %1.</translation>
    </message>
    <message>
        <source>Настройки записаны, но прочитать их для проверки не удалось: %1
Охранная панель, вероятно, хранит новые настройки.</source>
        <translation>Налаштування записано, але прочитати їх для перевірки не вдалося: %1
Охоронна панель, імовірно, зберігає нові налаштування.</translation>
    </message>
    <message>
        <source>Внимание: снимок прочитан на порту %1 из панели с прошивкой «%2», а сейчас запись пойдёт на порт %3 в панель с прошивкой «%4».</source>
        <translation>Увага: знімок прочитано на порту %1 з панелі з прошивкою «%2», а зараз запис піде на порт %3 у панель з прошивкою «%4».</translation>
    </message>
    <message>
        <source>возможно, записано: %1</source>
        <translation>можливо, записано: %1</translation>
    </message>
    <message>
        <source>Приняла ли охранная панель последнюю команду (%1), неизвестно: она может хранить и новое, и прежнее.</source>
        <translation>Чи прийняла охоронна панель останню команду (%1), невідомо: вона може зберігати і нове, і попереднє.</translation>
    </message>
    <message>
        <source>Охранная панель не ответила на запись и не хранит её: %1.</source>
        <translation>Охоронна панель не відповіла на запис і не зберігає його: %1.</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>Запис перервано: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; не є допустимим цілим числом</translation>
    </message>
</context>
<context>
    <name>orvanta::DebugButtons</name>
    <message>
        <source>Записать в устройство</source>
        <translation>Записати в пристрій</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Прочитати</translation>
    </message>
</context>
<context>
    <name>orvanta::ExchangeLog</name>
    <message>
        <source>Ошибка записи в файл %1: %2</source>
        <translation>Помилка запису у файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::FileMenuActions</name>
    <message>
        <source>Настройки охранной панели (*.txt);;Все файлы (*)</source>
        <translation>Налаштування охоронної панелі (*.txt);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Сохранить настройки в файл…</source>
        <translation>Зберегти налаштування у файл…</translation>
    </message>
    <message>
        <source>Загрузить настройки из файла…</source>
        <translation>Завантажити налаштування з файлу…</translation>
    </message>
    <message>
        <source>Сравнить с панелью…</source>
        <translation>Порівняти з панеллю…</translation>
    </message>
    <message>
        <source>Вернуть настройки до записи…</source>
        <translation>Повернути налаштування до запису…</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Зберегти звіт…</translation>
    </message>
    <message>
        <source>Сохранить сведения для поддержки…</source>
        <translation>Зберегти відомості для підтримки…</translation>
    </message>
    <message>
        <source>%1.

Запись изменит в охранной панели:

%2

Вернуть эти настройки?</source>
        <translation>%1.

Запис змінить в охоронній панелі:

%2

Повернути ці налаштування?</translation>
    </message>
    <message>
        <source>Сохранить в файле и пароль охранной панели?

Файл с паролем будет доступен только вам.</source>
        <translation>Зберегти у файлі й пароль охоронної панелі?

Файл із паролем буде доступний лише вам.</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>Звіт PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation>Звіт збережено: %1</translation>
    </message>
    <message>
        <source>Архив (*.tar.gz)</source>
        <translation>Архів (*.tar.gz)</translation>
    </message>
    <message>
        <source>Сведения для поддержки сохранены: %1</source>
        <translation>Відомості для підтримки збережено: %1</translation>
    </message>
    <message>
        <source>Не найдено:</source>
        <translation>Не знайдено:</translation>
    </message>
    <message>
        <source>Охранная панель хранит настройки из файла.</source>
        <translation>Охоронна панель зберігає налаштування з файлу.</translation>
    </message>
    <message>
        <source>Запись файла изменит в охранной панели:

</source>
        <translation>Запис файлу змінить в охоронній панелі:

</translation>
    </message>
    <message>
        <source>Записей в охранную панель ещё не было: вернуть нечего.</source>
        <translation>Записів в охоронну панель ще не було: повертати нічого.</translation>
    </message>
    <message>
        <source>Настройки, которые охранная панель хранила до записи:</source>
        <translation>Налаштування, які охоронна панель зберігала до запису:</translation>
    </message>
    <message>
        <source>Охранная панель уже хранит эти настройки.</source>
        <translation>Охоронна панель уже зберігає ці налаштування.</translation>
    </message>
    <message>
        <source>Настройки возвращены: охранная панель хранит снимок № %1.</source>
        <translation>Налаштування повернуто: охоронна панель зберігає знімок № %1.</translation>
    </message>
</context>
<context>
    <name>orvanta::FileStamp</name>
    <message>
        <source>Файл &quot;%1&quot; изменён на диске после того, как был показан: показан звук из файла, как он есть сейчас; изменение не сделано</source>
        <translation>Файл &quot;%1&quot; змінено на диску після того, як його було показано: показано звук із файлу, яким він є зараз; зміну не зроблено</translation>
    </message>
</context>
<context>
    <name>orvanta::FooterLink</name>
    <message>
        <source>Orvanta Config %1
Настройка охранной панели &quot;Orvanta&quot;: связь по последовательному порту, настройки, голосовые сообщения.
Запуск с параметром DEBUG — режим отладки; orvanta-config --help — подсказка.</source>
        <translation>Orvanta Config %1
Налаштування охоронної панелі &quot;Orvanta&quot;: зв’язок через послідовний порт, налаштування, голосові повідомлення.
Запуск із параметром DEBUG — режим налагодження; orvanta-config --help — довідка.</translation>
    </message>
</context>
<context>
    <name>orvanta::GeneralPage</name>
    <message>
        <source>Версия прошивки</source>
        <translation>Версія прошивки</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>Об’єкт перебуває під охороною</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Телефонувати під час постановки на охорону</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Телефонувати під час зняття з охорони</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное  питание</source>
        <translation>Телефонувати в разі переходу на резервне  живлення</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Телефонувати в разі переходу на основне живлення</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны?</source>
        <translation>Вимикати реле після зняття з охорони?</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Не використовувати ключі Touch Memory</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Обробляти події для реле після зняття з охорони</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>Загальні налаштування</translation>
    </message>
</context>
<context>
    <name>orvanta::HeaderBar</name>
    <message>
        <source>Порт:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Связь с охранной панелью</source>
        <translation>Зв’язок з охоронною панеллю</translation>
    </message>
    <message>
        <source>Прочитать настройки из &quot;Orvanta&quot;</source>
        <translation>Прочитати налаштування з &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>Записать настройки в &quot;Orvanta&quot;</source>
        <translation>Записати налаштування в &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>Файл…</source>
        <translation>Файл…</translation>
    </message>
    <message>
        <source>Настройки охранной панели в файле</source>
        <translation>Налаштування охоронної панелі у файлі</translation>
    </message>
    <message>
        <source>Дождитесь конца текущей работы со звуком или с охранной панелью.</source>
        <translation>Дочекайтеся кінця поточної роботи зі звуком або з охоронною панеллю.</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Об&apos;єкт:</translation>
    </message>
    <message>
        <source>Под этим названием запись попадает в журнал, снимок и отчёт</source>
        <translation>Під цією назвою запис потрапляє в журнал, знімок і звіт</translation>
    </message>
</context>
<context>
    <name>orvanta::HeardSound</name>
    <message>
        <source>пик %1 дБFS, RMS %2 дБFS, %3 с</source>
        <translation>пік %1 дБFS, RMS %2 дБFS, %3 с</translation>
    </message>
    <message>
        <source>на выводе звука тишина: сообщение не прозвучало</source>
        <translation>на виводі звуку тиша: повідомлення не прозвучало</translation>
    </message>
    <message>
        <source>прозвучало %1 с из %2 с сообщения</source>
        <translation>прозвучало %1 с із %2 с повідомлення</translation>
    </message>
    <message>
        <source>в звуке пропуск не короче %1 мс на %2 с сообщения</source>
        <translation>у звуці пропуск не коротший за %1 мс на %2 с повідомлення</translation>
    </message>
    <message>
        <source>звук искажён: %1 % отсчётов на пределе шкалы</source>
        <translation>звук спотворено: %1 % відліків на межі шкали</translation>
    </message>
</context>
<context>
    <name>orvanta::IniFile</name>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::KeysPage</name>
    <message>
        <source>Приложите ключ к считывателю…</source>
        <translation>Прикладіть ключ до зчитувача…</translation>
    </message>
    <message>
        <source>Код ключа</source>
        <translation>Код ключа</translation>
    </message>
    <message>
        <source>Чтение ключа</source>
        <translation>Читання ключа</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Ключи Touch Memory</source>
        <translation>Ключі Touch Memory</translation>
    </message>
    <message>
        <source>Ключ не прочитан: приложите ключ к считывателю и повторите</source>
        <translation>Ключ не прочитано: прикладіть ключ до зчитувача й повторіть</translation>
    </message>
</context>
<context>
    <name>orvanta::LevelMeter</name>
    <message>
        <source>Уровень звука: пики, самый громкий пик и метка перегрузки</source>
        <translation>Рівень звуку: піки, найгучніший пік і позначка перевантаження</translation>
    </message>
</context>
<context>
    <name>orvanta::LoopsPage</name>
    <message>
        <source>Замыкание</source>
        <translation>Замикання</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Розмикання</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Нормально замкнений</translation>
    </message>
    <message>
        <source>Шлейф %1: %2</source>
        <translation>Шлейф %1: %2</translation>
    </message>
    <message>
        <source>Шлейф %1</source>
        <translation>Шлейф %1</translation>
    </message>
    <message>
        <source>Настройка шлейфов</source>
        <translation>Шлейфи</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageEdit</name>
    <message>
        <source>Нет звука для изменения</source>
        <translation>Немає звуку для зміни</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: изменение не сохранено</source>
        <translation>Файл &quot;%1&quot; лише для читання: зміну не збережено</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не в формате сообщений (WAV PCM, 16 бит, моно): изменение не сохранено, файл оставлен как есть</source>
        <translation>Файл &quot;%1&quot; не у форматі повідомлень (WAV PCM, 16 біт, моно): зміну не збережено, файл залишено як є</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Не вдалося створити файл &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageList</name>
    <message>
        <source>Сообщение</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Сообщение %1</source>
        <translation>Повідомлення %1</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Адреса</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageRecorder</name>
    <message>
        <source>Запись уже идёт</source>
        <translation>Запис уже триває</translation>
    </message>
    <message>
        <source>Нет файла для записи сообщения</source>
        <translation>Немає файлу для запису повідомлення</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: запись не начата</source>
        <translation>Файл &quot;%1&quot; лише для читання: запис не розпочато</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Не вдалося створити файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук не записан: устройство записи звука не передало звука. Сообщение осталось прежним.</source>
        <translation>Звук не записано: пристрій запису звуку не передав звуку. Повідомлення залишилося без змін.</translation>
    </message>
    <message>
        <source>Не удалось заменить файл &quot;%1&quot;</source>
        <translation>Не вдалося замінити файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранить не удалось</source>
        <translation>Файл &quot;%1&quot; став лише для читання під час запису і залишився таким, як був; запис зберегти не вдалося</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранена в файле &quot;%2&quot;</source>
        <translation>Файл &quot;%1&quot; став лише для читання під час запису і залишився таким, як був; запис збережено у файлі &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageSound</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Не вдалося завантажити файл &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTable</name>
    <message>
        <source>Занято %1 мин. %2 сек. из %3 мин.</source>
        <translation>Зайнято %1 хв. %2 сек. з %3 хв.</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTools</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Не вдалося завантажити файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>немає файлу</translation>
    </message>
    <message>
        <source>Звук длиной %1 сек. не поместится в память охранной панели: она вмещает %2 сек.</source>
        <translation>Звук тривалістю %1 сек. не вміститься в пам’ять охоронної панелі: вона вміщує %2 сек.</translation>
    </message>
    <message>
        <source>Сообщение длиной %1 сек.: длиннее %2 сек., оно займет много памяти охранной панели</source>
        <translation>Повідомлення тривалістю %1 сек.: довше за %2 сек., воно займе багато пам’яті охоронної панелі</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Не вдалося створити файл &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageUpload</name>
    <message>
        <source>Запись прервана</source>
        <translation>Запис перервано</translation>
    </message>
    <message>
        <source>Не поместилось</source>
        <translation>Не вмістилося</translation>
    </message>
    <message>
        <source>Память охранной панели заполнена: поместились сообщений: %1 из %2; сообщение %3 не поместилось.</source>
        <translation>Пам’ять охоронної панелі заповнена: вмістилося повідомлень: %1 з %2; повідомлення %3 не вмістилося.</translation>
    </message>
    <message>
        <source>Сообщение %1: охранная панель сообщила адрес %2, а в её таблице адресов записано %3.</source>
        <translation>Повідомлення %1: охоронна панель повідомила адресу %2, а в її таблиці адрес записано %3.</translation>
    </message>
    <message>
        <source>Звук не закончился за %1 с: устройство вывода звука не ответило</source>
        <translation>Звук не закінчився за %1 с: пристрій виведення звуку не відповів</translation>
    </message>
    <message>
        <source>Сообщение прозвучало не так, как в файле: %1</source>
        <translation>Повідомлення прозвучало не так, як у файлі: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::NotHeldMark</name>
    <message>
        <source>Охранная панель хранит: %1</source>
        <translation>Охоронна панель зберігає: %1</translation>
    </message>
    <message>
        <source>отмечено</source>
        <translation>позначено</translation>
    </message>
    <message>
        <source>не отмечено</source>
        <translation>не позначено</translation>
    </message>
</context>
<context>
    <name>orvanta::OrvantaApplication</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelConnection</name>
    <message>
        <source>не открывается</source>
        <translation>не відкривається</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>немає відповіді</translation>
    </message>
    <message>
        <source>ответило устройство с другой прошивкой: &quot;%1&quot;</source>
        <translation>відповів пристрій з іншою прошивкою: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelExchange</name>
    <message>
        <source>охранная панель не ответила на %1</source>
        <translation>охоронна панель не відповіла на %1</translation>
    </message>
    <message>
        <source>ответ на %1 пришёл не целиком</source>
        <translation>відповідь на %1 надійшла не повністю</translation>
    </message>
    <message>
        <source>охранная панель ответила «%1»</source>
        <translation>охоронна панель відповіла «%1»</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Ключ %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Версія прошивки</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Реле %1, правила включения и выключения</source>
        <translation>Реле %1, правила увімкнення та вимкнення</translation>
    </message>
    <message>
        <source>Время включения реле</source>
        <translation>Час увімкнення реле</translation>
    </message>
    <message>
        <source>Настройки шлейфов и общие настройки</source>
        <translation>Налаштування шлейфів і загальні налаштування</translation>
    </message>
    <message>
        <source>Не прочитано: %1 — %2</source>
        <translation>Не прочитано: %1 — %2</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelSettings</name>
    <message>
        <source>Время включения реле %1 (%2 сек.) должно быть от 0 до 510 сек.</source>
        <translation>Час увімкнення реле %1 (%2 сек.) має бути від 0 до 510 сек.</translation>
    </message>
</context>
<context>
    <name>orvanta::PortFollowing</name>
    <message>
        <source>Подключён адаптер %1; связь остаётся на %2</source>
        <translation>Під&apos;єднано адаптер %1; зв&apos;язок залишається на %2</translation>
    </message>
    <message>
        <source>%1: охранная панель не отвечает (%2)</source>
        <translation>%1: охоронна панель не відповідає (%2)</translation>
    </message>
    <message>
        <source>Охранная панель отвечает на %1: её настройки прочитает «Прочитать настройки из &quot;Orvanta&quot;»</source>
        <translation>Охоронна панель відповідає на %1: її налаштування прочитає «Прочитати налаштування з &quot;Orvanta&quot;»</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён: связи с охранной панелью нет</source>
        <translation>Адаптер %1 від’єднано: зв’язку з охоронною панеллю немає</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён</source>
        <translation>Адаптер %1 від’єднано</translation>
    </message>
</context>
<context>
    <name>orvanta::PortProbe</name>
    <message>
        <source>устройство открыто только владельцу %1 (права %2); группа %3 доступа не дает, вступать в нее бесполезно: нужно правило udev или права, выданные администратором</source>
        <translation>пристрій відкритий лише для власника %1 (права %2); група %3 доступу не дає, вступати до неї марно: потрібне правило udev або права, надані адміністратором</translation>
    </message>
    <message>
        <source>вы в группе %1, но и ей устройство сейчас не открыто</source>
        <translation>ви в групі %1, але й для неї пристрій зараз не відкритий</translation>
    </message>
    <message>
        <source>вы уже добавлены в группу %1: войдите в систему заново</source>
        <translation>ви вже додані до групи %1: увійдіть у систему знову</translation>
    </message>
    <message>
        <source>устройство принадлежит группе %1: добавьте пользователя в нее (sudo usermod -aG %1 $USER) и войдите в систему заново</source>
        <translation>пристрій належить групі %1: додайте користувача до неї (sudo usermod -aG %1 $USER) і увійдіть у систему знову</translation>
    </message>
    <message>
        <source>свободен</source>
        <translation>вільний</translation>
    </message>
    <message>
        <source>занят</source>
        <translation>зайнятий</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>немає доступу</translation>
    </message>
    <message>
        <source>нет устройства</source>
        <translation>немає пристрою</translation>
    </message>
    <message>
        <source>не последовательный порт</source>
        <translation>не послідовний порт</translation>
    </message>
    <message>
        <source>не открывается</source>
        <translation>не відкривається</translation>
    </message>
</context>
<context>
    <name>orvanta::PortWatcher</name>
    <message>
        <source>Диспетчер устройств (udev) не отвечает: адаптеры ищутся в /dev.</source>
        <translation>Диспетчер пристроїв (udev) не відповідає: адаптери шукаються в /dev.</translation>
    </message>
    <message>
        <source>Диспетчер устройств (udev) не запущен: адаптеры ищутся в /dev.</source>
        <translation>Диспетчер пристроїв (udev) не запущено: адаптери шукаються в /dev.</translation>
    </message>
</context>
<context>
    <name>orvanta::RegularFile</name>
    <message>
        <source>файл не найден</source>
        <translation>файл не знайдено</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>файл не читається: %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>файл порожній</translation>
    </message>
</context>
<context>
    <name>orvanta::RelaysPage</name>
    <message>
        <source>вкл</source>
        <translation>увімк</translation>
    </message>
    <message>
        <source>выкл</source>
        <translation>вимк</translation>
    </message>
    <message>
        <source>Время включения, в сек.</source>
        <translation>Час увімкнення, сек.</translation>
    </message>
    <message>
        <source>Время, на которое включается реле, а затем выключается. Если ноль, то включается и не выключается.</source>
        <translation>Час, на який реле вмикається, а потім вимикається. Якщо нуль, то вмикається й не вимикається.</translation>
    </message>
    <message>
        <source>Реле %1: время включения, с</source>
        <translation>Реле %1: час увімкнення, с</translation>
    </message>
    <message>
        <source>Реле %1</source>
        <translation>Реле %1</translation>
    </message>
    <message>
        <source>Шлейф %1</source>
        <translation>Шлейф %1</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Замикання</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Розмикання</translation>
    </message>
    <message>
        <source>Реле %1 %2: шлейф %3, %4</source>
        <translation>Реле %1 %2: шлейф %3, %4</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>замикання</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>розмикання</translation>
    </message>
    <message>
        <source>Настройка включения реле</source>
        <translation>Увімкнення реле</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsFile</name>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>Об’єкт перебуває під охороною</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Телефонувати під час постановки на охорону</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Телефонувати під час зняття з охорони</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Не використовувати ключі Touch Memory</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное питание</source>
        <translation>Телефонувати в разі переходу на резервне живлення</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Телефонувати в разі переходу на основне живлення</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны</source>
        <translation>Вимикати реле після зняття з охорони</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Обробляти події для реле після зняття з охорони</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>замикання</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>розмикання</translation>
    </message>
    <message>
        <source>нормально замкнут</source>
        <translation>нормально замкнений</translation>
    </message>
    <message>
        <source>при замыкании</source>
        <translation>при замиканні</translation>
    </message>
    <message>
        <source>при размыкании</source>
        <translation>при розмиканні</translation>
    </message>
    <message>
        <source>включить</source>
        <translation>увімкнути</translation>
    </message>
    <message>
        <source>выключить</source>
        <translation>вимкнути</translation>
    </message>
    <message>
        <source>значение должно быть «да» или «нет»</source>
        <translation>значення має бути «так» або «ні»</translation>
    </message>
    <message>
        <source>значение должно быть целым числом от 0 до %1</source>
        <translation>значення має бути цілим числом від 0 до %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Версія прошивки</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Ключ %1</translation>
    </message>
    <message>
        <source>код ключа — 16 шестнадцатеричных цифр</source>
        <translation>код ключа — 16 шістнадцяткових цифр</translation>
    </message>
    <message>
        <source>Шлейф %1, %2</source>
        <translation>Шлейф %1, %2</translation>
    </message>
    <message>
        <source>Шлейф %1, %2: реле %3 %4</source>
        <translation>Шлейф %1, %2: реле %3 %4</translation>
    </message>
    <message>
        <source>Реле %1, время включения, сек.</source>
        <translation>Реле %1, час увімкнення, сек.</translation>
    </message>
    <message>
        <source>Занято памяти сообщений, сек.</source>
        <translation>Зайнято пам’яті повідомлень, сек.</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Рядок %1: %2</translation>
    </message>
    <message>
        <source>это не файл настроек охранной панели Orvanta</source>
        <translation>це не файл налаштувань охоронної панелі Orvanta</translation>
    </message>
    <message>
        <source>формат файла «%1», а программа понимает только формат %2</source>
        <translation>формат файлу «%1», а програма розуміє лише формат %2</translation>
    </message>
    <message>
        <source>ожидается «название: значение»</source>
        <translation>очікується «назва: значення»</translation>
    </message>
    <message>
        <source>неизвестная настройка «%1»</source>
        <translation>невідоме налаштування «%1»</translation>
    </message>
    <message>
        <source>настройка «%1» уже была в строке %2</source>
        <translation>налаштування «%1» уже було в рядку %2</translation>
    </message>
    <message>
        <source>нет настройки «%1»</source>
        <translation>немає налаштування «%1»</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Не вдалося відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8: сохраните его в UTF-8</source>
        <translation>файл не в кодуванні UTF-8: збережіть його в UTF-8</translation>
    </message>
    <message>
        <source>значение %1 округлено до %2: охранная панель хранит чётные секунды</source>
        <translation>значення %1 округлено до %2: охоронна панель зберігає час у парних секундах</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9: цифру 0 охранная панель не принимает</source>
        <translation>пароль — від однієї до п’яти цифр від 1 до 9: цифру 0 охоронна панель не приймає</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsReport</name>
    <message>
        <source>Настройки охранной панели Orvanta</source>
        <translation>Налаштування охоронної панелі Orvanta</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>Откуда: %1</source>
        <translation>Звідки: %1</translation>
    </message>
    <message>
        <source>Прошивка: %1</source>
        <translation>Прошивка: %1</translation>
    </message>
    <message>
        <source>не прочитана</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>не прочитано</translation>
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
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>не задано</translation>
    </message>
    <message>
        <source>задан</source>
        <translation>задано</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Шлейфы</source>
        <translation>Шлейфи</translation>
    </message>
    <message>
        <source>не прочитаны</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Замикання</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Розмикання</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Нормально замкнений</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>шлейф %1, замыкание</source>
        <translation>шлейф %1, замикання</translation>
    </message>
    <message>
        <source>шлейф %1, размыкание</source>
        <translation>шлейф %1, розмикання</translation>
    </message>
    <message>
        <source>Реле</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Время включения, с</source>
        <translation>Час увімкнення, с</translation>
    </message>
    <message>
        <source>Включается</source>
        <translation>Вмикається</translation>
    </message>
    <message>
        <source>Выключается</source>
        <translation>Вимикається</translation>
    </message>
    <message>
        <source>Ключей в ячейках: %1 из %2</source>
        <translation>Ключів у комірках: %1 з %2</translation>
    </message>
    <message>
        <source>Ключи Touch Memory</source>
        <translation>Ключі Touch Memory</translation>
    </message>
    <message>
        <source>Голосовые сообщения</source>
        <translation>Голосові повідомлення</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами.</source>
        <translation>У списку немає повідомлень з файлами.</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Длина, с</source>
        <translation>Тривалість, с</translation>
    </message>
    <message>
        <source>Память, %</source>
        <translation>Пам’ять, %</translation>
    </message>
    <message>
        <source>Последние записи в панель</source>
        <translation>Останні записи в панель</translation>
    </message>
    <message>
        <source>Записей ещё не было.</source>
        <translation>Записів ще не було.</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Изменений</source>
        <translation>Змін</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Не вдалося створити файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>не слушали</source>
        <translation>не слухали</translation>
    </message>
    <message>
        <source>пик %1 дБFS, %2 с</source>
        <translation>пік %1 дБFS, %2 с</translation>
    </message>
    <message>
        <source>Последняя запись сообщений в панель</source>
        <translation>Останній запис повідомлень у панель</translation>
    </message>
    <message>
        <source>Начата %1; каждое сообщение прослушано на выводе звука.</source>
        <translation>Розпочато %1; кожне повідомлення прослухано на виводі звуку.</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Файл, с</source>
        <translation>Файл, с</translation>
    </message>
    <message>
        <source>Панель, с</source>
        <translation>Панель, с</translation>
    </message>
    <message>
        <source>Услышано</source>
        <translation>Почуто</translation>
    </message>
    <message>
        <source>Записи этой панели: того же порта и той же прошивки. Панели с одной прошивкой на одном порту здесь не различаются.</source>
        <translation>Записи цієї панелі: того самого порту й тієї самої прошивки. Панелі з однією прошивкою на одному порту тут не розрізняються.</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>немає файлу</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>файл не читається</translation>
    </message>
    <message>
        <source>Память сообщений панели: занято %1 с из %2 мин. (прочитано из панели)</source>
        <translation>Пам&apos;ять повідомлень панелі: зайнято %1 с із %2 хв. (прочитано з панелі)</translation>
    </message>
    <message>
        <source>Сообщения списка заняли бы %1 с из %2 мин. (оценка по файлам, по %3 с на каждое сообщение сверх его звука)</source>
        <translation>Повідомлення списку зайняли б %1 с із %2 хв. (оцінка за файлами, по %3 с на кожне повідомлення понад його звук)</translation>
    </message>
    <message>
        <source>Внимание: это больше памяти панели (%1 мин.) на %2 с.</source>
        <translation>Увага: це більше за пам&apos;ять панелі (%1 хв.) на %2 с.</translation>
    </message>
    <message>
        <source>Строк, чей файл не найден или не читается: %1; они не посчитаны.</source>
        <translation>Рядків, чий файл не знайдено або він не читається: %1; їх не пораховано.</translation>
    </message>
</context>
<context>
    <name>orvanta::SiteLedger</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Не вдалося записати журнал %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SitesTable</name>
    <message>
        <source>%1: не удалось прочитать: %2</source>
        <translation>%1: не вдалося прочитати: %2</translation>
    </message>
    <message>
        <source>строка 1: неизвестный столбец «%1»: бывают %2</source>
        <translation>рядок 1: невідомий стовпець «%1»: бувають %2</translation>
    </message>
    <message>
        <source>строка 1: столбец «%1» дважды</source>
        <translation>рядок 1: стовпець «%1» двічі</translation>
    </message>
    <message>
        <source>строка 1: нет столбца «site»</source>
        <translation>рядок 1: немає стовпця «site»</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>ячеек %1, а столбцов %2</source>
        <translation>клітинок %1, а стовпців %2</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых рядом</source>
        <translation>пароль — від однієї до п&apos;яти цифр від 1 до 9, без двох однакових поруч</translation>
    </message>
    <message>
        <source>%1: код ключа — 16 шестнадцатеричных цифр</source>
        <translation>%1: код ключа — 16 шістнадцяткових цифр</translation>
    </message>
    <message>
        <source>нет названия объекта</source>
        <translation>немає назви об&apos;єкта</translation>
    </message>
    <message>
        <source>объект «%1» уже есть выше</source>
        <translation>об&apos;єкт «%1» уже є вище</translation>
    </message>
    <message>
        <source>в таблице нет ни одного объекта</source>
        <translation>у таблиці немає жодного об&apos;єкта</translation>
    </message>
</context>
<context>
    <name>orvanta::SnapshotJournal</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Не вдалося записати журнал %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1</source>
        <translation>Не вдалося створити теку %1</translation>
    </message>
    <message>
        <source>В журнале нет записи № %1</source>
        <translation>У журналі немає запису № %1</translation>
    </message>
    <message>
        <source>запись не закончена</source>
        <translation>запис не завершено</translation>
    </message>
    <message>
        <source>записано</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>прервано</source>
        <translation>перервано</translation>
    </message>
    <message>
        <source>панель не сохранила часть</source>
        <translation>панель не зберегла частину</translation>
    </message>
    <message>
        <source>Журнал %1 занят другой программой</source>
        <translation>Журнал %1 зайнятий іншою програмою</translation>
    </message>
    <message>
        <source>Не удалось заблокировать журнал %1</source>
        <translation>Не вдалося заблокувати журнал %1</translation>
    </message>
    <message numerus="yes">
        <source>%n изм.</source>
        <translation>
            <numerusform>%n зміна</numerusform>
            <numerusform>%n зміни</numerusform>
            <numerusform>%n змін</numerusform>
        </translation>
    </message>
    <message>
        <source>панель отказала</source>
        <translation>панель відмовила</translation>
    </message>
    <message>
        <source>записано, не проверено</source>
        <translation>записано, не перевірено</translation>
    </message>
    <message>
        <source>повреждённая строка журнала</source>
        <translation>пошкоджений рядок журналу</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundDevicesDialog</name>
    <message>
        <source>Устройства звука</source>
        <translation>Пристрої звуку</translation>
    </message>
    <message>
        <source>Вывод звука (к панели):</source>
        <translation>Виведення звуку (до панелі):</translation>
    </message>
    <message>
        <source>Запись звука (микрофон):</source>
        <translation>Запис звуку (мікрофон):</translation>
    </message>
    <message>
        <source>Проверочный тон</source>
        <translation>Тестовий тон</translation>
    </message>
    <message>
        <source>Тон 1 кГц на выбранном выводе, с громкостью выровненных сообщений: по нему настраивают уровень входа панели</source>
        <translation>Тон 1 кГц на вибраному пристрої виведення, з гучністю вирівняних повідомлень: за ним налаштовують рівень входу панелі</translation>
    </message>
    <message>
        <source>Звучит тон 1 кГц на &quot;%1&quot;…</source>
        <translation>Звучить тон 1 кГц на &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>По умолчанию (%1)</source>
        <translation>Типовий (%1)</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>%1 (нет на сервере звука)</source>
        <translation>%1 (немає на сервері звуку)</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundImport</name>
    <message>
        <source>Не удалось создать папку &quot;%1&quot;</source>
        <translation>Не вдалося створити теку &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Не удалось вернуть файл &quot;%1&quot;: %2</source>
        <translation>Не вдалося повернути файл &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundList</name>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Не вдалося відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Не вдалося створити файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundPage</name>
    <message>
        <source>Звук сообщения</source>
        <translation>Звук повідомлення</translation>
    </message>
    <message>
        <source>Уровень звука</source>
        <translation>Рівень звуку</translation>
    </message>
    <message>
        <source>Исправлять ошибки</source>
        <translation>Виправляти помилки</translation>
    </message>
    <message>
        <source>Проиграть с начала</source>
        <translation>Відтворити з початку</translation>
    </message>
    <message>
        <source>Проиграть сообщение с номером</source>
        <translation>Відтворити повідомлення з номером</translation>
    </message>
    <message>
        <source>Проиграть очередного сообщения</source>
        <translation>Відтворити наступне повідомлення</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Состояние памяти</source>
        <translation>Стан пам’яті</translation>
    </message>
    <message>
        <source>Начать запись</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Воспроизвести с начала</source>
        <translation>Відтворити з початку</translation>
    </message>
    <message>
        <source>Воспроизвести (Пробел)</source>
        <translation>Відтворити (Пробіл)</translation>
    </message>
    <message>
        <source>Остановить воспроизведение/запись (Esc, Пробел)</source>
        <translation>Зупинити відтворення/запис (Esc, Пробіл)</translation>
    </message>
    <message>
        <source>Удалить выделенный фрагмент (Delete, Ctrl+X)</source>
        <translation>Видалити виділений фрагмент (Delete, Ctrl+X)</translation>
    </message>
    <message>
        <source>Преобразовать выделенный фрагмент в тишину</source>
        <translation>Перетворити виділений фрагмент на тишу</translation>
    </message>
    <message>
        <source>Отменить последнее действие (Ctrl+Z)</source>
        <translation>Скасувати останню дію (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Загрузить звук из файла…</source>
        <translation>Завантажити звук із файлу…</translation>
    </message>
    <message>
        <source>Озвучить текст сообщения</source>
        <translation>Озвучити текст повідомлення</translation>
    </message>
    <message>
        <source>Удалить тишину в начале и в конце</source>
        <translation>Видалити тишу на початку й у кінці</translation>
    </message>
    <message>
        <source>Выровнять громкость</source>
        <translation>Вирівняти гучність</translation>
    </message>
    <message>
        <source>Показать всё сообщение (Ctrl+0; приблизить и отдалить: Ctrl+колесо мыши)</source>
        <translation>Показати все повідомлення (Ctrl+0; наблизити й віддалити: Ctrl+коліщатко миші)</translation>
    </message>
    <message>
        <source>Устройства звука и проверочный тон…</source>
        <translation>Пристрої звуку й тестовий тон…</translation>
    </message>
    <message>
        <source>Начало и длина выделенного фрагмента</source>
        <translation>Початок і довжина виділеного фрагмента</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Звуковые файлы (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;Все файлы (*)</source>
        <translation>Звукові файли (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;Усі файли (*)</translation>
    </message>
    <message>
        <source>В строке %1 нет текста сообщения: озвучивать нечего.</source>
        <translation>У рядку %1 немає тексту повідомлення: озвучувати нічого.</translation>
    </message>
    <message>
        <source> с</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Начало %1
Длина %2</source>
        <translation>Початок %1
Довжина %2</translation>
    </message>
    <message>
        <source>Сообщения в списке: %1 мин. %2 сек. из %3 мин.</source>
        <translation>Повідомлення в списку: %1 хв. %2 сек. з %3 хв.</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundServer</name>
    <message>
        <source>Сервер звука не отвечает: запустите его (или войдите в сеанс рабочего стола) и запустите запись снова</source>
        <translation>Сервер звуку не відповідає: запустіть його (або увійдіть у сеанс робочого столу) і запустіть запис знову</translation>
    </message>
    <message>
        <source>Вывода звука «%1» нет на сервере звука: выберите вывод в «Устройства звука» и запустите запись снова</source>
        <translation>Виводу звуку «%1» немає на сервері звуку: виберіть вивід у «Пристрої звуку» і запустіть запис знову</translation>
    </message>
    <message>
        <source>Вывод звука «%1» выключен (без звука): включите его и запустите запись снова</source>
        <translation>Вивід звуку «%1» вимкнено (без звуку): увімкніть його і запустіть запис знову</translation>
    </message>
    <message>
        <source>Громкость вывода звука «%1» — %2 %: поднимите её не ниже %3 % и запустите запись снова</source>
        <translation>Гучність виводу звуку «%1» — %2 %: підніміть її не нижче %3 % і запустіть запис знову</translation>
    </message>
    <message>
        <source>К выводу звука «%1» ничего не подключено (%2): подключите кабель охранной панели и запустите запись снова</source>
        <translation>До виводу звуку «%1» нічого не під&apos;єднано (%2): під&apos;єднайте кабель охоронної панелі і запустіть запис знову</translation>
    </message>
    <message>
        <source>Сервер звука перенёс звук с вывода «%1» на «%2»</source>
        <translation>Сервер звуку переніс звук з виводу «%1» на «%2»</translation>
    </message>
    <message>
        <source>Звук этой программы выключен в настройках звука (без звука): включите его и запустите запись снова</source>
        <translation>Звук цієї програми вимкнено в налаштуваннях звуку (без звуку): увімкніть його і запустіть запис знову</translation>
    </message>
    <message>
        <source>Громкость звука этой программы — %1 %: поднимите её не ниже %2 % и запустите запись снова</source>
        <translation>Гучність звуку цієї програми — %1 %: підніміть її не нижче %2 % і запустіть запис знову</translation>
    </message>
    <message>
        <source>Нет связи с сервером звука: звук не воспроизводится и не записывается, пока сервер не вернётся</source>
        <translation>Немає зв&apos;язку із сервером звуку: звук не відтворюється і не записується, доки сервер не повернеться</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundSession</name>
    <message>
        <source>вывода звука &quot;%1&quot;</source>
        <translation>виведення звуку &quot;%1&quot;</translation>
    </message>
    <message>
        <source>записи звука &quot;%1&quot;</source>
        <translation>запису звуку &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Устройства %1 больше нет: звук идёт через устройство по умолчанию</source>
        <translation>Пристрою %1 більше немає: звук іде через типовий пристрій</translation>
    </message>
    <message>
        <source> и </source>
        <translation> і </translation>
    </message>
</context>
<context>
    <name>orvanta::SoundUpload</name>
    <message>
        <source>Сообщения займут %1 мин. %2 сек., а память охранной панели вмещает %3 мин.: последние сообщения не поместятся.

Записать сообщения всё равно?</source>
        <translation>Повідомлення займуть %1 хв. %2 сек., а пам’ять охоронної панелі вміщує %3 хв.: останні повідомлення не вмістяться.

Усе одно записати повідомлення?</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: порт не открыт, сообщения не записаны. Выберите порт и проверьте связь.</source>
        <translation>Немає зв’язку з охоронною панеллю &quot;Orvanta&quot;: порт не відкрито, повідомлення не записано. Виберіть порт і перевірте зв’язок.</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: последний обмен с панелью не удался, сообщения не записаны. Проверьте подключение и связь.</source>
        <translation>Немає зв’язку з охоронною панеллю &quot;Orvanta&quot;: останній обмін із панеллю не вдався, повідомлення не записано. Перевірте підключення та зв’язок.</translation>
    </message>
    <message>
        <source>Остановка после текущего сообщения…</source>
        <translation>Зупинка після поточного повідомлення…</translation>
    </message>
    <message>
        <source>Процесс записи завершен!</source>
        <translation>Процес запису завершено!</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Записано повідомлень: %1 з %2</translation>
    </message>
    <message>
        <source>; не записано сообщение %1</source>
        <translation>; не записано повідомлення %1</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)</source>
        <translation>Текстові файли (*.txt)</translation>
    </message>
    <message>
        <source>Текстовый файл (*.txt);;Все файлы (*.*)</source>
        <translation>Текстовий файл (*.txt);;Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Процесс записи</source>
        <translation>Процес запису</translation>
    </message>
    <message>
        <source>Записать звук в устройство</source>
        <translation>Записати звук у пристрій</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3</source>
        <translation>Рядок %1, &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>и ещё строк: %1</source>
        <translation>і ще рядків: %1</translation>
    </message>
    <message>
        <source>Сообщения не записаны: эти строки списка нельзя воспроизвести. Исправьте их или очистите в них имя файла и запустите запись снова; ничего не отправлено в охранную панель.

%1</source>
        <translation>Повідомлення не записано: ці рядки списку неможливо відтворити. Виправте їх або очистіть у них ім&apos;я файлу й запустіть запис знову; до охоронної панелі нічого не надіслано.

%1</translation>
    </message>
    <message>
        <source>Сообщения не записаны.

%1.</source>
        <translation>Повідомлення не записано.

%1.</translation>
    </message>
    <message>
        <source>Услышано на выводе звука: %1</source>
        <translation>Почуто на виводі звуку: %1</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1</source>
        <translation>Квитанції повідомлень не записано в журнал: %1</translation>
    </message>
    <message>
        <source>Сообщение %1 услышано на выводе звука: %2</source>
        <translation>Повідомлення %1 почуто на виводі звуку: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::Speech</name>
    <message>
        <source>Синтезатор речи espeak-ng не запускается: %1</source>
        <translation>Синтезатор мовлення espeak-ng не запускається: %1</translation>
    </message>
    <message>
        <source>Не удалось изменить частоту отсчётов: %1</source>
        <translation>Не вдалося змінити частоту дискретизації: %1</translation>
    </message>
    <message>
        <source>Нет голоса «%1» для синтеза речи: %2</source>
        <translation>Немає голосу «%1» для синтезу мовлення: %2</translation>
    </message>
    <message>
        <source>Текст не удалось озвучить: %1</source>
        <translation>Не вдалося озвучити текст: %1</translation>
    </message>
    <message>
        <source>Синтезатор речи не дал звука для текста «%1»</source>
        <translation>Синтезатор мовлення не дав звуку для тексту «%1»</translation>
    </message>
</context>
<context>
    <name>orvanta::SupportBundle</name>
    <message>
        <source>Нет временной папки: %1</source>
        <translation>Немає тимчасової теки: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>%1: нет в папке %2</source>
        <translation>%1: немає в теці %2</translation>
    </message>
    <message>
        <source>архиватор tar не найден</source>
        <translation>архіватор tar не знайдено</translation>
    </message>
    <message>
        <source>архив не собран (мало места во временной папке?)</source>
        <translation>архів не зібрано (мало місця в тимчасовій теці?)</translation>
    </message>
</context>
<context>
    <name>orvanta::TWaveAdjuster</name>
    <message>
        <source> с</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Подготовка записи...</source>
        <translation>Підготовка запису...</translation>
    </message>
    <message>
        <source>Идет запись...   %1 из %2</source>
        <translation>Триває запис...   %1 з %2</translation>
    </message>
    <message>
        <source>Произнесите фразу и нажмите кнопку &quot;Стоп&quot;.</source>
        <translation>Вимовте фразу й натисніть кнопку &quot;Стоп&quot;.</translation>
    </message>
    <message>
        <source>Озвучивание...</source>
        <translation>Озвучування...</translation>
    </message>
    <message>
        <source>Ошибка воспроизведения!</source>
        <translation>Помилка відтворення!</translation>
    </message>
</context>
<context>
    <name>orvanta::TfContact</name>
    <message>
        <source>Настройка охранной панели &quot;Orvanta&quot;</source>
        <translation>Налаштування охоронної панелі &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>окно занято другим делом</source>
        <translation>вікно зайняте іншою справою</translation>
    </message>
</context>
<context>
    <name>orvanta::TfWait</name>
    <message>
        <source>Обмен данными</source>
        <translation>Обмін даними</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadCheck</name>
    <message>
        <source>в файле нет звука</source>
        <translation>у файлі немає звуку</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadSession</name>
    <message>
        <source>Звук прерван: %1</source>
        <translation>Звук перервано: %1</translation>
    </message>
    <message>
        <source>Сервер звука не даёт услышать вывод звука «%1»: проверить, что сообщение прозвучало, нельзя</source>
        <translation>Сервер звуку не дає почути вивід звуку «%1»: перевірити, що повідомлення прозвучало, неможливо</translation>
    </message>
    <message>
        <source>Вывод звука «%1» нельзя услышать: %2</source>
        <translation>Вивід звуку «%1» неможливо почути: %2</translation>
    </message>
    <message>
        <source>сервер звука перестал давать слышать вывод звука (%1)</source>
        <translation>сервер звуку перестав давати чути вивід звуку (%1)</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveDevice</name>
    <message>
        <source>вывода звука</source>
        <translation>виведення звуку</translation>
    </message>
    <message>
        <source>записи звука</source>
        <translation>запису звуку</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не найден</source>
        <translation>Файл &quot;%1&quot; не знайдено</translation>
    </message>
    <message>
        <source>Звуковой файл не открыт</source>
        <translation>Звуковий файл не відкрито</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Не вдалося створити файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: частота его отсчётов не подходит устройству</source>
        <translation>Звук із файлу &quot;%1&quot; неможливо відтворити: його частота дискретизації не підходить пристрою</translation>
    </message>
    <message>
        <source>Нет устройства %1</source>
        <translation>Немає пристрою %1</translation>
    </message>
    <message>
        <source>Нет устройства %1 &quot;%2&quot;</source>
        <translation>Немає пристрою %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: %2</source>
        <translation>Звук із файлу &quot;%1&quot; неможливо відтворити: %2</translation>
    </message>
    <message>
        <source>Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает</source>
        <translation>Пристрій виведення звуку не запустився за %1 с: сервер звуку не відповідає</translation>
    </message>
    <message>
        <source>Звук прерван: %1</source>
        <translation>Звук перервано: %1</translation>
    </message>
    <message>
        <source>Устройство вывода звука не принимает звук: %1</source>
        <translation>Пристрій виведення звуку не приймає звук: %1</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>Запис перервано: %1</translation>
    </message>
    <message>
        <source>сервер звука не отвечает</source>
        <translation>сервер звуку не відповідає</translation>
    </message>
    <message>
        <source>устройства вывода звука &quot;%1&quot; больше нет</source>
        <translation>пристрою виведення звуку &quot;%1&quot; більше немає</translation>
    </message>
    <message>
        <source>устройства записи звука &quot;%1&quot; больше нет</source>
        <translation>пристрою запису звуку &quot;%1&quot; більше немає</translation>
    </message>
    <message>
        <source>Устройство записи звука не отвечает: %1</source>
        <translation>Пристрій запису звуку не відповідає: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveFile</name>
    <message>
        <source>Не удалось открыть файл</source>
        <translation>Не вдалося відкрити файл</translation>
    </message>
    <message>
        <source>Не удалось загрузить файл</source>
        <translation>Не вдалося завантажити файл</translation>
    </message>
    <message>
        <source>в файле нет звука</source>
        <translation>у файлі немає звуку</translation>
    </message>
    <message>
        <source>частота отсчётов %1 Гц: можно от %2 до %3 Гц</source>
        <translation>частота дискретизації %1 Гц: допустимо від %2 до %3 Гц</translation>
    </message>
    <message>
        <source>звук длиннее %1 сек.</source>
        <translation>звук довший за %1 сек.</translation>
    </message>
    <message>
        <source>Не удалось создать файл</source>
        <translation>Не вдалося створити файл</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;: %2</source>
        <translation>Не вдалося записати файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>формат файла не распознан</source>
        <translation>формат файлу не розпізнано</translation>
    </message>
</context>
<context>
    <name>orvanta::WindowPages</name>
    <message>
        <source>Запись звука</source>
        <translation>Запис звуку</translation>
    </message>
</context>
<context>
    <name>orvanta::WindowState</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Неприпустимий тип даних для &apos;%1&apos;</translation>
    </message>
</context>
</TS>
