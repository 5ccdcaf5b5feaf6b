<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>Cli</name>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; ни на одном порту.
</source>
        <translation>Нет связи с охранной панелью &quot;Orvanta&quot; ни на одном порту.
</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; на порту %1.
</source>
        <translation>Нет связи с охранной панелью &quot;Orvanta&quot; на порту %1.
</translation>
    </message>
    <message>
        <source>Чтение настроек</source>
        <translation>Чтение настроек</translation>
    </message>
    <message>
        <source>%1 сек.
</source>
        <translation>%1 сек.
</translation>
    </message>
    <message>
        <source>Не удалось прочитать стандартный ввод</source>
        <translation>Не удалось прочитать стандартный ввод</translation>
    </message>
    <message>
        <source>orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, добавьте --yes
</source>
        <translation>orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, добавьте --yes
</translation>
    </message>
    <message>
        <source>Записать эти настройки в охранную панель? [д/н] </source>
        <translation>Записать эти настройки в охранную панель? [д/н] </translation>
    </message>
    <message>
        <source>д,да</source>
        <comment>the answers that mean yes, comma-separated</comment>
        <translation>д,да</translation>
    </message>
    <message>
        <source>Панель уже хранит эти настройки.
</source>
        <translation>Панель уже хранит эти настройки.
</translation>
    </message>
    <message>
        <source>Изменится:
</source>
        <translation>Изменится:
</translation>
    </message>
    <message>
        <source>Прежние настройки сохранены; вернуть их: orvanta-cli restore %1
</source>
        <translation>Прежние настройки сохранены; вернуть их: orvanta-cli restore %1
</translation>
    </message>
    <message>
        <source>Запись настроек</source>
        <translation>Запись настроек</translation>
    </message>
    <message>
        <source>Записано; панель хранит эти настройки.
</source>
        <translation>Записано; панель хранит эти настройки.
</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4
</source>
        <translation>Снимок № %1 от %2, порт %3, %4
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE
</source>
        <translation>orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE
</translation>
    </message>
    <message>
        <source>Без изменений.
</source>
        <translation>Без изменений.
</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1
</source>
        <translation>Не удалось создать файл %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 needs a value
</source>
        <translation>orvanta-cli: параметру %1 нужно значение
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown option %1 (see --help)
</source>
        <translation>orvanta-cli: неизвестный параметр %1 (см. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: one file at most (see --help)
</source>
        <translation>orvanta-cli: можно указать не больше одного файла (см. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown language %1: %2 or %3
</source>
        <translation>orvanta-cli: неизвестный язык %1: %2 или %3
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown command %1 (see --help)
</source>
        <translation>orvanta-cli: неизвестная команда %1 (см. --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: no such Config.ini: %1
</source>
        <translation>orvanta-cli: Config.ini не найден: %1
</translation>
    </message>
    <message>
        <source> (нет такого файла)</source>
        <translation> (нет такого файла)</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;: %1
</source>
        <translation>Ошибка связи с охранной панелью &quot;Orvanta&quot;: %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: внутренняя ошибка программы: %1
</source>
        <translation>orvanta-cli: внутренняя ошибка программы: %1
</translation>
    </message>
    <message>
        <source>Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — «%2».
</source>
        <translation>Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — «%2».
</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1
</source>
        <translation>Снимок прежних настроек: %1
</translation>
    </message>
    <message>
        <source>the ports it would try: device, and whether it can be opened</source>
        <translation>порты, которые будут опробованы: устройство и можно ли его открыть</translation>
    </message>
    <message>
        <source>Lists each port name with its device and whether it can be opened: free, busy (and by which program), no permission (and how to get it), absent, no serial port. A serial adapter also gets its name (model and serial number) and its stable path in /dev/serial/by-id, by which the same adapter is found again under another number.
</source>
        <translation>Перечисляет имена портов с их устройствами и сообщает, можно ли открыть каждый: свободен, занят (и какой программой), нет доступа (и как его получить), нет устройства, не последовательный порт. Для адаптера — ещё его название (модель и серийный номер) и постоянный путь в /dev/serial/by-id, по которому тот же адаптер находится снова под другим номером.
</translation>
    </message>
    <message>
        <source>looks for the panel on the ports; prints the port and firmware</source>
        <translation>ищет панель на портах; выводит порт и версию прошивки</translation>
    </message>
    <message>
        <source>Tries the port (or every port, COM2 first) and prints the first that the panel answers on, with its firmware version. Exit 3 when none, with the reason for each port tried.
</source>
        <translation>Опрашивает порт (или все порты, начиная с COM2) и выводит первый, на котором отвечает панель, с версией её прошивки. Если панель не найдена — код возврата 3 и причина для каждого опробованного порта.
</translation>
    </message>
    <message>
        <source>reads the panel&apos;s settings into FILE (or prints them)</source>
        <translation>читает настройки панели в FILE (или выводит их)</translation>
    </message>
    <message>
        <source>Reads every setting of the panel into a settings file, or to standard output. The password only with --password.
</source>
        <translation>Читает все настройки панели в файл настроек или в стандартный вывод. Пароль — только с --password.
</translation>
    </message>
    <message>
        <source>shows what would change, asks, writes, and checks the panel</source>
        <translation>показывает, что изменится, спрашивает, записывает и проверяет панель</translation>
    </message>
    <message>
        <source>Reads the panel, lists what the file would change, asks (unless --yes), writes, reads back and reports any setting the panel did not keep. Exit 0 when the panel holds the file&apos;s settings, 4 when it does not (it refused a part, or kept other values), 7 when the write was cut off, 9 when it could not be read back to check.
</source>
        <translation>Читает панель, перечисляет, что изменит файл, спрашивает (если нет --yes), записывает, читает обратно и сообщает о каждой настройке, которую панель не сохранила. Код возврата 0, если панель хранит настройки из файла, 4 — если нет (панель отказалась принять часть или сохранила другие значения), 7 — если запись оборвалась, 9 — если её не удалось прочитать обратно для проверки.
</translation>
    </message>
    <message>
        <source>lists the settings in which the panel differs from FILE</source>
        <translation>перечисляет настройки, в которых панель отличается от FILE</translation>
    </message>
    <message>
        <source>Lists each setting in which the panel differs from the file. Exit 0 when none, 1 when some.
</source>
        <translation>Перечисляет все настройки, в которых панель отличается от файла. Код возврата 0, если различий нет, 1 — если есть.
</translation>
    </message>
    <message>
        <source>the writes so far, each with the snapshot taken before it</source>
        <translation>сделанные записи, каждая со снимком, снятым перед ней</translation>
    </message>
    <message>
        <source>Lists the writes so far: number, time, port, firmware, how it ended, and how many settings it changed. Each has the snapshot of what the panel held before it.
</source>
        <translation>Перечисляет сделанные записи: номер, время, порт, прошивка, чем закончилась запись и сколько настроек она изменила. У каждой записи есть снимок того, что панель хранила до неё.
</translation>
    </message>
    <message>
        <source>writes snapshot N back (compare, confirm, verify as write)</source>
        <translation>записывает снимок N обратно (сравнение, подтверждение и проверка — как у write)</translation>
    </message>
    <message>
        <source>Writes snapshot N (see history) back into the panel: shows its date, port and the differences, asks, writes, reads back. A snapshot of the panel is kept first, as for every write.
</source>
        <translation>Записывает снимок N (см. history) обратно в панель: показывает его дату, порт и различия, спрашивает, записывает, читает обратно. Сначала, как перед каждой записью, сохраняется снимок панели.
</translation>
    </message>
    <message>
        <source>checks a settings file and prints it</source>
        <translation>проверяет файл настроек и выводит его</translation>
    </message>
    <message>
        <source>Checks a settings file and prints it as the tool writes it.
</source>
        <translation>Проверяет файл настроек и выводит его в том виде, в каком его записывает программа.
</translation>
    </message>
    <message>
        <source>speaks the text in Russian as a message (44.1 kHz, 16 bits)</source>
        <translation>озвучивает текст по-русски как сообщение (44,1 кГц, 16 бит)</translation>
    </message>
    <message>
        <source>Speaks the text in Russian (espeak-ng) and keeps it as a voice message: PCM mono 44.1 kHz 16-bit.
</source>
        <translation>Озвучивает текст по-русски (espeak-ng) и сохраняет его как голосовое сообщение: PCM, моно, 44,1 кГц, 16 бит.
</translation>
    </message>
    <message>
        <source>removes the silence at both ends of a message</source>
        <translation>удаляет тишину в начале и в конце сообщения</translation>
    </message>
    <message>
        <source>Removes the silence at both ends of a voice message (keeping 50 ms beside the sound), so that it takes less of the panel&apos;s memory. A file that is no 16-bit mono PCM WAV is never written over: the result goes to OUT, or to a WAV file of its name beside it.
</source>
        <translation>Удаляет тишину в начале и в конце голосового сообщения (оставляя 50 мс рядом со звуком), чтобы оно занимало меньше памяти панели. Файл, который не является WAV PCM моно 16 бит, никогда не перезаписывается: результат записывается в OUT или в WAV-файл с тем же именем рядом с ним.
</translation>
    </message>
    <message>
        <source>brings a message&apos;s peak to -1 dBFS</source>
        <translation>доводит пик сообщения до -1 dBFS</translation>
    </message>
    <message>
        <source>Scales a voice message so that its peak reaches -1 dBFS, so that the messages sound even. Any file as for trim.
</source>
        <translation>Масштабирует голосовое сообщение так, чтобы его пик достигал -1 dBFS, — чтобы сообщения звучали одинаково громко. С любым файлом поступает так же, как trim.
</translation>
    </message>
    <message>
        <source>makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)</source>
        <translation>делает голосовое сообщение из любого звукового файла (WAV, FLAC, Ogg, MP3)</translation>
    </message>
    <message>
        <source>Converts a sound file of any format the tool reads (WAV of any kind, FLAC, Ogg, MP3) into a voice message: PCM mono 44.1 kHz 16-bit. A sound longer than the panel&apos;s memory is refused.
</source>
        <translation>Преобразует звуковой файл любого формата, который читает программа (WAV любого вида, FLAC, Ogg, MP3), в голосовое сообщение: PCM, моно, 44,1 кГц, 16 бит. Звук длиннее, чем вмещает память панели, не принимается.
</translation>
    </message>
    <message>
        <source>this text, or a command&apos;s</source>
        <translation>эта справка или справка по команде</translation>
    </message>
    <message>
        <source>The program&apos;s help, or a command&apos;s.
</source>
        <translation>Справка по программе или по команде.
</translation>
    </message>
    <message>
        <source>Usage: orvanta-cli %1

%2</source>
        <translation>Использование: orvanta-cli %1

%2</translation>
    </message>
    <message>
        <source>Ожидание охранной панели (до %1 сек.)…
</source>
        <translation>Ожидание охранной панели (до %1 сек.)…
</translation>
    </message>
    <message>
        <source>Ни на одном порту не ответила новая охранная панель за %1 сек.
</source>
        <translation>Ни на одном порту не ответила новая охранная панель за %1 сек.
</translation>
    </message>
    <message>
        <source>waits for a panel to answer; prints its port</source>
        <translation>ждёт, когда ответит панель; выводит её порт</translation>
    </message>
    <message>
        <source>makes a settings report (PDF) of the panel or of FILE</source>
        <translation>создаёт отчёт о настройках (PDF) панели или FILE</translation>
    </message>
    <message>
        <source>saves what the support desk needs, secrets removed</source>
        <translation>сохраняет то, что нужно поддержке, без секретов</translation>
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
        <translation>Окружение:
  ORVANTA_DEVICE_FOLDER   папка, в которой ищутся последовательные адаптеры вместо udev и /dev
                          (так делают тесты виртуальной панели)
  XDG_CONFIG_HOME         папка для Orvanta/Config.ini и Orvanta/Forms.conf (по умолчанию
                          ~/.config)
  XDG_DATA_HOME           папка для Orvanta/: снимки, журнал, звуковые файлы (по умолчанию
                          ~/.local/share)
  PULSE_SERVER            сервер звука, через который сообщения проигрываются и записываются

Файлы:
  ~/.config/Orvanta/Config.ini
                          имена портов ([Ports]), язык и режим отладки ([Main]); только чтение
  ~/.config/Orvanta/Forms.conf
                          состояние окна
  ~/.local/share/Orvanta/snapshots/
                          journal.txt — по строке на каждую запись — и снимок панели перед ней;
                          uploads.txt — что было услышано при каждой записи сообщений
  ~/.local/share/Orvanta/sound/
                          звуковые файлы голосовых сообщений
  messages.txt, sounds.txt, log.txt
                          списки сообщений и журнал обмена, в папке, из которой запущено окно
                          (из меню рабочего стола — ~/.local/share/Orvanta/)
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
        <translation>Использование: orvanta-config [DEBUG] [--lang L]

Программа настройки охранной GSM-панели Orvanta: находит панель на последовательном порту,
читает и записывает её настройки, записывает, обрезает и проигрывает голосовые сообщения и
записывает их в панель.

Параметры:
  DEBUG          режим отладки: отладочные кнопки панели и каждый обмен в файле log.txt
  --lang L       язык: %1; без него —
                 [Main] Language из Config.ini, иначе последний выбранный в меню «Файл…»,
                 иначе русский
  --version      версия
  --help         этот текст
</translation>
    </message>
    <message>
        <source>Examples:
  orvanta-config          starts in the language last chosen
  orvanta-config --lang en
                          starts in English
  orvanta-config DEBUG    starts in debug mode: the debug buttons, every exchange in log.txt
</source>
        <translation>Примеры:
  orvanta-config          запуск на последнем выбранном языке
  orvanta-config --lang en
                          запуск на английском
  orvanta-config DEBUG    запуск в режиме отладки: отладочные кнопки, каждый обмен в log.txt
</translation>
    </message>
    <message>
        <source>
Остановка после текущего сообщения… (ещё раз Ctrl+C — сразу)
</source>
        <translation>
Остановка после текущего сообщения… (ещё раз Ctrl+C — сразу)
</translation>
    </message>
    <message>
        <source>Нет списков сообщений: %1, %2
</source>
        <translation>Нет списков сообщений: %1, %2
</translation>
    </message>
    <message>
        <source>Сообщения не записаны: %1.
</source>
        <translation>Сообщения не записаны: %1.
</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3
</source>
        <translation>Строка %1, &quot;%2&quot;: %3
</translation>
    </message>
    <message>
        <source>Ничего не отправлено в охранную панель.
</source>
        <translation>Ничего не отправлено в охранную панель.
</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами: записывать нечего.
</source>
        <translation>В списке нет сообщений с файлами: записывать нечего.
</translation>
    </message>
    <message>
        <source>Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: последние не поместятся. Записать всё равно: --yes
</source>
        <translation>Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: последние не поместятся. Записать всё равно: --yes
</translation>
    </message>
    <message>
        <source>Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.
</source>
        <translation>Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.
</translation>
    </message>
    <message>
        <source>Сообщение %1 (%2): осталось %3 с</source>
        <translation>Сообщение %1 (%2): осталось %3 с</translation>
    </message>
    <message>
        <source>Сообщение %1: %2
</source>
        <translation>Сообщение %1: %2
</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1
</source>
        <translation>Квитанции сообщений не записаны в журнал: %1
</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Записано сообщений: %1 из %2</translation>
    </message>
    <message>
        <source>puts the listed voice messages into the panel</source>
        <translation>записывает голосовые сообщения из списка в панель</translation>
    </message>
    <message>
        <source>Plays each message of the lists (the window&apos;s, or --messages and --sounds) into the panel while it records, as the window&apos;s upload does: every file is checked first and nothing is sent unless all can be played; each message is heard on the output and verified in the panel&apos;s table, with a receipt in the upload journal. Ctrl+C stops after the message being sent; a second Ctrl+C at once. --check checks and sends nothing; --yes uploads messages longer than the memory. Exit 0 when every message went in, 11 when nothing was sent, 12 when it stopped part-way.
</source>
        <translation>Воспроизводит каждое сообщение списков (окна или --messages и --sounds) в панель, пока она записывает, как это делает запись в окне: сначала проверяется каждый файл, и ничего не отправляется, если не все можно воспроизвести; каждое сообщение прослушивается на выводе звука и проверяется в таблице панели, с квитанцией в журнале записей. Ctrl+C останавливает после отправляемого сообщения; второй Ctrl+C — сразу. --check проверяет и ничего не отправляет; --yes записывает и сообщения длиннее памяти. Код 0, если все сообщения записаны, 11 — если ничего не отправлено, 12 — если запись остановилась на полпути.
</translation>
    </message>
    <message>
        <source>Чтение таблицы</source>
        <translation>Чтение таблицы</translation>
    </message>
    <message>
        <source>Запись таблицы</source>
        <translation>Запись таблицы</translation>
    </message>
    <message>
        <source>saves the panel&apos;s message table to FILE, or writes it back</source>
        <translation>сохраняет таблицу сообщений панели в FILE или записывает её обратно</translation>
    </message>
    <message>
        <source>The panel&apos;s message address table, as the window&apos;s debug buttons keep it: save reads its 54 words into FILE; load writes FILE&apos;s words into the panel, each read back and written again while it differs.
</source>
        <translation>Таблица адресов сообщений панели, как её сохраняют отладочные кнопки окна: save читает её 54 слова в FILE; load записывает слова из FILE в панель, каждое читается обратно и записывается снова, пока отличается.
</translation>
    </message>
    <message>
        <source>Waits until a panel answers on a port where none answered when the wait began: an adapter plugged in, or a cable moved to the next panel. Prints that port, for --port of the next command. A panel that answers already counts only with --any, or once it has fallen silent or its adapter has gone: the next panel plugged in under the same name is a new one. Exit 3 when none comes within the time (default 300 s).
</source>
        <translation>Ждёт, когда ответит панель на порту, где при начале ожидания не отвечала ни одна: вставлен адаптер или кабель перенесён к следующей панели. Выводит этот порт — для --port следующей команды. Панель, которая уже отвечает, подходит только с --any или после того, как замолчит или её адаптер будет отключён: следующая панель, подключённая под тем же именем, — новая. Код 3, если за отведённое время (по умолчанию 300 с) панель не появилась.
</translation>
    </message>
    <message>
        <source>
Остановка, когда закончится запись в эту панель…
</source>
        <translation>
Остановка, когда закончится запись в эту панель…
</translation>
    </message>
    <message>
        <source>Все объекты таблицы уже запрограммированы (см. %1); заново: --again
</source>
        <translation>Все объекты таблицы уже запрограммированы (см. %1); заново: --again
</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1
</source>
        <translation>Не удалось создать папку %1
</translation>
    </message>
    <message>
        <source>На порту %1 уже отвечает охранная панель: она будет запрограммирована, если её подключить заново.
</source>
        <translation>На порту %1 уже отвечает охранная панель: она будет запрограммирована, если её подключить заново.
</translation>
    </message>
    <message>
        <source>Подключите охранную панель…
</source>
        <translation>Подключите охранную панель…
</translation>
    </message>
    <message>
        <source>Подключите охранную панель объекта «%1»…
</source>
        <translation>Подключите охранную панель объекта «%1»…
</translation>
    </message>
    <message>
        <source>Готово: %1. Подключите следующую панель…
</source>
        <translation>Готово: %1. Подключите следующую панель…
</translation>
    </message>
    <message>
        <source>Makes the settings report, an A4 PDF in the interface&apos;s language, of the panel&apos;s settings (read from it) or of a settings file: the general options, the loops and relays as tables, how many key slots hold a key, whether a password is set, the voice messages with the memory they take, and the last writes (of the site with --site, else of the panel&apos;s port and firmware). Never a key code or the password&apos;s digits. Without -o it is report.pdf, or report-NAME.pdf with --site.
</source>
        <translation>Создаёт отчёт о настройках — PDF формата A4 на языке интерфейса — настроек панели (прочитанных из неё) или файла настроек: общие настройки, шлейфы и реле таблицами, сколько ячеек ключей занято, задан ли пароль, голосовые сообщения с занимаемой памятью и последние записи (объекта с --site, иначе — порта и прошивки панели). Никогда — коды ключей или цифры пароля. Без -o — report.pdf, а с --site — report-NAME.pdf.
</translation>
    </message>
    <message>
        <source>Writes one archive for the support desk: the versions, Config.ini, the window state, the last 1,000 lines of the log, the journal with its snapshots, what ports says, the sound devices, the message lists and a report of the last snapshot. Passwords and key codes are replaced by a mark everywhere in it; a file that cannot be read is listed in skipped.txt. With --site the report is of that site&apos;s last snapshot; --sites puts a table of sites in, its passwords and keys replaced. Without -o it is orvanta-support-YYYY-MM-DD-HHMMSS.tar.gz in the current folder.
</source>
        <translation>Записывает один архив для поддержки: версии, Config.ini, состояние окна, последние 1000 строк журнала обмена, журнал записей со снимками, то, что говорит ports, звуковые устройства, списки сообщений и отчёт о последнем снимке. Пароли и коды ключей везде заменены пометкой; файл, который не удалось прочитать, назван в skipped.txt. С --site отчёт — о последнем снимке этого объекта; --sites кладёт в архив таблицу объектов, заменив в ней пароли и ключи. Без -o это orvanta-support-ГГГГ-ММ-ДД-ЧЧММСС.tar.gz в текущей папке.
</translation>
    </message>
    <message>
        <source>programs one panel after another from a template</source>
        <translation>программирует панели одну за другой по шаблону</translation>
    </message>
    <message>
        <source>Programs a line of panels: for each row of the sites table (a header site,password,key1,key2,key3,key4; &quot;,&quot; or &quot;;&quot;; UTF-8 or Windows-1251; password and keys optional, each over the template&apos;s) it waits for a panel that starts to answer, reads it whole, writes the template with the row&apos;s password and keys (checked, with a snapshot), uploads the messages as upload does, makes the report DIR/SITE.pdf and adds a line to the ledger (default ledger.csv): time, site, port, stable path, adapter serial, firmware, snapshot, each step&apos;s outcome and the report, never a secret. The table, the template and the messages are all checked first: a bad row is named by its line and nothing is programmed. The panel just programmed must be pulled (or re-plugged) before the next counts. A site the ledger says is done is skipped unless --again; without a table it goes on for --count panels, or until Ctrl+C. A failed step ends the run unless --keep-going. Ctrl+C while waiting ends at once; during a write it ends once the write did; during an upload as upload&apos;s Ctrl+C. Exit 0 when every row is done, 12 when stopped by Ctrl+C, else the status of the step that ended the run (3, 4, 6, 7, 9, 10, 11, 12).
</source>
        <translation>Программирует панели одну за другой: для каждой строки таблицы объектов (заголовок site,password,key1,key2,key3,key4; «,» или «;»; UTF-8 или Windows-1251; пароль и ключи необязательны и заменяют шаблонные) ждёт панель, которая начнёт отвечать, читает её целиком, записывает шаблон с паролем и ключами строки (с проверкой и снимком), записывает сообщения, как upload, создаёт отчёт DIR/SITE.pdf и добавляет строку в журнал (по умолчанию ledger.csv): время, объект, порт, постоянный путь, серийный номер адаптера, прошивка, снимок, итог каждого шага и отчёт, но никогда не секреты. Таблица, шаблон и сообщения проверяются заранее: плохая строка называется по номеру, и ничего не программируется. Только что запрограммированную панель нужно отключить (или переподключить), прежде чем следующая будет засчитана. Объект, который журнал называет готовым, пропускается, если нет --again; без таблицы программирует --count панелей или до Ctrl+C. Неудачный шаг завершает работу, если нет --keep-going. Ctrl+C во время ожидания завершает сразу; во время записи — когда запись закончится; во время записи сообщений — как Ctrl+C в upload. Код 0, если готовы все строки, 12 — если остановлено Ctrl+C, иначе код шага, который завершил работу (3, 4, 6, 7, 9, 10, 11, 12).
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
        <translation>Использование: orvanta-cli [параметры] COMMAND [аргументы]

Настройки охранной панели Orvanta без окна.

Команды:
%2
Если FILE настроек — «-», он читается со стандартного ввода; «-o -» пишет в стандартный вывод.

Параметры:
  --lang L        язык текстов: %1;
                  без него — из Config.ini, иначе выбранный в окне, иначе русский
  --config FILE   Config.ini, из которого берутся имена портов (по умолчанию тот, что у окна:
                  рядом с программой для переносной копии, иначе ~/.config/Orvanta/, иначе
                  /etc/xdg/Orvanta/)
  --port P        порт: имя вроде COM3 или путь к устройству; без него пробуется COM2, затем
                  порты с COM1 по COM8, последовательные USB-устройства и порты, названные
                  в Config.ini
  --password      read: записать в файл и пароль (файл будет доступен только вам)
  --yes           write, restore: записывать без вопроса (нужно, когда нет терминала);
                  upload: и сообщения длиннее памяти панели
  --show-secrets  write, restore, diff: показывать пароль и коды ключей (по умолчанию скрыты:
                  пароль — как в журнале, у ключа — ни одной цифры)
  --json          ports, detect, show, diff, history, upload: выводить JSON (его структура
                  описана в README)
  --messages F, --sounds F
                  upload: списки сообщений вместо списков окна
  --check         upload: проверить все сообщения и ничего не отправлять
  --site NAME     write, restore, report, support: название объекта панели; оно остаётся
                  в журнале и даёт имя снимку и отчёту
  --settings F, --sites F, --ledger F, --reports DIR, --count N, --again, --keep-going
                  program: см. program --help
  --any           wait: подходит и панель, которая уже отвечает
  --timeout S     wait: сколько секунд ждать панель (по умолчанию 300)
  --verbose       сообщать, какой Config.ini используется, и выводить обмен с панелью
                  в стандартный поток ошибок
  --version       версия программы
  --              дальнейшее — не параметры, даже если начинается с «-»
  -h, --help      эта справка; COMMAND --help — справка по команде

Вопросы и ход работы выводятся в стандартный поток ошибок, и только если это терминал.

Код возврата: 0 — готово (панель хранит настройки из файла), 1 — панель отличается (diff),
2 — неверный вызов или файл настроек, который нельзя принять, 3 — нет панели, 4 — панель
не сохранила записанное, 5 — запись не подтверждена (или не было терминала для вопроса
и не было --yes), 6 — настройку не удалось прочитать целиком (ничего не записано;
существующий выходной файл оставлен как был), 7 — запись оборвалась (панель хранит часть
новых настроек; restore возвращает снимок), 8 — внутренняя ошибка, 9 — записано, но не проверено: панель
не удалось прочитать обратно (restore возвращает снимок), 10 — не удалось записать файл
результата (report, support; от него ничего не остаётся), 11 — ничего не отправлено (upload: сообщение нельзя воспроизвести), 12 — запись сообщений остановлена на полпути (Ctrl+C, сообщение не записалось, память заполнена, нет адреса конца).

Перед каждой записью настройки панели читаются целиком и сохраняются как снимок
в ~/.local/share/Orvanta/snapshots/ со строкой в журнале; если это чтение не удалось,
ничего не записывается.
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
        <translation>Примеры:
  orvanta-cli detect      находит панель: её порт и прошивку
  orvanta-cli read --password -o site.txt
                          сохраняет настройки панели вместе с паролем в site.txt
  orvanta-cli write site.txt
                          показывает, что изменит site.txt, спрашивает, записывает и проверяет
  orvanta-cli write --yes --port &quot;$(orvanta-cli wait)&quot; template.txt
                          ждёт следующую подключённую панель и записывает в неё шаблон
  orvanta-cli report -o site.pdf
                          отчёт о настройках панели
  orvanta-cli restore 3   возвращает то, что панель хранила перед записью 3 (см. history)
  orvanta-cli program --settings template.txt --sites sites.csv --reports reports
                          программирует панели объектов одну за другой по мере подключения,
                          с паролем и ключами объекта, отчётом и строкой в ledger.csv
</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Ошибка записи в охранную панель &quot;Orvanta&quot;:</source>
        <translation>Ошибка записи в охранную панель &quot;Orvanta&quot;:</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;!</source>
        <translation>Нет связи с охранной панелью &quot;Orvanta&quot;!</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;:</source>
        <translation>Ошибка связи с охранной панелью &quot;Orvanta&quot;:</translation>
    </message>
    <message>
        <source>Прежние настройки охранной панели сохранены (снимок № %1): их вернёт «Вернуть настройки до записи…» в меню «Файл…».</source>
        <translation>Прежние настройки охранной панели сохранены (снимок № %1): их вернёт «Вернуть настройки до записи…» в меню «Файл…».</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1</source>
        <translation>Снимок прежних настроек: %1</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4</source>
        <translation>Снимок № %1 от %2, порт %3, %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AtomicFile</name>
    <message>
        <source>нет прав на запись</source>
        <translation>нет прав на запись</translation>
    </message>
</context>
<context>
    <name>orvanta::CheckedWrite</name>
    <message>
        <source>ключи</source>
        <translation>ключи</translation>
    </message>
    <message>
        <source>шлейфы и общие настройки</source>
        <translation>шлейфы и общие настройки</translation>
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
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 (не целиком)</source>
        <translation>%1 (не целиком)</translation>
    </message>
    <message>
        <source>Записано: %1. Охранная панель хранит теперь часть новых и часть прежних настроек.</source>
        <translation>Записано: %1. Охранная панель хранит теперь часть новых и часть прежних настроек.</translation>
    </message>
    <message>
        <source>охранная панель не отвечает</source>
        <translation>охранная панель не отвечает</translation>
    </message>
    <message>
        <source>Записано; охранная панель хранит эти настройки.</source>
        <translation>Записано; охранная панель хранит эти настройки.</translation>
    </message>
    <message>
        <source>Охранная панель приняла запись, но не сохранила:
</source>
        <translation>Охранная панель приняла запись, но не сохранила:
</translation>
    </message>
    <message>
        <source>Охранная панель отказалась принять: %1.</source>
        <translation>Охранная панель отказалась принять: %1.</translation>
    </message>
    <message>
        <source>Настройки записаны, но прочитать их для проверки не удалось: %1
Охранная панель, вероятно, хранит новые настройки.</source>
        <translation>Настройки записаны, но прочитать их для проверки не удалось: %1
Охранная панель, вероятно, хранит новые настройки.</translation>
    </message>
    <message>
        <source>Внимание: снимок прочитан на порту %1 из панели с прошивкой «%2», а сейчас запись пойдёт на порт %3 в панель с прошивкой «%4».</source>
        <translation>Внимание: снимок прочитан на порту %1 из панели с прошивкой «%2», а сейчас запись пойдёт на порт %3 в панель с прошивкой «%4».</translation>
    </message>
    <message>
        <source>возможно, записано: %1</source>
        <translation>возможно, записано: %1</translation>
    </message>
    <message>
        <source>Приняла ли охранная панель последнюю команду (%1), неизвестно: она может хранить и новое, и прежнее.</source>
        <translation>Приняла ли охранная панель последнюю команду (%1), неизвестно: она может хранить и новое, и прежнее.</translation>
    </message>
    <message>
        <source>Охранная панель не ответила на запись и не хранит её: %1.</source>
        <translation>Охранная панель не ответила на запись и не хранит её: %1.</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>Запись прервана: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>orvanta::DebugButtons</name>
    <message>
        <source>Записать в устройство</source>
        <translation>Записать в устройство</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Прочитать</translation>
    </message>
</context>
<context>
    <name>orvanta::ExchangeLog</name>
    <message>
        <source>Ошибка записи в файл %1: %2</source>
        <translation>Ошибка записи в файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::FileMenuActions</name>
    <message>
        <source>Настройки охранной панели (*.txt);;Все файлы (*)</source>
        <translation>Настройки охранной панели (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Сохранить настройки в файл…</source>
        <translation>Сохранить настройки в файл…</translation>
    </message>
    <message>
        <source>Загрузить настройки из файла…</source>
        <translation>Загрузить настройки из файла…</translation>
    </message>
    <message>
        <source>Сравнить с панелью…</source>
        <translation>Сравнить с панелью…</translation>
    </message>
    <message>
        <source>Вернуть настройки до записи…</source>
        <translation>Вернуть настройки до записи…</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Сохранить отчёт…</translation>
    </message>
    <message>
        <source>Сохранить сведения для поддержки…</source>
        <translation>Сохранить сведения для поддержки…</translation>
    </message>
    <message>
        <source>%1.

Запись изменит в охранной панели:

%2

Вернуть эти настройки?</source>
        <translation>%1.

Запись изменит в охранной панели:

%2

Вернуть эти настройки?</translation>
    </message>
    <message>
        <source>Сохранить в файле и пароль охранной панели?

Файл с паролем будет доступен только вам.</source>
        <translation>Сохранить в файле и пароль охранной панели?

Файл с паролем будет доступен только вам.</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>Отчёт PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation>Отчёт сохранён: %1</translation>
    </message>
    <message>
        <source>Архив (*.tar.gz)</source>
        <translation>Архив (*.tar.gz)</translation>
    </message>
    <message>
        <source>Сведения для поддержки сохранены: %1</source>
        <translation>Сведения для поддержки сохранены: %1</translation>
    </message>
    <message>
        <source>Не найдено:</source>
        <translation>Не найдено:</translation>
    </message>
    <message>
        <source>Охранная панель хранит настройки из файла.</source>
        <translation>Охранная панель хранит настройки из файла.</translation>
    </message>
    <message>
        <source>Запись файла изменит в охранной панели:

</source>
        <translation>Запись файла изменит в охранной панели:

</translation>
    </message>
    <message>
        <source>Записей в охранную панель ещё не было: вернуть нечего.</source>
        <translation>Записей в охранную панель ещё не было: вернуть нечего.</translation>
    </message>
    <message>
        <source>Настройки, которые охранная панель хранила до записи:</source>
        <translation>Настройки, которые охранная панель хранила до записи:</translation>
    </message>
    <message>
        <source>Охранная панель уже хранит эти настройки.</source>
        <translation>Охранная панель уже хранит эти настройки.</translation>
    </message>
    <message>
        <source>Настройки возвращены: охранная панель хранит снимок № %1.</source>
        <translation>Настройки возвращены: охранная панель хранит снимок № %1.</translation>
    </message>
</context>
<context>
    <name>orvanta::FileStamp</name>
    <message>
        <source>Файл &quot;%1&quot; изменён на диске после того, как был показан: показан звук из файла, как он есть сейчас; изменение не сделано</source>
        <translation>Файл &quot;%1&quot; изменён на диске после того, как был показан: показан звук из файла, как он есть сейчас; изменение не сделано</translation>
    </message>
</context>
<context>
    <name>orvanta::FooterLink</name>
    <message>
        <source>Orvanta Config %1
Настройка охранной панели &quot;Orvanta&quot;: связь по последовательному порту, настройки, голосовые сообщения.
Запуск с параметром DEBUG — режим отладки; orvanta-config --help — подсказка.</source>
        <translation>Orvanta Config %1
Настройка охранной панели &quot;Orvanta&quot;: связь по последовательному порту, настройки, голосовые сообщения.
Запуск с параметром DEBUG — режим отладки; orvanta-config --help — подсказка.</translation>
    </message>
</context>
<context>
    <name>orvanta::GeneralPage</name>
    <message>
        <source>Версия прошивки</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>Объект находится под охраной</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Дозваниваться при постановке на охрану</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Дозваниваться при снятии с охраны</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное  питание</source>
        <translation>Дозваниваться при переходе на резервное  питание</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Дозваниваться при переходе на основное питание</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны?</source>
        <translation>Выключать реле после снятия с охраны?</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Не использовать ключи Touch Memory</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Обрабатывать события для реле после снятия с охраны</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>Общие настройки</translation>
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
        <translation>Связь с охранной панелью</translation>
    </message>
    <message>
        <source>Прочитать настройки из &quot;Orvanta&quot;</source>
        <translation>Прочитать настройки из &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>Записать настройки в &quot;Orvanta&quot;</source>
        <translation>Записать настройки в &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>Файл…</source>
        <translation>Файл…</translation>
    </message>
    <message>
        <source>Настройки охранной панели в файле</source>
        <translation>Настройки охранной панели в файле</translation>
    </message>
    <message>
        <source>Дождитесь конца текущей работы со звуком или с охранной панелью.</source>
        <translation>Дождитесь конца текущей работы со звуком или с охранной панелью.</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Объект:</translation>
    </message>
    <message>
        <source>Под этим названием запись попадает в журнал, снимок и отчёт</source>
        <translation>Под этим названием запись попадает в журнал, снимок и отчёт</translation>
    </message>
</context>
<context>
    <name>orvanta::HeardSound</name>
    <message>
        <source>пик %1 дБFS, RMS %2 дБFS, %3 с</source>
        <translation>пик %1 дБFS, RMS %2 дБFS, %3 с</translation>
    </message>
    <message>
        <source>на выводе звука тишина: сообщение не прозвучало</source>
        <translation>на выводе звука тишина: сообщение не прозвучало</translation>
    </message>
    <message>
        <source>прозвучало %1 с из %2 с сообщения</source>
        <translation>прозвучало %1 с из %2 с сообщения</translation>
    </message>
    <message>
        <source>в звуке пропуск не короче %1 мс на %2 с сообщения</source>
        <translation>в звуке пропуск не короче %1 мс на %2 с сообщения</translation>
    </message>
    <message>
        <source>звук искажён: %1 % отсчётов на пределе шкалы</source>
        <translation>звук искажён: %1 % отсчётов на пределе шкалы</translation>
    </message>
</context>
<context>
    <name>orvanta::IniFile</name>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::KeysPage</name>
    <message>
        <source>Приложите ключ к считывателю…</source>
        <translation>Приложите ключ к считывателю…</translation>
    </message>
    <message>
        <source>Код ключа</source>
        <translation>Код ключа</translation>
    </message>
    <message>
        <source>Чтение ключа</source>
        <translation>Чтение ключа</translation>
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
        <translation>Ключи Touch Memory</translation>
    </message>
    <message>
        <source>Ключ не прочитан: приложите ключ к считывателю и повторите</source>
        <translation>Ключ не прочитан: приложите ключ к считывателю и повторите</translation>
    </message>
</context>
<context>
    <name>orvanta::LevelMeter</name>
    <message>
        <source>Уровень звука: пики, самый громкий пик и метка перегрузки</source>
        <translation>Уровень звука: пики, самый громкий пик и метка перегрузки</translation>
    </message>
</context>
<context>
    <name>orvanta::LoopsPage</name>
    <message>
        <source>Замыкание</source>
        <translation>Замыкание</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Размыкание</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Нормально замкнут</translation>
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
        <translation>Настройка шлейфов</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageEdit</name>
    <message>
        <source>Нет звука для изменения</source>
        <translation>Нет звука для изменения</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: изменение не сохранено</source>
        <translation>Файл &quot;%1&quot; только для чтения: изменение не сохранено</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не в формате сообщений (WAV PCM, 16 бит, моно): изменение не сохранено, файл оставлен как есть</source>
        <translation>Файл &quot;%1&quot; не в формате сообщений (WAV PCM, 16 бит, моно): изменение не сохранено, файл оставлен как есть</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Не удалось создать файл &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageList</name>
    <message>
        <source>Сообщение</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Сообщение %1</source>
        <translation>Сообщение %1</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Адрес</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageRecorder</name>
    <message>
        <source>Запись уже идёт</source>
        <translation>Запись уже идёт</translation>
    </message>
    <message>
        <source>Нет файла для записи сообщения</source>
        <translation>Нет файла для записи сообщения</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: запись не начата</source>
        <translation>Файл &quot;%1&quot; только для чтения: запись не начата</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Не удалось создать файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук не записан: устройство записи звука не передало звука. Сообщение осталось прежним.</source>
        <translation>Звук не записан: устройство записи звука не передало звука. Сообщение осталось прежним.</translation>
    </message>
    <message>
        <source>Не удалось заменить файл &quot;%1&quot;</source>
        <translation>Не удалось заменить файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранить не удалось</source>
        <translation>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранить не удалось</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранена в файле &quot;%2&quot;</source>
        <translation>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранена в файле &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageSound</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Не удалось загрузить файл &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTable</name>
    <message>
        <source>Занято %1 мин. %2 сек. из %3 мин.</source>
        <translation>Занято %1 мин. %2 сек. из %3 мин.</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTools</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Не удалось загрузить файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>нет файла</translation>
    </message>
    <message>
        <source>Звук длиной %1 сек. не поместится в память охранной панели: она вмещает %2 сек.</source>
        <translation>Звук длиной %1 сек. не поместится в память охранной панели: она вмещает %2 сек.</translation>
    </message>
    <message>
        <source>Сообщение длиной %1 сек.: длиннее %2 сек., оно займет много памяти охранной панели</source>
        <translation>Сообщение длиной %1 сек.: длиннее %2 сек., оно займет много памяти охранной панели</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Не удалось создать файл &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageUpload</name>
    <message>
        <source>Запись прервана</source>
        <translation>Запись прервана</translation>
    </message>
    <message>
        <source>Не поместилось</source>
        <translation>Не поместилось</translation>
    </message>
    <message>
        <source>Память охранной панели заполнена: поместились сообщений: %1 из %2; сообщение %3 не поместилось.</source>
        <translation>Память охранной панели заполнена: поместились сообщений: %1 из %2; сообщение %3 не поместилось.</translation>
    </message>
    <message>
        <source>Сообщение %1: охранная панель сообщила адрес %2, а в её таблице адресов записано %3.</source>
        <translation>Сообщение %1: охранная панель сообщила адрес %2, а в её таблице адресов записано %3.</translation>
    </message>
    <message>
        <source>Звук не закончился за %1 с: устройство вывода звука не ответило</source>
        <translation>Звук не закончился за %1 с: устройство вывода звука не ответило</translation>
    </message>
    <message>
        <source>Сообщение прозвучало не так, как в файле: %1</source>
        <translation>Сообщение прозвучало не так, как в файле: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::NotHeldMark</name>
    <message>
        <source>Охранная панель хранит: %1</source>
        <translation>Охранная панель хранит: %1</translation>
    </message>
    <message>
        <source>отмечено</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>не отмечено</source>
        <translation>не отмечено</translation>
    </message>
</context>
<context>
    <name>orvanta::OrvantaApplication</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelConnection</name>
    <message>
        <source>не открывается</source>
        <translation>не открывается</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>ответило устройство с другой прошивкой: &quot;%1&quot;</source>
        <translation>ответило устройство с другой прошивкой: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelExchange</name>
    <message>
        <source>охранная панель не ответила на %1</source>
        <translation>охранная панель не ответила на %1</translation>
    </message>
    <message>
        <source>ответ на %1 пришёл не целиком</source>
        <translation>ответ на %1 пришёл не целиком</translation>
    </message>
    <message>
        <source>охранная панель ответила «%1»</source>
        <translation>охранная панель ответила «%1»</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Ключ %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Реле %1, правила включения и выключения</source>
        <translation>Реле %1, правила включения и выключения</translation>
    </message>
    <message>
        <source>Время включения реле</source>
        <translation>Время включения реле</translation>
    </message>
    <message>
        <source>Настройки шлейфов и общие настройки</source>
        <translation>Настройки шлейфов и общие настройки</translation>
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
        <translation>Время включения реле %1 (%2 сек.) должно быть от 0 до 510 сек.</translation>
    </message>
</context>
<context>
    <name>orvanta::PortFollowing</name>
    <message>
        <source>Подключён адаптер %1; связь остаётся на %2</source>
        <translation>Подключён адаптер %1; связь остаётся на %2</translation>
    </message>
    <message>
        <source>%1: охранная панель не отвечает (%2)</source>
        <translation>%1: охранная панель не отвечает (%2)</translation>
    </message>
    <message>
        <source>Охранная панель отвечает на %1: её настройки прочитает «Прочитать настройки из &quot;Orvanta&quot;»</source>
        <translation>Охранная панель отвечает на %1: её настройки прочитает «Прочитать настройки из &quot;Orvanta&quot;»</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён: связи с охранной панелью нет</source>
        <translation>Адаптер %1 отключён: связи с охранной панелью нет</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён</source>
        <translation>Адаптер %1 отключён</translation>
    </message>
</context>
<context>
    <name>orvanta::PortProbe</name>
    <message>
        <source>устройство открыто только владельцу %1 (права %2); группа %3 доступа не дает, вступать в нее бесполезно: нужно правило udev или права, выданные администратором</source>
        <translation>устройство открыто только владельцу %1 (права %2); группа %3 доступа не дает, вступать в нее бесполезно: нужно правило udev или права, выданные администратором</translation>
    </message>
    <message>
        <source>вы в группе %1, но и ей устройство сейчас не открыто</source>
        <translation>вы в группе %1, но и ей устройство сейчас не открыто</translation>
    </message>
    <message>
        <source>вы уже добавлены в группу %1: войдите в систему заново</source>
        <translation>вы уже добавлены в группу %1: войдите в систему заново</translation>
    </message>
    <message>
        <source>устройство принадлежит группе %1: добавьте пользователя в нее (sudo usermod -aG %1 $USER) и войдите в систему заново</source>
        <translation>устройство принадлежит группе %1: добавьте пользователя в нее (sudo usermod -aG %1 $USER) и войдите в систему заново</translation>
    </message>
    <message>
        <source>свободен</source>
        <translation>свободен</translation>
    </message>
    <message>
        <source>занят</source>
        <translation>занят</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>нет доступа</translation>
    </message>
    <message>
        <source>нет устройства</source>
        <translation>нет устройства</translation>
    </message>
    <message>
        <source>не последовательный порт</source>
        <translation>не последовательный порт</translation>
    </message>
    <message>
        <source>не открывается</source>
        <translation>не открывается</translation>
    </message>
</context>
<context>
    <name>orvanta::PortWatcher</name>
    <message>
        <source>Диспетчер устройств (udev) не отвечает: адаптеры ищутся в /dev.</source>
        <translation>Диспетчер устройств (udev) не отвечает: адаптеры ищутся в /dev.</translation>
    </message>
    <message>
        <source>Диспетчер устройств (udev) не запущен: адаптеры ищутся в /dev.</source>
        <translation>Диспетчер устройств (udev) не запущен: адаптеры ищутся в /dev.</translation>
    </message>
</context>
<context>
    <name>orvanta::RegularFile</name>
    <message>
        <source>файл не найден</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>файл не читается: %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>файл пуст</translation>
    </message>
</context>
<context>
    <name>orvanta::RelaysPage</name>
    <message>
        <source>вкл</source>
        <translation>вкл</translation>
    </message>
    <message>
        <source>выкл</source>
        <translation>выкл</translation>
    </message>
    <message>
        <source>Время включения, в сек.</source>
        <translation>Время включения, в сек.</translation>
    </message>
    <message>
        <source>Время, на которое включается реле, а затем выключается. Если ноль, то включается и не выключается.</source>
        <translation>Время, на которое включается реле, а затем выключается. Если ноль, то включается и не выключается.</translation>
    </message>
    <message>
        <source>Реле %1: время включения, с</source>
        <translation>Реле %1: время включения, с</translation>
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
        <translation>Замыкание</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Размыкание</translation>
    </message>
    <message>
        <source>Реле %1 %2: шлейф %3, %4</source>
        <translation>Реле %1 %2: шлейф %3, %4</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>замыкание</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>размыкание</translation>
    </message>
    <message>
        <source>Настройка включения реле</source>
        <translation>Настройка включения реле</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsFile</name>
    <message>
        <source>да</source>
        <translation>да</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>Объект находится под охраной</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Дозваниваться при постановке на охрану</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Дозваниваться при снятии с охраны</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Не использовать ключи Touch Memory</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное питание</source>
        <translation>Дозваниваться при переходе на резервное питание</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Дозваниваться при переходе на основное питание</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны</source>
        <translation>Выключать реле после снятия с охраны</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Обрабатывать события для реле после снятия с охраны</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>замыкание</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>размыкание</translation>
    </message>
    <message>
        <source>нормально замкнут</source>
        <translation>нормально замкнут</translation>
    </message>
    <message>
        <source>при замыкании</source>
        <translation>при замыкании</translation>
    </message>
    <message>
        <source>при размыкании</source>
        <translation>при размыкании</translation>
    </message>
    <message>
        <source>включить</source>
        <translation>включить</translation>
    </message>
    <message>
        <source>выключить</source>
        <translation>выключить</translation>
    </message>
    <message>
        <source>значение должно быть «да» или «нет»</source>
        <translation>значение должно быть «да» или «нет»</translation>
    </message>
    <message>
        <source>значение должно быть целым числом от 0 до %1</source>
        <translation>значение должно быть целым числом от 0 до %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Версия прошивки</translation>
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
        <translation>код ключа — 16 шестнадцатеричных цифр</translation>
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
        <translation>Реле %1, время включения, сек.</translation>
    </message>
    <message>
        <source>Занято памяти сообщений, сек.</source>
        <translation>Занято памяти сообщений, сек.</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>это не файл настроек охранной панели Orvanta</source>
        <translation>это не файл настроек охранной панели Orvanta</translation>
    </message>
    <message>
        <source>формат файла «%1», а программа понимает только формат %2</source>
        <translation>формат файла «%1», а программа понимает только формат %2</translation>
    </message>
    <message>
        <source>ожидается «название: значение»</source>
        <translation>ожидается «название: значение»</translation>
    </message>
    <message>
        <source>неизвестная настройка «%1»</source>
        <translation>неизвестная настройка «%1»</translation>
    </message>
    <message>
        <source>настройка «%1» уже была в строке %2</source>
        <translation>настройка «%1» уже была в строке %2</translation>
    </message>
    <message>
        <source>нет настройки «%1»</source>
        <translation>нет настройки «%1»</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Не удалось открыть файл %1: %2</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8: сохраните его в UTF-8</source>
        <translation>файл не в кодировке UTF-8: сохраните его в UTF-8</translation>
    </message>
    <message>
        <source>значение %1 округлено до %2: охранная панель хранит чётные секунды</source>
        <translation>значение %1 округлено до %2: охранная панель хранит чётные секунды</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9: цифру 0 охранная панель не принимает</source>
        <translation>пароль — от одной до пяти цифр от 1 до 9: цифру 0 охранная панель не принимает</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsReport</name>
    <message>
        <source>Настройки охранной панели Orvanta</source>
        <translation>Настройки охранной панели Orvanta</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>Откуда: %1</source>
        <translation>Откуда: %1</translation>
    </message>
    <message>
        <source>Прошивка: %1</source>
        <translation>Прошивка: %1</translation>
    </message>
    <message>
        <source>не прочитана</source>
        <translation>не прочитана</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>да</source>
        <translation>да</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>не прочитан</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>не задан</translation>
    </message>
    <message>
        <source>задан</source>
        <translation>задан</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Шлейфы</source>
        <translation>Шлейфы</translation>
    </message>
    <message>
        <source>не прочитаны</source>
        <translation>не прочитаны</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Замыкание</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Размыкание</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Нормально замкнут</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>шлейф %1, замыкание</source>
        <translation>шлейф %1, замыкание</translation>
    </message>
    <message>
        <source>шлейф %1, размыкание</source>
        <translation>шлейф %1, размыкание</translation>
    </message>
    <message>
        <source>Реле</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Время включения, с</source>
        <translation>Время включения, с</translation>
    </message>
    <message>
        <source>Включается</source>
        <translation>Включается</translation>
    </message>
    <message>
        <source>Выключается</source>
        <translation>Выключается</translation>
    </message>
    <message>
        <source>Ключей в ячейках: %1 из %2</source>
        <translation>Ключей в ячейках: %1 из %2</translation>
    </message>
    <message>
        <source>Ключи Touch Memory</source>
        <translation>Ключи Touch Memory</translation>
    </message>
    <message>
        <source>Голосовые сообщения</source>
        <translation>Голосовые сообщения</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами.</source>
        <translation>В списке нет сообщений с файлами.</translation>
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
        <translation>Длина, с</translation>
    </message>
    <message>
        <source>Память, %</source>
        <translation>Память, %</translation>
    </message>
    <message>
        <source>Последние записи в панель</source>
        <translation>Последние записи в панель</translation>
    </message>
    <message>
        <source>Записей ещё не было.</source>
        <translation>Записей ещё не было.</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Изменений</source>
        <translation>Изменений</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Не удалось создать файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>не слушали</source>
        <translation>не слушали</translation>
    </message>
    <message>
        <source>пик %1 дБFS, %2 с</source>
        <translation>пик %1 дБFS, %2 с</translation>
    </message>
    <message>
        <source>Последняя запись сообщений в панель</source>
        <translation>Последняя запись сообщений в панель</translation>
    </message>
    <message>
        <source>Начата %1; каждое сообщение прослушано на выводе звука.</source>
        <translation>Начата %1; каждое сообщение прослушано на выводе звука.</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Строка</translation>
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
        <translation>Услышано</translation>
    </message>
    <message>
        <source>Записи этой панели: того же порта и той же прошивки. Панели с одной прошивкой на одном порту здесь не различаются.</source>
        <translation>Записи этой панели: того же порта и той же прошивки. Панели с одной прошивкой на одном порту здесь не различаются.</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>нет файла</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>файл не читается</translation>
    </message>
    <message>
        <source>Память сообщений панели: занято %1 с из %2 мин. (прочитано из панели)</source>
        <translation>Память сообщений панели: занято %1 с из %2 мин. (прочитано из панели)</translation>
    </message>
    <message>
        <source>Сообщения списка заняли бы %1 с из %2 мин. (оценка по файлам, по %3 с на каждое сообщение сверх его звука)</source>
        <translation>Сообщения списка заняли бы %1 с из %2 мин. (оценка по файлам, по %3 с на каждое сообщение сверх его звука)</translation>
    </message>
    <message>
        <source>Внимание: это больше памяти панели (%1 мин.) на %2 с.</source>
        <translation>Внимание: это больше памяти панели (%1 мин.) на %2 с.</translation>
    </message>
    <message>
        <source>Строк, чей файл не найден или не читается: %1; они не посчитаны.</source>
        <translation>Строк, чей файл не найден или не читается: %1; они не посчитаны.</translation>
    </message>
</context>
<context>
    <name>orvanta::SiteLedger</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Не удалось записать журнал %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SitesTable</name>
    <message>
        <source>%1: не удалось прочитать: %2</source>
        <translation>%1: не удалось прочитать: %2</translation>
    </message>
    <message>
        <source>строка 1: неизвестный столбец «%1»: бывают %2</source>
        <translation>строка 1: неизвестный столбец «%1»: бывают %2</translation>
    </message>
    <message>
        <source>строка 1: столбец «%1» дважды</source>
        <translation>строка 1: столбец «%1» дважды</translation>
    </message>
    <message>
        <source>строка 1: нет столбца «site»</source>
        <translation>строка 1: нет столбца «site»</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>ячеек %1, а столбцов %2</source>
        <translation>ячеек %1, а столбцов %2</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых рядом</source>
        <translation>пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых рядом</translation>
    </message>
    <message>
        <source>%1: код ключа — 16 шестнадцатеричных цифр</source>
        <translation>%1: код ключа — 16 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>нет названия объекта</source>
        <translation>нет названия объекта</translation>
    </message>
    <message>
        <source>объект «%1» уже есть выше</source>
        <translation>объект «%1» уже есть выше</translation>
    </message>
    <message>
        <source>в таблице нет ни одного объекта</source>
        <translation>в таблице нет ни одного объекта</translation>
    </message>
</context>
<context>
    <name>orvanta::SnapshotJournal</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Не удалось записать журнал %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
    <message>
        <source>В журнале нет записи № %1</source>
        <translation>В журнале нет записи № %1</translation>
    </message>
    <message>
        <source>запись не закончена</source>
        <translation>запись не закончена</translation>
    </message>
    <message>
        <source>записано</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>прервано</source>
        <translation>прервано</translation>
    </message>
    <message>
        <source>панель не сохранила часть</source>
        <translation>панель не сохранила часть</translation>
    </message>
    <message>
        <source>Журнал %1 занят другой программой</source>
        <translation>Журнал %1 занят другой программой</translation>
    </message>
    <message>
        <source>Не удалось заблокировать журнал %1</source>
        <translation>Не удалось заблокировать журнал %1</translation>
    </message>
    <message numerus="yes">
        <source>%n изм.</source>
        <translation>
            <numerusform>%n изменение</numerusform>
            <numerusform>%n изменения</numerusform>
            <numerusform>%n изменений</numerusform>
        </translation>
    </message>
    <message>
        <source>панель отказала</source>
        <translation>панель отказала</translation>
    </message>
    <message>
        <source>записано, не проверено</source>
        <translation>записано, не проверено</translation>
    </message>
    <message>
        <source>повреждённая строка журнала</source>
        <translation>повреждённая строка журнала</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundDevicesDialog</name>
    <message>
        <source>Устройства звука</source>
        <translation>Устройства звука</translation>
    </message>
    <message>
        <source>Вывод звука (к панели):</source>
        <translation>Вывод звука (к панели):</translation>
    </message>
    <message>
        <source>Запись звука (микрофон):</source>
        <translation>Запись звука (микрофон):</translation>
    </message>
    <message>
        <source>Проверочный тон</source>
        <translation>Проверочный тон</translation>
    </message>
    <message>
        <source>Тон 1 кГц на выбранном выводе, с громкостью выровненных сообщений: по нему настраивают уровень входа панели</source>
        <translation>Тон 1 кГц на выбранном выводе, с громкостью выровненных сообщений: по нему настраивают уровень входа панели</translation>
    </message>
    <message>
        <source>Звучит тон 1 кГц на &quot;%1&quot;…</source>
        <translation>Звучит тон 1 кГц на &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>По умолчанию (%1)</source>
        <translation>По умолчанию (%1)</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 (нет на сервере звука)</source>
        <translation>%1 (нет на сервере звука)</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundImport</name>
    <message>
        <source>Не удалось создать папку &quot;%1&quot;</source>
        <translation>Не удалось создать папку &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Не удалось вернуть файл &quot;%1&quot;: %2</source>
        <translation>Не удалось вернуть файл &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundList</name>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Не удалось открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Не удалось создать файл %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundPage</name>
    <message>
        <source>Звук сообщения</source>
        <translation>Звук сообщения</translation>
    </message>
    <message>
        <source>Уровень звука</source>
        <translation>Уровень звука</translation>
    </message>
    <message>
        <source>Исправлять ошибки</source>
        <translation>Исправлять ошибки</translation>
    </message>
    <message>
        <source>Проиграть с начала</source>
        <translation>Проиграть с начала</translation>
    </message>
    <message>
        <source>Проиграть сообщение с номером</source>
        <translation>Проиграть сообщение с номером</translation>
    </message>
    <message>
        <source>Проиграть очередного сообщения</source>
        <translation>Проиграть очередного сообщения</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Состояние памяти</source>
        <translation>Состояние памяти</translation>
    </message>
    <message>
        <source>Начать запись</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Воспроизвести с начала</source>
        <translation>Воспроизвести с начала</translation>
    </message>
    <message>
        <source>Воспроизвести (Пробел)</source>
        <translation>Воспроизвести (Пробел)</translation>
    </message>
    <message>
        <source>Остановить воспроизведение/запись (Esc, Пробел)</source>
        <translation>Остановить воспроизведение/запись (Esc, Пробел)</translation>
    </message>
    <message>
        <source>Удалить выделенный фрагмент (Delete, Ctrl+X)</source>
        <translation>Удалить выделенный фрагмент (Delete, Ctrl+X)</translation>
    </message>
    <message>
        <source>Преобразовать выделенный фрагмент в тишину</source>
        <translation>Преобразовать выделенный фрагмент в тишину</translation>
    </message>
    <message>
        <source>Отменить последнее действие (Ctrl+Z)</source>
        <translation>Отменить последнее действие (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Загрузить звук из файла…</source>
        <translation>Загрузить звук из файла…</translation>
    </message>
    <message>
        <source>Озвучить текст сообщения</source>
        <translation>Озвучить текст сообщения</translation>
    </message>
    <message>
        <source>Удалить тишину в начале и в конце</source>
        <translation>Удалить тишину в начале и в конце</translation>
    </message>
    <message>
        <source>Выровнять громкость</source>
        <translation>Выровнять громкость</translation>
    </message>
    <message>
        <source>Показать всё сообщение (Ctrl+0; приблизить и отдалить: Ctrl+колесо мыши)</source>
        <translation>Показать всё сообщение (Ctrl+0; приблизить и отдалить: Ctrl+колесо мыши)</translation>
    </message>
    <message>
        <source>Устройства звука и проверочный тон…</source>
        <translation>Устройства звука и проверочный тон…</translation>
    </message>
    <message>
        <source>Начало и длина выделенного фрагмента</source>
        <translation>Начало и длина выделенного фрагмента</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Звуковые файлы (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;Все файлы (*)</source>
        <translation>Звуковые файлы (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;Все файлы (*)</translation>
    </message>
    <message>
        <source>В строке %1 нет текста сообщения: озвучивать нечего.</source>
        <translation>В строке %1 нет текста сообщения: озвучивать нечего.</translation>
    </message>
    <message>
        <source> с</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Начало %1
Длина %2</source>
        <translation>Начало %1
Длина %2</translation>
    </message>
    <message>
        <source>Сообщения в списке: %1 мин. %2 сек. из %3 мин.</source>
        <translation>Сообщения в списке: %1 мин. %2 сек. из %3 мин.</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundServer</name>
    <message>
        <source>Сервер звука не отвечает: запустите его (или войдите в сеанс рабочего стола) и запустите запись снова</source>
        <translation>Сервер звука не отвечает: запустите его (или войдите в сеанс рабочего стола) и запустите запись снова</translation>
    </message>
    <message>
        <source>Вывода звука «%1» нет на сервере звука: выберите вывод в «Устройства звука» и запустите запись снова</source>
        <translation>Вывода звука «%1» нет на сервере звука: выберите вывод в «Устройства звука» и запустите запись снова</translation>
    </message>
    <message>
        <source>Вывод звука «%1» выключен (без звука): включите его и запустите запись снова</source>
        <translation>Вывод звука «%1» выключен (без звука): включите его и запустите запись снова</translation>
    </message>
    <message>
        <source>Громкость вывода звука «%1» — %2 %: поднимите её не ниже %3 % и запустите запись снова</source>
        <translation>Громкость вывода звука «%1» — %2 %: поднимите её не ниже %3 % и запустите запись снова</translation>
    </message>
    <message>
        <source>К выводу звука «%1» ничего не подключено (%2): подключите кабель охранной панели и запустите запись снова</source>
        <translation>К выводу звука «%1» ничего не подключено (%2): подключите кабель охранной панели и запустите запись снова</translation>
    </message>
    <message>
        <source>Сервер звука перенёс звук с вывода «%1» на «%2»</source>
        <translation>Сервер звука перенёс звук с вывода «%1» на «%2»</translation>
    </message>
    <message>
        <source>Звук этой программы выключен в настройках звука (без звука): включите его и запустите запись снова</source>
        <translation>Звук этой программы выключен в настройках звука (без звука): включите его и запустите запись снова</translation>
    </message>
    <message>
        <source>Громкость звука этой программы — %1 %: поднимите её не ниже %2 % и запустите запись снова</source>
        <translation>Громкость звука этой программы — %1 %: поднимите её не ниже %2 % и запустите запись снова</translation>
    </message>
    <message>
        <source>Нет связи с сервером звука: звук не воспроизводится и не записывается, пока сервер не вернётся</source>
        <translation>Нет связи с сервером звука: звук не воспроизводится и не записывается, пока сервер не вернётся</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundSession</name>
    <message>
        <source>вывода звука &quot;%1&quot;</source>
        <translation>вывода звука &quot;%1&quot;</translation>
    </message>
    <message>
        <source>записи звука &quot;%1&quot;</source>
        <translation>записи звука &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Устройства %1 больше нет: звук идёт через устройство по умолчанию</source>
        <translation>Устройства %1 больше нет: звук идёт через устройство по умолчанию</translation>
    </message>
    <message>
        <source> и </source>
        <translation> и </translation>
    </message>
</context>
<context>
    <name>orvanta::SoundUpload</name>
    <message>
        <source>Сообщения займут %1 мин. %2 сек., а память охранной панели вмещает %3 мин.: последние сообщения не поместятся.

Записать сообщения всё равно?</source>
        <translation>Сообщения займут %1 мин. %2 сек., а память охранной панели вмещает %3 мин.: последние сообщения не поместятся.

Записать сообщения всё равно?</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: порт не открыт, сообщения не записаны. Выберите порт и проверьте связь.</source>
        <translation>Нет связи с охранной панелью &quot;Orvanta&quot;: порт не открыт, сообщения не записаны. Выберите порт и проверьте связь.</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: последний обмен с панелью не удался, сообщения не записаны. Проверьте подключение и связь.</source>
        <translation>Нет связи с охранной панелью &quot;Orvanta&quot;: последний обмен с панелью не удался, сообщения не записаны. Проверьте подключение и связь.</translation>
    </message>
    <message>
        <source>Остановка после текущего сообщения…</source>
        <translation>Остановка после текущего сообщения…</translation>
    </message>
    <message>
        <source>Процесс записи завершен!</source>
        <translation>Процесс записи завершен!</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Записано сообщений: %1 из %2</translation>
    </message>
    <message>
        <source>; не записано сообщение %1</source>
        <translation>; не записано сообщение %1</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Текстовый файл (*.txt);;Все файлы (*.*)</source>
        <translation>Текстовый файл (*.txt);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Процесс записи</source>
        <translation>Процесс записи</translation>
    </message>
    <message>
        <source>Записать звук в устройство</source>
        <translation>Записать звук в устройство</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3</source>
        <translation>Строка %1, &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>и ещё строк: %1</source>
        <translation>и ещё строк: %1</translation>
    </message>
    <message>
        <source>Сообщения не записаны: эти строки списка нельзя воспроизвести. Исправьте их или очистите в них имя файла и запустите запись снова; ничего не отправлено в охранную панель.

%1</source>
        <translation>Сообщения не записаны: эти строки списка нельзя воспроизвести. Исправьте их или очистите в них имя файла и запустите запись снова; ничего не отправлено в охранную панель.

%1</translation>
    </message>
    <message>
        <source>Сообщения не записаны.

%1.</source>
        <translation>Сообщения не записаны.

%1.</translation>
    </message>
    <message>
        <source>Услышано на выводе звука: %1</source>
        <translation>Услышано на выводе звука: %1</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1</source>
        <translation>Квитанции сообщений не записаны в журнал: %1</translation>
    </message>
    <message>
        <source>Сообщение %1 услышано на выводе звука: %2</source>
        <translation>Сообщение %1 услышано на выводе звука: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::Speech</name>
    <message>
        <source>Синтезатор речи espeak-ng не запускается: %1</source>
        <translation>Синтезатор речи espeak-ng не запускается: %1</translation>
    </message>
    <message>
        <source>Не удалось изменить частоту отсчётов: %1</source>
        <translation>Не удалось изменить частоту отсчётов: %1</translation>
    </message>
    <message>
        <source>Нет голоса «%1» для синтеза речи: %2</source>
        <translation>Нет голоса «%1» для синтеза речи: %2</translation>
    </message>
    <message>
        <source>Текст не удалось озвучить: %1</source>
        <translation>Текст не удалось озвучить: %1</translation>
    </message>
    <message>
        <source>Синтезатор речи не дал звука для текста «%1»</source>
        <translation>Синтезатор речи не дал звука для текста «%1»</translation>
    </message>
</context>
<context>
    <name>orvanta::SupportBundle</name>
    <message>
        <source>Нет временной папки: %1</source>
        <translation>Нет временной папки: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>%1: нет в папке %2</source>
        <translation>%1: нет в папке %2</translation>
    </message>
    <message>
        <source>архиватор tar не найден</source>
        <translation>архиватор tar не найден</translation>
    </message>
    <message>
        <source>архив не собран (мало места во временной папке?)</source>
        <translation>архив не собран (мало места во временной папке?)</translation>
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
        <translation>Подготовка записи...</translation>
    </message>
    <message>
        <source>Идет запись...   %1 из %2</source>
        <translation>Идет запись...   %1 из %2</translation>
    </message>
    <message>
        <source>Произнесите фразу и нажмите кнопку &quot;Стоп&quot;.</source>
        <translation>Произнесите фразу и нажмите кнопку &quot;Стоп&quot;.</translation>
    </message>
    <message>
        <source>Озвучивание...</source>
        <translation>Озвучивание...</translation>
    </message>
    <message>
        <source>Ошибка воспроизведения!</source>
        <translation>Ошибка воспроизведения!</translation>
    </message>
</context>
<context>
    <name>orvanta::TfContact</name>
    <message>
        <source>Настройка охранной панели &quot;Orvanta&quot;</source>
        <translation>Настройка охранной панели &quot;Orvanta&quot;</translation>
    </message>
    <message>
        <source>окно занято другим делом</source>
        <translation>окно занято другим делом</translation>
    </message>
</context>
<context>
    <name>orvanta::TfWait</name>
    <message>
        <source>Обмен данными</source>
        <translation>Обмен данными</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadCheck</name>
    <message>
        <source>в файле нет звука</source>
        <translation>в файле нет звука</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadSession</name>
    <message>
        <source>Звук прерван: %1</source>
        <translation>Звук прерван: %1</translation>
    </message>
    <message>
        <source>Сервер звука не даёт услышать вывод звука «%1»: проверить, что сообщение прозвучало, нельзя</source>
        <translation>Сервер звука не даёт услышать вывод звука «%1»: проверить, что сообщение прозвучало, нельзя</translation>
    </message>
    <message>
        <source>Вывод звука «%1» нельзя услышать: %2</source>
        <translation>Вывод звука «%1» нельзя услышать: %2</translation>
    </message>
    <message>
        <source>сервер звука перестал давать слышать вывод звука (%1)</source>
        <translation>сервер звука перестал давать слышать вывод звука (%1)</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveDevice</name>
    <message>
        <source>вывода звука</source>
        <translation>вывода звука</translation>
    </message>
    <message>
        <source>записи звука</source>
        <translation>записи звука</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не найден</source>
        <translation>Файл &quot;%1&quot; не найден</translation>
    </message>
    <message>
        <source>Звуковой файл не открыт</source>
        <translation>Звуковой файл не открыт</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Не удалось создать файл &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: частота его отсчётов не подходит устройству</source>
        <translation>Звук из файла &quot;%1&quot; не может быть воспроизведён: частота его отсчётов не подходит устройству</translation>
    </message>
    <message>
        <source>Нет устройства %1</source>
        <translation>Нет устройства %1</translation>
    </message>
    <message>
        <source>Нет устройства %1 &quot;%2&quot;</source>
        <translation>Нет устройства %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: %2</source>
        <translation>Звук из файла &quot;%1&quot; не может быть воспроизведён: %2</translation>
    </message>
    <message>
        <source>Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает</source>
        <translation>Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает</translation>
    </message>
    <message>
        <source>Звук прерван: %1</source>
        <translation>Звук прерван: %1</translation>
    </message>
    <message>
        <source>Устройство вывода звука не принимает звук: %1</source>
        <translation>Устройство вывода звука не принимает звук: %1</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>Запись прервана: %1</translation>
    </message>
    <message>
        <source>сервер звука не отвечает</source>
        <translation>сервер звука не отвечает</translation>
    </message>
    <message>
        <source>устройства вывода звука &quot;%1&quot; больше нет</source>
        <translation>устройства вывода звука &quot;%1&quot; больше нет</translation>
    </message>
    <message>
        <source>устройства записи звука &quot;%1&quot; больше нет</source>
        <translation>устройства записи звука &quot;%1&quot; больше нет</translation>
    </message>
    <message>
        <source>Устройство записи звука не отвечает: %1</source>
        <translation>Устройство записи звука не отвечает: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveFile</name>
    <message>
        <source>Не удалось открыть файл</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Не удалось загрузить файл</source>
        <translation>Не удалось загрузить файл</translation>
    </message>
    <message>
        <source>в файле нет звука</source>
        <translation>в файле нет звука</translation>
    </message>
    <message>
        <source>частота отсчётов %1 Гц: можно от %2 до %3 Гц</source>
        <translation>частота отсчётов %1 Гц: можно от %2 до %3 Гц</translation>
    </message>
    <message>
        <source>звук длиннее %1 сек.</source>
        <translation>звук длиннее %1 сек.</translation>
    </message>
    <message>
        <source>Не удалось создать файл</source>
        <translation>Не удалось создать файл</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;: %2</source>
        <translation>Не удалось записать файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>формат файла не распознан</source>
        <translation>формат файла не распознан</translation>
    </message>
</context>
<context>
    <name>orvanta::WindowPages</name>
    <message>
        <source>Запись звука</source>
        <translation>Запись звука</translation>
    </message>
</context>
<context>
    <name>orvanta::WindowState</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Invalid data type for &apos;%1&apos;</translation>
    </message>
</context>
</TS>
