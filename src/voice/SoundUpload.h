#pragma once

#include <QObject>
#include <QString>

namespace orvanta {

class PanelLink;
class SoundPage;

// Puts the voice messages of the sound list into the panel: for each row with a wave file the
// panel is told to record ("+J00" for row 1, "+J" after), the file plays on the sound output,
// the panel is told to stop ("+j") and answers where the message ended; that end is checked
// against the panel's message address table, and the memory in use is shown. In debug mode the
// table is also saved to a file and written back from one.
class SoundUpload : public QObject
{
    Q_OBJECT
public:
    // A table entry that keeps differing from the reported end is read at most this often.
    static constexpr int MaxEntryReads = 10;
    // What each message costs beside its sound: the two pauses and the commands.
    static constexpr double SecondsPerMessage = 1.3;

    SoundUpload(PanelLink &link, SoundPage &page, QObject *parent = nullptr);

    void SetDebugEnabled(bool enabled) { m_debugEnabled = enabled; }

    // "Записать звук в устройство": the upload.
    void Button4Click();
    // "Остановить": the upload ends before the next message.
    void Button5Click() { UploadStopRequested = true; }
    // Checks table entry i against the end address the panel reported, and shows the result in
    // the address column and the memory display.
    void VerifyMessageEntry(const QString &endAddress, int i);
    // "Загрузить" and "Сохранить" (debug): the table written from a file, and saved to one.
    void Button6Click();
    void Button7Click();
    // Makes word n of panel memory hold value; the outcome goes into the address column.
    bool try_write_eeprom(const QString &value, int n);

    bool UploadStopRequested = false;

signals:
    // Seconds of message memory in use, as the table says after a message.
    void usedSecondsChanged(int seconds);

private:
    void upload();
    // Whether the rows' messages fit the panel's memory, or the user wants them sent anyway.
    bool messagesFitOrUserAgrees();
    // Waits, keeping the window drawn; the user's input waits too.
    static void pause(int milliseconds);
    void repaintProgress() const;

    PanelLink &m_link;
    SoundPage &m_page;
    bool m_debugEnabled = false;
};

} // namespace orvanta
