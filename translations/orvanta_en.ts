<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Cli</name>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; ни на одном порту.
</source>
        <translation>No connection with the Orvanta panel on any port.
</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot; на порту %1.
</source>
        <translation>No connection with the Orvanta panel on port %1.
</translation>
    </message>
    <message>
        <source>Чтение настроек</source>
        <translation>Reading settings</translation>
    </message>
    <message>
        <source>%1 сек.
</source>
        <translation>%1 s
</translation>
    </message>
    <message>
        <source>Не удалось прочитать стандартный ввод</source>
        <translation>Could not read standard input</translation>
    </message>
    <message>
        <source>orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, добавьте --yes
</source>
        <translation>orvanta-cli: no terminal to ask on; to write without asking, add --yes
</translation>
    </message>
    <message>
        <source>Записать эти настройки в охранную панель? [д/н] </source>
        <translation>Write these settings to the panel? [y/n] </translation>
    </message>
    <message>
        <source>д,да</source>
        <comment>the answers that mean yes, comma-separated</comment>
        <translation>y,yes</translation>
    </message>
    <message>
        <source>Панель уже хранит эти настройки.
</source>
        <translation>The panel already holds these settings.
</translation>
    </message>
    <message>
        <source>Изменится:
</source>
        <translation>Changes:
</translation>
    </message>
    <message>
        <source>Прежние настройки сохранены; вернуть их: orvanta-cli restore %1
</source>
        <translation>The previous settings have been kept; to bring them back: orvanta-cli restore %1
</translation>
    </message>
    <message>
        <source>Запись настроек</source>
        <translation>Writing settings</translation>
    </message>
    <message>
        <source>Записано; панель хранит эти настройки.
</source>
        <translation>Written; the panel holds these settings.
</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4
</source>
        <translation>Snapshot No. %1 taken %2, port %3, %4
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE
</source>
        <translation>orvanta-cli: %1 is not in the message format (WAV PCM, 16-bit, mono) and will not be overwritten, but %2 already exists: give an output file: -o FILE
</translation>
    </message>
    <message>
        <source>Без изменений.
</source>
        <translation>No changes.
</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1
</source>
        <translation>Could not create file %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: %1 needs a value
</source>
        <translation>orvanta-cli: %1 needs a value
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown option %1 (see --help)
</source>
        <translation>orvanta-cli: unknown option %1 (see --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: one file at most (see --help)
</source>
        <translation>orvanta-cli: one file at most (see --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown language %1: %2 or %3
</source>
        <translation>orvanta-cli: unknown language %1: %2 or %3
</translation>
    </message>
    <message>
        <source>orvanta-cli: unknown command %1 (see --help)
</source>
        <translation>orvanta-cli: unknown command %1 (see --help)
</translation>
    </message>
    <message>
        <source>orvanta-cli: no such Config.ini: %1
</source>
        <translation>orvanta-cli: no such Config.ini: %1
</translation>
    </message>
    <message>
        <source> (нет такого файла)</source>
        <translation> (no such file)</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;: %1
</source>
        <translation>Error communicating with the Orvanta panel: %1
</translation>
    </message>
    <message>
        <source>orvanta-cli: внутренняя ошибка программы: %1
</source>
        <translation>orvanta-cli: internal program error: %1
</translation>
    </message>
    <message>
        <source>Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — «%2».
</source>
        <translation>Warning: the settings were read from a panel with firmware &quot;%1&quot;, and this panel has &quot;%2&quot;.
</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1
</source>
        <translation>Snapshot of the previous settings: %1
</translation>
    </message>
    <message>
        <source>the ports it would try: device, and whether it can be opened</source>
        <translation>the ports it would try: device, and whether it can be opened</translation>
    </message>
    <message>
        <source>Lists each port name with its device and whether it can be opened: free, busy (and by which program), no permission (and how to get it), absent, no serial port. A serial adapter also gets its name (model and serial number) and its stable path in /dev/serial/by-id, by which the same adapter is found again under another number.
</source>
        <translation>Lists each port name with its device and whether it can be opened: free, busy (and by which program), no permission (and how to get it), absent, no serial port. A serial adapter also gets its name (model and serial number) and its stable path in /dev/serial/by-id, by which the same adapter is found again under another number.
</translation>
    </message>
    <message>
        <source>looks for the panel on the ports; prints the port and firmware</source>
        <translation>looks for the panel on the ports; prints the port and firmware</translation>
    </message>
    <message>
        <source>Tries the port (or every port, COM2 first) and prints the first that the panel answers on, with its firmware version. Exit 3 when none, with the reason for each port tried.
</source>
        <translation>Tries the port (or every port, COM2 first) and prints the first that the panel answers on, with its firmware version. Exit 3 when none, with the reason for each port tried.
</translation>
    </message>
    <message>
        <source>reads the panel&apos;s settings into FILE (or prints them)</source>
        <translation>reads the panel&apos;s settings into FILE (or prints them)</translation>
    </message>
    <message>
        <source>Reads every setting of the panel into a settings file, or to standard output. The password only with --password.
</source>
        <translation>Reads every setting of the panel into a settings file, or to standard output. The password only with --password.
</translation>
    </message>
    <message>
        <source>shows what would change, asks, writes, and checks the panel</source>
        <translation>shows what would change, asks, writes, and checks the panel</translation>
    </message>
    <message>
        <source>Reads the panel, lists what the file would change, asks (unless --yes), writes, reads back and reports any setting the panel did not keep. Exit 0 when the panel holds the file&apos;s settings, 4 when it does not (it refused a part, or kept other values), 7 when the write was cut off, 9 when it could not be read back to check.
</source>
        <translation>Reads the panel, lists what the file would change, asks (unless --yes), writes, reads back and reports any setting the panel did not keep. Exit 0 when the panel holds the file&apos;s settings, 4 when it does not (it refused a part, or kept other values), 7 when the write was cut off, 9 when it could not be read back to check.
</translation>
    </message>
    <message>
        <source>lists the settings in which the panel differs from FILE</source>
        <translation>lists the settings in which the panel differs from FILE</translation>
    </message>
    <message>
        <source>Lists each setting in which the panel differs from the file. Exit 0 when none, 1 when some.
</source>
        <translation>Lists each setting in which the panel differs from the file. Exit 0 when none, 1 when some.
</translation>
    </message>
    <message>
        <source>the writes so far, each with the snapshot taken before it</source>
        <translation>the writes so far, each with the snapshot taken before it</translation>
    </message>
    <message>
        <source>Lists the writes so far: number, time, port, firmware, how it ended, and how many settings it changed. Each has the snapshot of what the panel held before it.
</source>
        <translation>Lists the writes so far: number, time, port, firmware, how it ended, and how many settings it changed. Each has the snapshot of what the panel held before it.
</translation>
    </message>
    <message>
        <source>writes snapshot N back (compare, confirm, verify as write)</source>
        <translation>writes snapshot N back (compare, confirm, verify as write)</translation>
    </message>
    <message>
        <source>Writes snapshot N (see history) back into the panel: shows its date, port and the differences, asks, writes, reads back. A snapshot of the panel is kept first, as for every write.
</source>
        <translation>Writes snapshot N (see history) back into the panel: shows its date, port and the differences, asks, writes, reads back. A snapshot of the panel is kept first, as for every write.
</translation>
    </message>
    <message>
        <source>checks a settings file and prints it</source>
        <translation>checks a settings file and prints it</translation>
    </message>
    <message>
        <source>Checks a settings file and prints it as the tool writes it.
</source>
        <translation>Checks a settings file and prints it as the tool writes it.
</translation>
    </message>
    <message>
        <source>speaks the text in Russian as a message (44.1 kHz, 16 bits)</source>
        <translation>speaks the text in Russian as a message (44.1 kHz, 16 bits)</translation>
    </message>
    <message>
        <source>Speaks the text in Russian (espeak-ng) and keeps it as a voice message: PCM mono 44.1 kHz 16-bit.
</source>
        <translation>Speaks the text in Russian (espeak-ng) and keeps it as a voice message: PCM mono 44.1 kHz 16-bit.
</translation>
    </message>
    <message>
        <source>removes the silence at both ends of a message</source>
        <translation>removes the silence at both ends of a message</translation>
    </message>
    <message>
        <source>Removes the silence at both ends of a voice message (keeping 50 ms beside the sound), so that it takes less of the panel&apos;s memory. A file that is no 16-bit mono PCM WAV is never written over: the result goes to OUT, or to a WAV file of its name beside it.
</source>
        <translation>Removes the silence at both ends of a voice message (keeping 50 ms beside the sound), so that it takes less of the panel&apos;s memory. A file that is no 16-bit mono PCM WAV is never written over: the result goes to OUT, or to a WAV file of its name beside it.
</translation>
    </message>
    <message>
        <source>brings a message&apos;s peak to -1 dBFS</source>
        <translation>brings a message&apos;s peak to -1 dBFS</translation>
    </message>
    <message>
        <source>Scales a voice message so that its peak reaches -1 dBFS, so that the messages sound even. Any file as for trim.
</source>
        <translation>Scales a voice message so that its peak reaches -1 dBFS, so that the messages sound even. Any file as for trim.
</translation>
    </message>
    <message>
        <source>makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)</source>
        <translation>makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)</translation>
    </message>
    <message>
        <source>Converts a sound file of any format the tool reads (WAV of any kind, FLAC, Ogg, MP3) into a voice message: PCM mono 44.1 kHz 16-bit. A sound longer than the panel&apos;s memory is refused.
</source>
        <translation>Converts a sound file of any format the tool reads (WAV of any kind, FLAC, Ogg, MP3) into a voice message: PCM mono 44.1 kHz 16-bit. A sound longer than the panel&apos;s memory is refused.
</translation>
    </message>
    <message>
        <source>this text, or a command&apos;s</source>
        <translation>this text, or a command&apos;s</translation>
    </message>
    <message>
        <source>The program&apos;s help, or a command&apos;s.
</source>
        <translation>The program&apos;s help, or a command&apos;s.
</translation>
    </message>
    <message>
        <source>Usage: orvanta-cli %1

%2</source>
        <translation>Usage: orvanta-cli %1

%2</translation>
    </message>
    <message>
        <source>Ожидание охранной панели (до %1 сек.)…
</source>
        <translation>Waiting for a panel (up to %1 s)…
</translation>
    </message>
    <message>
        <source>Ни на одном порту не ответила новая охранная панель за %1 сек.
</source>
        <translation>No new panel answered on any port within %1 s.
</translation>
    </message>
    <message>
        <source>waits for a panel to answer; prints its port</source>
        <translation>waits for a panel to answer; prints its port</translation>
    </message>
    <message>
        <source>makes a settings report (PDF) of the panel or of FILE</source>
        <translation>makes a settings report (PDF) of the panel or of FILE</translation>
    </message>
    <message>
        <source>saves what the support desk needs, secrets removed</source>
        <translation>saves what the support desk needs, secrets removed</translation>
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
        <translation>Environment:
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
        <translation>Usage: orvanta-config [DEBUG] [--lang L]

The configuration tool of the Orvanta GSM security panel: finds the panel on a serial port,
reads and writes its settings, records, trims and plays the voice messages and uploads them
into the panel.

Options:
  DEBUG          debug mode: the panel&apos;s debug buttons, and every exchange kept in log.txt
  --lang L       the language: %1; without it
                 Config.ini&apos;s [Main] Language, else the one last chosen in the &quot;File…&quot; menu,
                 else Russian
  --version      the version
  --help         this text
</translation>
    </message>
    <message>
        <source>Examples:
  orvanta-config          starts in the language last chosen
  orvanta-config --lang en
                          starts in English
  orvanta-config DEBUG    starts in debug mode: the debug buttons, every exchange in log.txt
</source>
        <translation>Examples:
  orvanta-config          starts in the language last chosen
  orvanta-config --lang en
                          starts in English
  orvanta-config DEBUG    starts in debug mode: the debug buttons, every exchange in log.txt
</translation>
    </message>
    <message>
        <source>
Остановка после текущего сообщения… (ещё раз Ctrl+C — сразу)
</source>
        <translation>
Stopping after the current message… (Ctrl+C again: at once)
</translation>
    </message>
    <message>
        <source>Нет списков сообщений: %1, %2
</source>
        <translation>No message lists: %1, %2
</translation>
    </message>
    <message>
        <source>Сообщения не записаны: %1.
</source>
        <translation>The messages were not uploaded: %1.
</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3
</source>
        <translation>Row %1, &quot;%2&quot;: %3
</translation>
    </message>
    <message>
        <source>Ничего не отправлено в охранную панель.
</source>
        <translation>Nothing was sent to the panel.
</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами: записывать нечего.
</source>
        <translation>The list holds no message with a file: nothing to upload.
</translation>
    </message>
    <message>
        <source>Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: последние не поместятся. Записать всё равно: --yes
</source>
        <translation>The messages take %1 s and the panel&apos;s memory holds %2 min: the last ones will not fit. To upload them all the same: --yes
</translation>
    </message>
    <message>
        <source>Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.
</source>
        <translation>Ready to upload: %1 messages, %2 s of %3 min; nothing was sent.
</translation>
    </message>
    <message>
        <source>Сообщение %1 (%2): осталось %3 с</source>
        <translation>Message %1 (%2): %3 s left</translation>
    </message>
    <message>
        <source>Сообщение %1: %2
</source>
        <translation>Message %1: %2
</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1
</source>
        <translation>The messages&apos; receipts were not written to the journal: %1
</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Messages uploaded: %1 of %2</translation>
    </message>
    <message>
        <source>puts the listed voice messages into the panel</source>
        <translation>puts the listed voice messages into the panel</translation>
    </message>
    <message>
        <source>Plays each message of the lists (the window&apos;s, or --messages and --sounds) into the panel while it records, as the window&apos;s upload does: every file is checked first and nothing is sent unless all can be played; each message is heard on the output and verified in the panel&apos;s table, with a receipt in the upload journal. Ctrl+C stops after the message being sent; a second Ctrl+C at once. --check checks and sends nothing; --yes uploads messages longer than the memory. Exit 0 when every message went in, 11 when nothing was sent, 12 when it stopped part-way.
</source>
        <translation>Plays each message of the lists (the window&apos;s, or --messages and --sounds) into the panel while it records, as the window&apos;s upload does: every file is checked first and nothing is sent unless all can be played; each message is heard on the output and verified in the panel&apos;s table, with a receipt in the upload journal. Ctrl+C stops after the message being sent; a second Ctrl+C at once. --check checks and sends nothing; --yes uploads messages longer than the memory. Exit 0 when every message went in, 11 when nothing was sent, 12 when it stopped part-way.
</translation>
    </message>
    <message>
        <source>Чтение таблицы</source>
        <translation>Reading the table</translation>
    </message>
    <message>
        <source>Запись таблицы</source>
        <translation>Writing the table</translation>
    </message>
    <message>
        <source>saves the panel&apos;s message table to FILE, or writes it back</source>
        <translation>saves the panel&apos;s message table to FILE, or writes it back</translation>
    </message>
    <message>
        <source>The panel&apos;s message address table, as the window&apos;s debug buttons keep it: save reads its 54 words into FILE; load writes FILE&apos;s words into the panel, each read back and written again while it differs.
</source>
        <translation>The panel&apos;s message address table, as the window&apos;s debug buttons keep it: save reads its 54 words into FILE; load writes FILE&apos;s words into the panel, each read back and written again while it differs.
</translation>
    </message>
    <message>
        <source>Waits until a panel answers on a port where none answered when the wait began: an adapter plugged in, or a cable moved to the next panel. Prints that port, for --port of the next command. A panel that answers already counts only with --any, or once it has fallen silent or its adapter has gone: the next panel plugged in under the same name is a new one. Exit 3 when none comes within the time (default 300 s).
</source>
        <translation>Waits until a panel answers on a port where none answered when the wait began: an adapter plugged in, or a cable moved to the next panel. Prints that port, for --port of the next command. A panel that answers already counts only with --any, or once it has fallen silent or its adapter has gone: the next panel plugged in under the same name is a new one. Exit 3 when none comes within the time (default 300 s).
</translation>
    </message>
    <message>
        <source>
Остановка, когда закончится запись в эту панель…
</source>
        <translation>
Stopping once the write into this panel has ended…
</translation>
    </message>
    <message>
        <source>Все объекты таблицы уже запрограммированы (см. %1); заново: --again
</source>
        <translation>Every site of the table is programmed already (see %1); again: --again
</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1
</source>
        <translation>Cannot make the folder %1
</translation>
    </message>
    <message>
        <source>На порту %1 уже отвечает охранная панель: она будет запрограммирована, если её подключить заново.
</source>
        <translation>A panel answers on %1 already: it is programmed if it is plugged in again.
</translation>
    </message>
    <message>
        <source>Подключите охранную панель…
</source>
        <translation>Plug in the panel…
</translation>
    </message>
    <message>
        <source>Подключите охранную панель объекта «%1»…
</source>
        <translation>Plug in the panel of site &quot;%1&quot;…
</translation>
    </message>
    <message>
        <source>Готово: %1. Подключите следующую панель…
</source>
        <translation>Done: %1. Plug in the next panel…
</translation>
    </message>
    <message>
        <source>Makes the settings report, an A4 PDF in the interface&apos;s language, of the panel&apos;s settings (read from it) or of a settings file: the general options, the loops and relays as tables, how many key slots hold a key, whether a password is set, the voice messages with the memory they take, and the last writes (of the site with --site, else of the panel&apos;s port and firmware). Never a key code or the password&apos;s digits. Without -o it is report.pdf, or report-NAME.pdf with --site.
</source>
        <translation>Makes the settings report, an A4 PDF in the interface&apos;s language, of the panel&apos;s settings (read from it) or of a settings file: the general options, the loops and relays as tables, how many key slots hold a key, whether a password is set, the voice messages with the memory they take, and the last writes (of the site with --site, else of the panel&apos;s port and firmware). Never a key code or the password&apos;s digits. Without -o it is report.pdf, or report-NAME.pdf with --site.
</translation>
    </message>
    <message>
        <source>Writes one archive for the support desk: the versions, Config.ini, the window state, the last 1,000 lines of the log, the journal with its snapshots, what ports says, the sound devices, the message lists and a report of the last snapshot. Passwords and key codes are replaced by a mark everywhere in it; a file that cannot be read is listed in skipped.txt. With --site the report is of that site&apos;s last snapshot; --sites puts a table of sites in, its passwords and keys replaced. Without -o it is orvanta-support-YYYY-MM-DD-HHMMSS.tar.gz in the current folder.
</source>
        <translation>Writes one archive for the support desk: the versions, Config.ini, the window state, the last 1,000 lines of the log, the journal with its snapshots, what ports says, the sound devices, the message lists and a report of the last snapshot. Passwords and key codes are replaced by a mark everywhere in it; a file that cannot be read is listed in skipped.txt. With --site the report is of that site&apos;s last snapshot; --sites puts a table of sites in, its passwords and keys replaced. Without -o it is orvanta-support-YYYY-MM-DD-HHMMSS.tar.gz in the current folder.
</translation>
    </message>
    <message>
        <source>programs one panel after another from a template</source>
        <translation>programs one panel after another from a template</translation>
    </message>
    <message>
        <source>Programs a line of panels: for each row of the sites table (a header site,password,key1,key2,key3,key4; &quot;,&quot; or &quot;;&quot;; UTF-8 or Windows-1251; password and keys optional, each over the template&apos;s) it waits for a panel that starts to answer, reads it whole, writes the template with the row&apos;s password and keys (checked, with a snapshot), uploads the messages as upload does, makes the report DIR/SITE.pdf and adds a line to the ledger (default ledger.csv): time, site, port, stable path, adapter serial, firmware, snapshot, each step&apos;s outcome and the report, never a secret. The table, the template and the messages are all checked first: a bad row is named by its line and nothing is programmed. The panel just programmed must be pulled (or re-plugged) before the next counts. A site the ledger says is done is skipped unless --again; without a table it goes on for --count panels, or until Ctrl+C. A failed step ends the run unless --keep-going. Ctrl+C while waiting ends at once; during a write it ends once the write did; during an upload as upload&apos;s Ctrl+C. Exit 0 when every row is done, 12 when stopped by Ctrl+C, else the status of the step that ended the run (3, 4, 6, 7, 9, 10, 11, 12).
</source>
        <translation>Programs a line of panels: for each row of the sites table (a header site,password,key1,key2,key3,key4; &quot;,&quot; or &quot;;&quot;; UTF-8 or Windows-1251; password and keys optional, each over the template&apos;s) it waits for a panel that starts to answer, reads it whole, writes the template with the row&apos;s password and keys (checked, with a snapshot), uploads the messages as upload does, makes the report DIR/SITE.pdf and adds a line to the ledger (default ledger.csv): time, site, port, stable path, adapter serial, firmware, snapshot, each step&apos;s outcome and the report, never a secret. The table, the template and the messages are all checked first: a bad row is named by its line and nothing is programmed. The panel just programmed must be pulled (or re-plugged) before the next counts. A site the ledger says is done is skipped unless --again; without a table it goes on for --count panels, or until Ctrl+C. A failed step ends the run unless --keep-going. Ctrl+C while waiting ends at once; during a write it ends once the write did; during an upload as upload&apos;s Ctrl+C. Exit 0 when every row is done, 12 when stopped by Ctrl+C, else the status of the step that ended the run (3, 4, 6, 7, 9, 10, 11, 12).
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
        <translation>Usage: orvanta-cli [options] COMMAND [arguments]

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
        <translation>Examples:
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
</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Ошибка записи в охранную панель &quot;Orvanta&quot;:</source>
        <translation>Error writing to the Orvanta panel:</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;!</source>
        <translation>No connection with the Orvanta panel!</translation>
    </message>
    <message>
        <source>Ошибка связи с охранной панелью &quot;Orvanta&quot;:</source>
        <translation>Error communicating with the Orvanta panel:</translation>
    </message>
    <message>
        <source>Прежние настройки охранной панели сохранены (снимок № %1): их вернёт «Вернуть настройки до записи…» в меню «Файл…».</source>
        <translation>The panel&apos;s previous settings have been kept (snapshot No. %1): &quot;Restore settings from before a write…&quot; in the &quot;File…&quot; menu brings them back.</translation>
    </message>
    <message>
        <source>Снимок прежних настроек: %1</source>
        <translation>Snapshot of the previous settings: %1</translation>
    </message>
    <message>
        <source>Снимок № %1 от %2, порт %3, %4</source>
        <translation>Snapshot No. %1 taken %2, port %3, %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AtomicFile</name>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
</context>
<context>
    <name>orvanta::CheckedWrite</name>
    <message>
        <source>ключи</source>
        <translation>keys</translation>
    </message>
    <message>
        <source>шлейфы и общие настройки</source>
        <translation>loops and general settings</translation>
    </message>
    <message>
        <source>реле</source>
        <translation>relays</translation>
    </message>
    <message>
        <source>пароль</source>
        <translation>password</translation>
    </message>
    <message>
        <source>Ничего не записано.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>%1 (не целиком)</source>
        <translation>%1 (in part)</translation>
    </message>
    <message>
        <source>Записано: %1. Охранная панель хранит теперь часть новых и часть прежних настроек.</source>
        <translation>Written: %1. The panel now holds part of the new settings and part of the previous ones.</translation>
    </message>
    <message>
        <source>охранная панель не отвечает</source>
        <translation>the panel does not answer</translation>
    </message>
    <message>
        <source>Записано; охранная панель хранит эти настройки.</source>
        <translation>Written; the panel holds these settings.</translation>
    </message>
    <message>
        <source>Охранная панель приняла запись, но не сохранила:
</source>
        <translation>The panel accepted the write but did not keep:
</translation>
    </message>
    <message>
        <source>Охранная панель отказалась принять: %1.</source>
        <translation>The panel refused to accept: %1.</translation>
    </message>
    <message>
        <source>Настройки записаны, но прочитать их для проверки не удалось: %1
Охранная панель, вероятно, хранит новые настройки.</source>
        <translation>The settings were written, but they could not be read back to check them: %1
The panel probably holds the new settings.</translation>
    </message>
    <message>
        <source>Внимание: снимок прочитан на порту %1 из панели с прошивкой «%2», а сейчас запись пойдёт на порт %3 в панель с прошивкой «%4».</source>
        <translation>Warning: the snapshot was read on port %1 from a panel with firmware &quot;%2&quot;, and the write now goes to port %3, to a panel with firmware &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>возможно, записано: %1</source>
        <translation>possibly written: %1</translation>
    </message>
    <message>
        <source>Приняла ли охранная панель последнюю команду (%1), неизвестно: она может хранить и новое, и прежнее.</source>
        <translation>Whether the panel took the last command (%1) is unknown: it may hold the new settings or the old ones.</translation>
    </message>
    <message>
        <source>Охранная панель не ответила на запись и не хранит её: %1.</source>
        <translation>The panel did not answer the write and does not hold it: %1.</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>The write was cut off: %1</translation>
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
        <translation>Write to device</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
</context>
<context>
    <name>orvanta::ExchangeLog</name>
    <message>
        <source>Ошибка записи в файл %1: %2</source>
        <translation>Error writing to file %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::FileMenuActions</name>
    <message>
        <source>Настройки охранной панели (*.txt);;Все файлы (*)</source>
        <translation>Panel settings (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Сохранить настройки в файл…</source>
        <translation>Save settings to file…</translation>
    </message>
    <message>
        <source>Загрузить настройки из файла…</source>
        <translation>Load settings from file…</translation>
    </message>
    <message>
        <source>Сравнить с панелью…</source>
        <translation>Compare with panel…</translation>
    </message>
    <message>
        <source>Вернуть настройки до записи…</source>
        <translation>Restore settings from before a write…</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Save report…</translation>
    </message>
    <message>
        <source>Сохранить сведения для поддержки…</source>
        <translation>Save information for support…</translation>
    </message>
    <message>
        <source>%1.

Запись изменит в охранной панели:

%2

Вернуть эти настройки?</source>
        <translation>%1.

Writing will change the following in the panel:

%2

Restore these settings?</translation>
    </message>
    <message>
        <source>Сохранить в файле и пароль охранной панели?

Файл с паролем будет доступен только вам.</source>
        <translation>Save the panel&apos;s password in the file as well?

The file with the password will be readable by you alone.</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>Архив (*.tar.gz)</source>
        <translation>Archive (*.tar.gz)</translation>
    </message>
    <message>
        <source>Сведения для поддержки сохранены: %1</source>
        <translation>Support information saved: %1</translation>
    </message>
    <message>
        <source>Не найдено:</source>
        <translation>Not found:</translation>
    </message>
    <message>
        <source>Охранная панель хранит настройки из файла.</source>
        <translation>The panel holds the settings from the file.</translation>
    </message>
    <message>
        <source>Запись файла изменит в охранной панели:

</source>
        <translation>Writing the file will change the following in the panel:

</translation>
    </message>
    <message>
        <source>Записей в охранную панель ещё не было: вернуть нечего.</source>
        <translation>Nothing has been written to the panel yet: there is nothing to restore.</translation>
    </message>
    <message>
        <source>Настройки, которые охранная панель хранила до записи:</source>
        <translation>Settings the panel held before the write:</translation>
    </message>
    <message>
        <source>Охранная панель уже хранит эти настройки.</source>
        <translation>The panel already holds these settings.</translation>
    </message>
    <message>
        <source>Настройки возвращены: охранная панель хранит снимок № %1.</source>
        <translation>Settings restored: the panel holds snapshot No. %1.</translation>
    </message>
</context>
<context>
    <name>orvanta::FileStamp</name>
    <message>
        <source>Файл &quot;%1&quot; изменён на диске после того, как был показан: показан звук из файла, как он есть сейчас; изменение не сделано</source>
        <translation>The file &quot;%1&quot; was changed on disk after it was shown: the sound is now shown as the file holds it; the change was not made</translation>
    </message>
</context>
<context>
    <name>orvanta::FooterLink</name>
    <message>
        <source>Orvanta Config %1
Настройка охранной панели &quot;Orvanta&quot;: связь по последовательному порту, настройки, голосовые сообщения.
Запуск с параметром DEBUG — режим отладки; orvanta-config --help — подсказка.</source>
        <translation>Orvanta Config %1
Setting up the Orvanta security panel: serial port link, settings, voice messages.
Run with DEBUG for debug mode; orvanta-config --help for help.</translation>
    </message>
</context>
<context>
    <name>orvanta::GeneralPage</name>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>The site is armed</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Call out on arming</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Call out on disarming</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное  питание</source>
        <translation>Call out on switching to backup power</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Call out on switching to mains power</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны?</source>
        <translation>Switch relays off after disarming?</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Do not use Touch Memory keys</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Handle relay events after disarming</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>General settings</translation>
    </message>
</context>
<context>
    <name>orvanta::HeaderBar</name>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Связь с охранной панелью</source>
        <translation>Connection with the panel</translation>
    </message>
    <message>
        <source>Прочитать настройки из &quot;Orvanta&quot;</source>
        <translation>Read settings from Orvanta</translation>
    </message>
    <message>
        <source>Записать настройки в &quot;Orvanta&quot;</source>
        <translation>Write settings to Orvanta</translation>
    </message>
    <message>
        <source>Файл…</source>
        <translation>File…</translation>
    </message>
    <message>
        <source>Настройки охранной панели в файле</source>
        <translation>Panel settings in a file</translation>
    </message>
    <message>
        <source>Дождитесь конца текущей работы со звуком или с охранной панелью.</source>
        <translation>Wait until the current work with the sound or the panel is over.</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Под этим названием запись попадает в журнал, снимок и отчёт</source>
        <translation>The writes go into the journal, the snapshot and the report under this name</translation>
    </message>
</context>
<context>
    <name>orvanta::HeardSound</name>
    <message>
        <source>пик %1 дБFS, RMS %2 дБFS, %3 с</source>
        <translation>peak %1 dBFS, RMS %2 dBFS, %3 s</translation>
    </message>
    <message>
        <source>на выводе звука тишина: сообщение не прозвучало</source>
        <translation>silence on the sound output: the message was not heard</translation>
    </message>
    <message>
        <source>прозвучало %1 с из %2 с сообщения</source>
        <translation>%1 s of the message&apos;s %2 s were heard</translation>
    </message>
    <message>
        <source>в звуке пропуск не короче %1 мс на %2 с сообщения</source>
        <translation>a gap of %1 ms or more in the sound at %2 s of the message</translation>
    </message>
    <message>
        <source>звук искажён: %1 % отсчётов на пределе шкалы</source>
        <translation>the sound is clipped: %1 % of the samples at full scale</translation>
    </message>
</context>
<context>
    <name>orvanta::IniFile</name>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write file %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::KeysPage</name>
    <message>
        <source>Приложите ключ к считывателю…</source>
        <translation>Touch the key to the reader…</translation>
    </message>
    <message>
        <source>Код ключа</source>
        <translation>Key code</translation>
    </message>
    <message>
        <source>Чтение ключа</source>
        <translation>Read key</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Ключи Touch Memory</source>
        <translation>Touch Memory keys</translation>
    </message>
    <message>
        <source>Ключ не прочитан: приложите ключ к считывателю и повторите</source>
        <translation>Key not read: touch the key to the reader and try again</translation>
    </message>
</context>
<context>
    <name>orvanta::LevelMeter</name>
    <message>
        <source>Уровень звука: пики, самый громкий пик и метка перегрузки</source>
        <translation>Sound level: peaks, the loudest peak and the clipping mark</translation>
    </message>
</context>
<context>
    <name>orvanta::LoopsPage</name>
    <message>
        <source>Замыкание</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Шлейф %1: %2</source>
        <translation>Loop %1: %2</translation>
    </message>
    <message>
        <source>Шлейф %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Настройка шлейфов</source>
        <translation>Loop settings</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageEdit</name>
    <message>
        <source>Нет звука для изменения</source>
        <translation>No sound to change</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: изменение не сохранено</source>
        <translation>File &quot;%1&quot; is read-only: the change has not been saved</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не в формате сообщений (WAV PCM, 16 бит, моно): изменение не сохранено, файл оставлен как есть</source>
        <translation>File &quot;%1&quot; is not in the message format (WAV PCM, 16-bit, mono): the change has not been saved, the file has been left as it is</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Could not create file &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageList</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Сообщение %1</source>
        <translation>Message %1</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageRecorder</name>
    <message>
        <source>Запись уже идёт</source>
        <translation>Recording is already in progress</translation>
    </message>
    <message>
        <source>Нет файла для записи сообщения</source>
        <translation>No file to record the message into</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; только для чтения: запись не начата</source>
        <translation>File &quot;%1&quot; is read-only: recording not started</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Could not create file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук не записан: устройство записи звука не передало звука. Сообщение осталось прежним.</source>
        <translation>No sound recorded: the sound input device delivered no sound. The message is unchanged.</translation>
    </message>
    <message>
        <source>Не удалось заменить файл &quot;%1&quot;</source>
        <translation>Could not replace file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранить не удалось</source>
        <translation>The file &quot;%1&quot; became read-only during the recording and was left as it was; the recording could not be kept</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; стал только для чтения во время записи и оставлен как был; запись сохранена в файле &quot;%2&quot;</source>
        <translation>The file &quot;%1&quot; became read-only during the recording and was left as it was; the recording was kept in the file &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageSound</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Could not load file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTable</name>
    <message>
        <source>Занято %1 мин. %2 сек. из %3 мин.</source>
        <translation>Used %1 min %2 s of %3 min</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageTools</name>
    <message>
        <source>Не удалось загрузить файл &quot;%1&quot;: %2</source>
        <translation>Could not load file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>no file</translation>
    </message>
    <message>
        <source>Звук длиной %1 сек. не поместится в память охранной панели: она вмещает %2 сек.</source>
        <translation>A sound %1 s long will not fit in the panel&apos;s memory: it holds %2 s.</translation>
    </message>
    <message>
        <source>Сообщение длиной %1 сек.: длиннее %2 сек., оно займет много памяти охранной панели</source>
        <translation>The message is %1 s long: longer than %2 s, it will take up a lot of the panel&apos;s memory</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;!</source>
        <translation>Could not create file &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>orvanta::MessageUpload</name>
    <message>
        <source>Запись прервана</source>
        <translation>Write interrupted</translation>
    </message>
    <message>
        <source>Не поместилось</source>
        <translation>Did not fit</translation>
    </message>
    <message>
        <source>Память охранной панели заполнена: поместились сообщений: %1 из %2; сообщение %3 не поместилось.</source>
        <translation>The panel&apos;s memory is full: %1 of %2 messages fitted; message %3 did not fit.</translation>
    </message>
    <message>
        <source>Сообщение %1: охранная панель сообщила адрес %2, а в её таблице адресов записано %3.</source>
        <translation>Message %1: the panel reported address %2, but its address table says %3.</translation>
    </message>
    <message>
        <source>Звук не закончился за %1 с: устройство вывода звука не ответило</source>
        <translation>The sound did not end within %1 s: the sound output did not respond</translation>
    </message>
    <message>
        <source>Сообщение прозвучало не так, как в файле: %1</source>
        <translation>The message did not sound as in its file: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::NotHeldMark</name>
    <message>
        <source>Охранная панель хранит: %1</source>
        <translation>The panel holds: %1</translation>
    </message>
    <message>
        <source>отмечено</source>
        <translation>checked</translation>
    </message>
    <message>
        <source>не отмечено</source>
        <translation>not checked</translation>
    </message>
</context>
<context>
    <name>orvanta::OrvantaApplication</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelConnection</name>
    <message>
        <source>не открывается</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>ответило устройство с другой прошивкой: &quot;%1&quot;</source>
        <translation>a device with different firmware answered: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelExchange</name>
    <message>
        <source>охранная панель не ответила на %1</source>
        <translation>the panel did not answer %1</translation>
    </message>
    <message>
        <source>ответ на %1 пришёл не целиком</source>
        <translation>the answer to %1 was incomplete</translation>
    </message>
    <message>
        <source>охранная панель ответила «%1»</source>
        <translation>the panel answered &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Реле %1, правила включения и выключения</source>
        <translation>Relay %1, switch-on and switch-off rules</translation>
    </message>
    <message>
        <source>Время включения реле</source>
        <translation>Relay on-time</translation>
    </message>
    <message>
        <source>Настройки шлейфов и общие настройки</source>
        <translation>Loop settings and general settings</translation>
    </message>
    <message>
        <source>Не прочитано: %1 — %2</source>
        <translation>Not read: %1 — %2</translation>
    </message>
</context>
<context>
    <name>orvanta::PanelSettings</name>
    <message>
        <source>Время включения реле %1 (%2 сек.) должно быть от 0 до 510 сек.</source>
        <translation>Relay %1 on-time (%2 s) must be from 0 to 510 s.</translation>
    </message>
</context>
<context>
    <name>orvanta::PortFollowing</name>
    <message>
        <source>Подключён адаптер %1; связь остаётся на %2</source>
        <translation>Adapter %1 plugged in; the connection stays on %2</translation>
    </message>
    <message>
        <source>%1: охранная панель не отвечает (%2)</source>
        <translation>%1: no panel answers (%2)</translation>
    </message>
    <message>
        <source>Охранная панель отвечает на %1: её настройки прочитает «Прочитать настройки из &quot;Orvanta&quot;»</source>
        <translation>A panel answers on %1: “Read settings from Orvanta” reads its settings</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён: связи с охранной панелью нет</source>
        <translation>Adapter %1 unplugged: no connection with the panel</translation>
    </message>
    <message>
        <source>Адаптер %1 отключён</source>
        <translation>Adapter %1 unplugged</translation>
    </message>
</context>
<context>
    <name>orvanta::PortProbe</name>
    <message>
        <source>устройство открыто только владельцу %1 (права %2); группа %3 доступа не дает, вступать в нее бесполезно: нужно правило udev или права, выданные администратором</source>
        <translation>the device is open to its owner %1 only (permissions %2); group %3 gives no access, so joining it will not help: a udev rule or permissions granted by the administrator are needed</translation>
    </message>
    <message>
        <source>вы в группе %1, но и ей устройство сейчас не открыто</source>
        <translation>you are in group %1, but the device is not open to it either at the moment</translation>
    </message>
    <message>
        <source>вы уже добавлены в группу %1: войдите в систему заново</source>
        <translation>you have already been added to group %1: log in again</translation>
    </message>
    <message>
        <source>устройство принадлежит группе %1: добавьте пользователя в нее (sudo usermod -aG %1 $USER) и войдите в систему заново</source>
        <translation>the device belongs to group %1: add the user to it (sudo usermod -aG %1 $USER) and log in again</translation>
    </message>
    <message>
        <source>свободен</source>
        <translation>free</translation>
    </message>
    <message>
        <source>занят</source>
        <translation>busy</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>нет устройства</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>не последовательный порт</source>
        <translation>not a serial port</translation>
    </message>
    <message>
        <source>не открывается</source>
        <translation>cannot be opened</translation>
    </message>
</context>
<context>
    <name>orvanta::PortWatcher</name>
    <message>
        <source>Диспетчер устройств (udev) не отвечает: адаптеры ищутся в /dev.</source>
        <translation>The device manager (udev) does not answer: adapters are looked for in /dev.</translation>
    </message>
    <message>
        <source>Диспетчер устройств (udev) не запущен: адаптеры ищутся в /dev.</source>
        <translation>No device manager (udev) runs: adapters are looked for in /dev.</translation>
    </message>
</context>
<context>
    <name>orvanta::RegularFile</name>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>file cannot be read: %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>file is empty</translation>
    </message>
</context>
<context>
    <name>orvanta::RelaysPage</name>
    <message>
        <source>вкл</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выкл</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Время включения, в сек.</source>
        <translation>On-time, s</translation>
    </message>
    <message>
        <source>Время, на которое включается реле, а затем выключается. Если ноль, то включается и не выключается.</source>
        <translation>How long the relay stays on before it switches off again. If zero, it switches on and stays on.</translation>
    </message>
    <message>
        <source>Реле %1: время включения, с</source>
        <translation>Relay %1: on-time, s</translation>
    </message>
    <message>
        <source>Реле %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <source>Шлейф %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Реле %1 %2: шлейф %3, %4</source>
        <translation>Relay %1 %2: loop %3, %4</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>closing</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>opening</translation>
    </message>
    <message>
        <source>Настройка включения реле</source>
        <translation>Relay switching settings</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsFile</name>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Объект находится под охраной</source>
        <translation>The site is armed</translation>
    </message>
    <message>
        <source>Дозваниваться при постановке на охрану</source>
        <translation>Call out on arming</translation>
    </message>
    <message>
        <source>Дозваниваться при снятии с охраны</source>
        <translation>Call out on disarming</translation>
    </message>
    <message>
        <source>Не использовать ключи Touch Memory</source>
        <translation>Do not use Touch Memory keys</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на резервное питание</source>
        <translation>Call out on switching to backup power</translation>
    </message>
    <message>
        <source>Дозваниваться при переходе на основное питание</source>
        <translation>Call out on switching to mains power</translation>
    </message>
    <message>
        <source>Выключать реле после снятия с охраны</source>
        <translation>Switch relays off after disarming</translation>
    </message>
    <message>
        <source>Обрабатывать события для реле после снятия с охраны</source>
        <translation>Handle relay events after disarming</translation>
    </message>
    <message>
        <source>замыкание</source>
        <translation>closing</translation>
    </message>
    <message>
        <source>размыкание</source>
        <translation>opening</translation>
    </message>
    <message>
        <source>нормально замкнут</source>
        <translation>normally closed</translation>
    </message>
    <message>
        <source>при замыкании</source>
        <translation>on closing</translation>
    </message>
    <message>
        <source>при размыкании</source>
        <translation>on opening</translation>
    </message>
    <message>
        <source>включить</source>
        <translation>switch on</translation>
    </message>
    <message>
        <source>выключить</source>
        <translation>switch off</translation>
    </message>
    <message>
        <source>значение должно быть «да» или «нет»</source>
        <translation>the value must be &quot;yes&quot; or &quot;no&quot;</translation>
    </message>
    <message>
        <source>значение должно быть целым числом от 0 до %1</source>
        <translation>the value must be a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>код ключа — 16 шестнадцатеричных цифр</source>
        <translation>the key code is 16 hexadecimal digits</translation>
    </message>
    <message>
        <source>Шлейф %1, %2</source>
        <translation>Loop %1, %2</translation>
    </message>
    <message>
        <source>Шлейф %1, %2: реле %3 %4</source>
        <translation>Loop %1, %2: relay %3 %4</translation>
    </message>
    <message>
        <source>Реле %1, время включения, сек.</source>
        <translation>Relay %1, on-time, s</translation>
    </message>
    <message>
        <source>Занято памяти сообщений, сек.</source>
        <translation>Message memory used, s</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>это не файл настроек охранной панели Orvanta</source>
        <translation>this is not an Orvanta panel settings file</translation>
    </message>
    <message>
        <source>формат файла «%1», а программа понимает только формат %2</source>
        <translation>the file format is &quot;%1&quot;, but the program only understands format %2</translation>
    </message>
    <message>
        <source>ожидается «название: значение»</source>
        <translation>expected &quot;name: value&quot;</translation>
    </message>
    <message>
        <source>неизвестная настройка «%1»</source>
        <translation>unknown setting &quot;%1&quot;</translation>
    </message>
    <message>
        <source>настройка «%1» уже была в строке %2</source>
        <translation>setting &quot;%1&quot; already appeared on line %2</translation>
    </message>
    <message>
        <source>нет настройки «%1»</source>
        <translation>setting &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Could not open file %1: %2</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8: сохраните его в UTF-8</source>
        <translation>the file is not in UTF-8 encoding: save it in UTF-8</translation>
    </message>
    <message>
        <source>значение %1 округлено до %2: охранная панель хранит чётные секунды</source>
        <translation>the value %1 was rounded down to %2: the panel stores even seconds</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9: цифру 0 охранная панель не принимает</source>
        <translation>the password is one to five digits from 1 to 9: the panel does not take the digit 0</translation>
    </message>
</context>
<context>
    <name>orvanta::SettingsReport</name>
    <message>
        <source>Настройки охранной панели Orvanta</source>
        <translation>Orvanta panel settings</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Откуда: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Прошивка: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>не прочитана</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>not read</translation>
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
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>задан</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Шлейфы</source>
        <translation>Loops</translation>
    </message>
    <message>
        <source>не прочитаны</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Нормально замкнут</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>шлейф %1, замыкание</source>
        <translation>loop %1, closing</translation>
    </message>
    <message>
        <source>шлейф %1, размыкание</source>
        <translation>loop %1, opening</translation>
    </message>
    <message>
        <source>Реле</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Время включения, с</source>
        <translation>On-time, s</translation>
    </message>
    <message>
        <source>Включается</source>
        <translation>Switched on by</translation>
    </message>
    <message>
        <source>Выключается</source>
        <translation>Switched off by</translation>
    </message>
    <message>
        <source>Ключей в ячейках: %1 из %2</source>
        <translation>Keys in the slots: %1 of %2</translation>
    </message>
    <message>
        <source>Ключи Touch Memory</source>
        <translation>Touch Memory keys</translation>
    </message>
    <message>
        <source>Голосовые сообщения</source>
        <translation>Voice messages</translation>
    </message>
    <message>
        <source>В списке нет сообщений с файлами.</source>
        <translation>The list holds no message with a file.</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Длина, с</source>
        <translation>Length, s</translation>
    </message>
    <message>
        <source>Память, %</source>
        <translation>Memory, %</translation>
    </message>
    <message>
        <source>Последние записи в панель</source>
        <translation>The last writes into the panel</translation>
    </message>
    <message>
        <source>Записей ещё не было.</source>
        <translation>No writes yet.</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Изменений</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Cannot create the file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>не слушали</source>
        <translation>not listened to</translation>
    </message>
    <message>
        <source>пик %1 дБFS, %2 с</source>
        <translation>peak %1 dBFS, %2 s</translation>
    </message>
    <message>
        <source>Последняя запись сообщений в панель</source>
        <translation>Last upload of messages into the panel</translation>
    </message>
    <message>
        <source>Начата %1; каждое сообщение прослушано на выводе звука.</source>
        <translation>Started %1; each message was listened to on the sound output.</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Файл, с</source>
        <translation>File, s</translation>
    </message>
    <message>
        <source>Панель, с</source>
        <translation>Panel, s</translation>
    </message>
    <message>
        <source>Услышано</source>
        <translation>Heard</translation>
    </message>
    <message>
        <source>Записи этой панели: того же порта и той же прошивки. Панели с одной прошивкой на одном порту здесь не различаются.</source>
        <translation>The writes of this panel: the same port and the same firmware. Panels with one firmware on one port are not told apart here.</translation>
    </message>
    <message>
        <source>нет файла</source>
        <translation>no file</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>file not readable</translation>
    </message>
    <message>
        <source>Память сообщений панели: занято %1 с из %2 мин. (прочитано из панели)</source>
        <translation>The panel&apos;s message memory: %1 s used of %2 min (read from the panel)</translation>
    </message>
    <message>
        <source>Сообщения списка заняли бы %1 с из %2 мин. (оценка по файлам, по %3 с на каждое сообщение сверх его звука)</source>
        <translation>The list&apos;s messages would take %1 s of %2 min (estimated from the files, with %3 s for each message beside its sound)</translation>
    </message>
    <message>
        <source>Внимание: это больше памяти панели (%1 мин.) на %2 с.</source>
        <translation>Warning: this is %2 s more than the panel&apos;s memory (%1 min).</translation>
    </message>
    <message>
        <source>Строк, чей файл не найден или не читается: %1; они не посчитаны.</source>
        <translation>Rows whose file is missing or cannot be read: %1; they are not counted.</translation>
    </message>
</context>
<context>
    <name>orvanta::SiteLedger</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Could not write to journal %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SitesTable</name>
    <message>
        <source>%1: не удалось прочитать: %2</source>
        <translation>%1: cannot be read: %2</translation>
    </message>
    <message>
        <source>строка 1: неизвестный столбец «%1»: бывают %2</source>
        <translation>line 1: unknown column &quot;%1&quot;: there are %2</translation>
    </message>
    <message>
        <source>строка 1: столбец «%1» дважды</source>
        <translation>line 1: column &quot;%1&quot; twice</translation>
    </message>
    <message>
        <source>строка 1: нет столбца «site»</source>
        <translation>line 1: no column &quot;site&quot;</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>ячеек %1, а столбцов %2</source>
        <translation>%1 cells, but %2 columns</translation>
    </message>
    <message>
        <source>пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых рядом</source>
        <translation>the password is one to five digits from 1 to 9, no two equal ones side by side</translation>
    </message>
    <message>
        <source>%1: код ключа — 16 шестнадцатеричных цифр</source>
        <translation>%1: a key code is 16 hex digits</translation>
    </message>
    <message>
        <source>нет названия объекта</source>
        <translation>no site name</translation>
    </message>
    <message>
        <source>объект «%1» уже есть выше</source>
        <translation>site &quot;%1&quot; is already above</translation>
    </message>
    <message>
        <source>в таблице нет ни одного объекта</source>
        <translation>the table has no site</translation>
    </message>
</context>
<context>
    <name>orvanta::SnapshotJournal</name>
    <message>
        <source>Не удалось записать журнал %1: %2</source>
        <translation>Could not write to journal %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1</source>
        <translation>Could not create folder %1</translation>
    </message>
    <message>
        <source>В журнале нет записи № %1</source>
        <translation>There is no entry No. %1 in the journal</translation>
    </message>
    <message>
        <source>запись не закончена</source>
        <translation>write not finished</translation>
    </message>
    <message>
        <source>записано</source>
        <translation>written</translation>
    </message>
    <message>
        <source>прервано</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>панель не сохранила часть</source>
        <translation>the panel did not keep everything</translation>
    </message>
    <message>
        <source>Журнал %1 занят другой программой</source>
        <translation>Journal %1 is in use by another program</translation>
    </message>
    <message>
        <source>Не удалось заблокировать журнал %1</source>
        <translation>Could not lock journal %1</translation>
    </message>
    <message numerus="yes">
        <source>%n изм.</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
    <message>
        <source>панель отказала</source>
        <translation>the panel refused</translation>
    </message>
    <message>
        <source>записано, не проверено</source>
        <translation>written, not checked</translation>
    </message>
    <message>
        <source>повреждённая строка журнала</source>
        <translation>damaged journal line</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundDevicesDialog</name>
    <message>
        <source>Устройства звука</source>
        <translation>Sound devices</translation>
    </message>
    <message>
        <source>Вывод звука (к панели):</source>
        <translation>Sound output (to the panel):</translation>
    </message>
    <message>
        <source>Запись звука (микрофон):</source>
        <translation>Sound input (microphone):</translation>
    </message>
    <message>
        <source>Проверочный тон</source>
        <translation>Test tone</translation>
    </message>
    <message>
        <source>Тон 1 кГц на выбранном выводе, с громкостью выровненных сообщений: по нему настраивают уровень входа панели</source>
        <translation>A 1 kHz tone on the selected output, at the loudness of evened-out messages: use it to set the panel&apos;s input level</translation>
    </message>
    <message>
        <source>Звучит тон 1 кГц на &quot;%1&quot;…</source>
        <translation>Playing a 1 kHz tone on &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>По умолчанию (%1)</source>
        <translation>Default (%1)</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 (нет на сервере звука)</source>
        <translation>%1 (not on the sound server)</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundImport</name>
    <message>
        <source>Не удалось создать папку &quot;%1&quot;</source>
        <translation>Could not create folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Не удалось вернуть файл &quot;%1&quot;: %2</source>
        <translation>Could not restore file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundList</name>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Could not open file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Could not create file %1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundPage</name>
    <message>
        <source>Звук сообщения</source>
        <translation>Message sound</translation>
    </message>
    <message>
        <source>Уровень звука</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>Исправлять ошибки</source>
        <translation>Correct errors</translation>
    </message>
    <message>
        <source>Проиграть с начала</source>
        <translation>Play from the start</translation>
    </message>
    <message>
        <source>Проиграть сообщение с номером</source>
        <translation>Play message number</translation>
    </message>
    <message>
        <source>Проиграть очередного сообщения</source>
        <translation>Play the next message</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Состояние памяти</source>
        <translation>Memory status</translation>
    </message>
    <message>
        <source>Начать запись</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>Воспроизвести с начала</source>
        <translation>Play from the start</translation>
    </message>
    <message>
        <source>Воспроизвести (Пробел)</source>
        <translation>Play (Space)</translation>
    </message>
    <message>
        <source>Остановить воспроизведение/запись (Esc, Пробел)</source>
        <translation>Stop playback/recording (Esc, Space)</translation>
    </message>
    <message>
        <source>Удалить выделенный фрагмент (Delete, Ctrl+X)</source>
        <translation>Delete the selection (Delete, Ctrl+X)</translation>
    </message>
    <message>
        <source>Преобразовать выделенный фрагмент в тишину</source>
        <translation>Turn the selection into silence</translation>
    </message>
    <message>
        <source>Отменить последнее действие (Ctrl+Z)</source>
        <translation>Undo the last action (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Загрузить звук из файла…</source>
        <translation>Load sound from file…</translation>
    </message>
    <message>
        <source>Озвучить текст сообщения</source>
        <translation>Speak the message text</translation>
    </message>
    <message>
        <source>Удалить тишину в начале и в конце</source>
        <translation>Remove the silence at the start and end</translation>
    </message>
    <message>
        <source>Выровнять громкость</source>
        <translation>Even out the loudness</translation>
    </message>
    <message>
        <source>Показать всё сообщение (Ctrl+0; приблизить и отдалить: Ctrl+колесо мыши)</source>
        <translation>Show the whole message (Ctrl+0; zoom in and out: Ctrl+mouse wheel)</translation>
    </message>
    <message>
        <source>Устройства звука и проверочный тон…</source>
        <translation>Sound devices and test tone…</translation>
    </message>
    <message>
        <source>Начало и длина выделенного фрагмента</source>
        <translation>Start and length of the selection</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Звуковые файлы (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;Все файлы (*)</source>
        <translation>Sound files (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.au);;All files (*)</translation>
    </message>
    <message>
        <source>В строке %1 нет текста сообщения: озвучивать нечего.</source>
        <translation>Line %1 has no message text: there is nothing to speak.</translation>
    </message>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Начало %1
Длина %2</source>
        <translation>Start %1
Length %2</translation>
    </message>
    <message>
        <source>Сообщения в списке: %1 мин. %2 сек. из %3 мин.</source>
        <translation>Messages in the list: %1 min %2 s of %3 min</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundServer</name>
    <message>
        <source>Сервер звука не отвечает: запустите его (или войдите в сеанс рабочего стола) и запустите запись снова</source>
        <translation>The sound server does not answer: start it (or log in to the desktop session) and start the upload again</translation>
    </message>
    <message>
        <source>Вывода звука «%1» нет на сервере звука: выберите вывод в «Устройства звука» и запустите запись снова</source>
        <translation>The sound server has no output &quot;%1&quot;: choose an output in &quot;Sound devices&quot; and start the upload again</translation>
    </message>
    <message>
        <source>Вывод звука «%1» выключен (без звука): включите его и запустите запись снова</source>
        <translation>Sound output &quot;%1&quot; is muted: unmute it and start the upload again</translation>
    </message>
    <message>
        <source>Громкость вывода звука «%1» — %2 %: поднимите её не ниже %3 % и запустите запись снова</source>
        <translation>Sound output &quot;%1&quot; is at %2 % volume: raise it to at least %3 % and start the upload again</translation>
    </message>
    <message>
        <source>К выводу звука «%1» ничего не подключено (%2): подключите кабель охранной панели и запустите запись снова</source>
        <translation>Nothing is plugged into sound output &quot;%1&quot; (%2): plug in the panel&apos;s cable and start the upload again</translation>
    </message>
    <message>
        <source>Сервер звука перенёс звук с вывода «%1» на «%2»</source>
        <translation>The sound server moved the sound from output &quot;%1&quot; to &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Звук этой программы выключен в настройках звука (без звука): включите его и запустите запись снова</source>
        <translation>This program&apos;s sound is muted in the sound settings: unmute it and start the upload again</translation>
    </message>
    <message>
        <source>Громкость звука этой программы — %1 %: поднимите её не ниже %2 % и запустите запись снова</source>
        <translation>This program&apos;s sound is at %1 % volume: raise it to at least %2 % and start the upload again</translation>
    </message>
    <message>
        <source>Нет связи с сервером звука: звук не воспроизводится и не записывается, пока сервер не вернётся</source>
        <translation>No connection to the sound server: no sound is played or recorded until the server is back</translation>
    </message>
</context>
<context>
    <name>orvanta::SoundSession</name>
    <message>
        <source>вывода звука &quot;%1&quot;</source>
        <translation>the sound output device &quot;%1&quot;</translation>
    </message>
    <message>
        <source>записи звука &quot;%1&quot;</source>
        <translation>the sound input device &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Устройства %1 больше нет: звук идёт через устройство по умолчанию</source>
        <translation>No longer available: %1; sound now goes through the default device</translation>
    </message>
    <message>
        <source> и </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>orvanta::SoundUpload</name>
    <message>
        <source>Сообщения займут %1 мин. %2 сек., а память охранной панели вмещает %3 мин.: последние сообщения не поместятся.

Записать сообщения всё равно?</source>
        <translation>The messages will take %1 min %2 s, but the panel&apos;s memory holds %3 min: the last messages will not fit.

Write the messages anyway?</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: порт не открыт, сообщения не записаны. Выберите порт и проверьте связь.</source>
        <translation>No connection with the Orvanta panel: the port is not open, the messages have not been written. Choose a port and check the connection.</translation>
    </message>
    <message>
        <source>Нет связи с охранной панелью &quot;Orvanta&quot;: последний обмен с панелью не удался, сообщения не записаны. Проверьте подключение и связь.</source>
        <translation>No connection with the Orvanta panel: the last exchange with the panel failed, the messages have not been written. Check the cable and the connection.</translation>
    </message>
    <message>
        <source>Остановка после текущего сообщения…</source>
        <translation>Stopping after the current message…</translation>
    </message>
    <message>
        <source>Процесс записи завершен!</source>
        <translation>Writing complete!</translation>
    </message>
    <message>
        <source>Записано сообщений: %1 из %2</source>
        <translation>Messages written: %1 of %2</translation>
    </message>
    <message>
        <source>; не записано сообщение %1</source>
        <translation>; message %1 not written</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Текстовый файл (*.txt);;Все файлы (*.*)</source>
        <translation>Text file (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>Процесс записи</source>
        <translation>Write progress</translation>
    </message>
    <message>
        <source>Записать звук в устройство</source>
        <translation>Write sound to the panel</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Строка %1, &quot;%2&quot;: %3</source>
        <translation>Row %1, &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>и ещё строк: %1</source>
        <translation>and %1 more rows</translation>
    </message>
    <message>
        <source>Сообщения не записаны: эти строки списка нельзя воспроизвести. Исправьте их или очистите в них имя файла и запустите запись снова; ничего не отправлено в охранную панель.

%1</source>
        <translation>Messages not written: these rows of the list cannot be played. Mend them or clear their file name and start again; nothing was sent to the security panel.

%1</translation>
    </message>
    <message>
        <source>Сообщения не записаны.

%1.</source>
        <translation>Messages not written.

%1.</translation>
    </message>
    <message>
        <source>Услышано на выводе звука: %1</source>
        <translation>Heard on the sound output: %1</translation>
    </message>
    <message>
        <source>Квитанции сообщений не записаны в журнал: %1</source>
        <translation>The messages&apos; receipts were not written to the journal: %1</translation>
    </message>
    <message>
        <source>Сообщение %1 услышано на выводе звука: %2</source>
        <translation>Message %1 heard at the sound output: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::Speech</name>
    <message>
        <source>Синтезатор речи espeak-ng не запускается: %1</source>
        <translation>The espeak-ng speech synthesiser cannot be started: %1</translation>
    </message>
    <message>
        <source>Не удалось изменить частоту отсчётов: %1</source>
        <translation>Could not change the sample rate: %1</translation>
    </message>
    <message>
        <source>Нет голоса «%1» для синтеза речи: %2</source>
        <translation>No voice &quot;%1&quot; for speech synthesis: %2</translation>
    </message>
    <message>
        <source>Текст не удалось озвучить: %1</source>
        <translation>The text could not be spoken: %1</translation>
    </message>
    <message>
        <source>Синтезатор речи не дал звука для текста «%1»</source>
        <translation>The speech synthesiser gave no sound for the text &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>orvanta::SupportBundle</name>
    <message>
        <source>Нет временной папки: %1</source>
        <translation>No temporary folder: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>%1: нет в папке %2</source>
        <translation>%1: not in the folder %2</translation>
    </message>
    <message>
        <source>архиватор tar не найден</source>
        <translation>the tar archiver is not installed</translation>
    </message>
    <message>
        <source>архив не собран (мало места во временной папке?)</source>
        <translation>the archive could not be made (too little room in the temporary folder?)</translation>
    </message>
</context>
<context>
    <name>orvanta::TWaveAdjuster</name>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Подготовка записи...</source>
        <translation>Preparing to record...</translation>
    </message>
    <message>
        <source>Идет запись...   %1 из %2</source>
        <translation>Recording...   %1 of %2</translation>
    </message>
    <message>
        <source>Произнесите фразу и нажмите кнопку &quot;Стоп&quot;.</source>
        <translation>Say the phrase and press the &quot;Stop&quot; button.</translation>
    </message>
    <message>
        <source>Озвучивание...</source>
        <translation>Speaking...</translation>
    </message>
    <message>
        <source>Ошибка воспроизведения!</source>
        <translation>Playback error!</translation>
    </message>
</context>
<context>
    <name>orvanta::TfContact</name>
    <message>
        <source>Настройка охранной панели &quot;Orvanta&quot;</source>
        <translation>Orvanta Panel Setup</translation>
    </message>
    <message>
        <source>окно занято другим делом</source>
        <translation>the window is busy with something else</translation>
    </message>
</context>
<context>
    <name>orvanta::TfWait</name>
    <message>
        <source>Обмен данными</source>
        <translation>Data exchange</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadCheck</name>
    <message>
        <source>в файле нет звука</source>
        <translation>the file contains no sound</translation>
    </message>
</context>
<context>
    <name>orvanta::UploadSession</name>
    <message>
        <source>Звук прерван: %1</source>
        <translation>The sound was cut off: %1</translation>
    </message>
    <message>
        <source>Сервер звука не даёт услышать вывод звука «%1»: проверить, что сообщение прозвучало, нельзя</source>
        <translation>The sound server does not let the tool hear sound output &quot;%1&quot;: whether the message sounded cannot be checked</translation>
    </message>
    <message>
        <source>Вывод звука «%1» нельзя услышать: %2</source>
        <translation>Sound output &quot;%1&quot; cannot be heard: %2</translation>
    </message>
    <message>
        <source>сервер звука перестал давать слышать вывод звука (%1)</source>
        <translation>the sound server stopped letting the tool hear the sound output (%1)</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveDevice</name>
    <message>
        <source>вывода звука</source>
        <translation>sound output</translation>
    </message>
    <message>
        <source>записи звука</source>
        <translation>sound input</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не найден</source>
        <translation>File &quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>Звуковой файл не открыт</source>
        <translation>Sound file not open</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;%1&quot;</source>
        <translation>Could not create file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: частота его отсчётов не подходит устройству</source>
        <translation>The sound from file &quot;%1&quot; cannot be played: its sample rate does not suit the device</translation>
    </message>
    <message>
        <source>Нет устройства %1</source>
        <translation>No %1 device</translation>
    </message>
    <message>
        <source>Нет устройства %1 &quot;%2&quot;</source>
        <translation>No %1 device &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Звук из файла &quot;%1&quot; не может быть воспроизведён: %2</source>
        <translation>The sound of the file &quot;%1&quot; cannot be played: %2</translation>
    </message>
    <message>
        <source>Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает</source>
        <translation>The sound output did not start within %1 s: the sound server does not answer</translation>
    </message>
    <message>
        <source>Звук прерван: %1</source>
        <translation>The sound was cut off: %1</translation>
    </message>
    <message>
        <source>Устройство вывода звука не принимает звук: %1</source>
        <translation>The sound output device does not accept sound: %1</translation>
    </message>
    <message>
        <source>Запись прервана: %1</source>
        <translation>Recording stopped: %1</translation>
    </message>
    <message>
        <source>сервер звука не отвечает</source>
        <translation>the sound server is not responding</translation>
    </message>
    <message>
        <source>устройства вывода звука &quot;%1&quot; больше нет</source>
        <translation>the sound output device &quot;%1&quot; is no longer available</translation>
    </message>
    <message>
        <source>устройства записи звука &quot;%1&quot; больше нет</source>
        <translation>the sound input device &quot;%1&quot; is no longer available</translation>
    </message>
    <message>
        <source>Устройство записи звука не отвечает: %1</source>
        <translation>The sound input device is not responding: %1</translation>
    </message>
</context>
<context>
    <name>orvanta::WaveFile</name>
    <message>
        <source>Не удалось открыть файл</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>Не удалось загрузить файл</source>
        <translation>Could not load the file</translation>
    </message>
    <message>
        <source>в файле нет звука</source>
        <translation>the file contains no sound</translation>
    </message>
    <message>
        <source>частота отсчётов %1 Гц: можно от %2 до %3 Гц</source>
        <translation>sample rate %1 Hz: allowed from %2 to %3 Hz</translation>
    </message>
    <message>
        <source>звук длиннее %1 сек.</source>
        <translation>the sound is longer than %1 s</translation>
    </message>
    <message>
        <source>Не удалось создать файл</source>
        <translation>Could not create the file</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;: %2</source>
        <translation>Could not write file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>формат файла не распознан</source>
        <translation>file format not recognised</translation>
    </message>
</context>
<context>
    <name>orvanta::WindowPages</name>
    <message>
        <source>Запись звука</source>
        <translation>Sound recording</translation>
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
