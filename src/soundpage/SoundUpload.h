#pragma once

#include "MessageUpload.h"
#include "PanelLink.h"
#include "WaveDevice.h"

#include <QObject>
#include <QString>

namespace orvanta {

class SoundPage;

// The sound page's side of putting the messages into the panel: "Записать звук в устройство"
// starts the upload sequence with the list's messages and a sound device of its own, the page
// shows what the sequence reports; in debug mode the panel's message address table is saved to a
// file and written back from one.
class SoundUpload : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxEntryReads = MessageUpload::MaxEntryReads;
    // What the panel records of each message besides its sound, from "+J" to "+j": the read
    // step of the "+J" transaction and the pause before the sound, and the look that finds the
    // sound's end (the output's start latency lies inside the played time the device watches).
    // The fit question and the list total count it for every message; the virtual panel
    // measures 0.62 s.
    static constexpr double SecondsAroundMessage =
        (PanelLink::ReadStepMs + MessageUpload::PauseMs + WaveDevice::WatchMs) / 1000.0;

    SoundUpload(PanelLink &link, SoundPage &page, QObject *parent = nullptr);

    void SetDebugEnabled(bool enabled) { m_sequence.setDebugLines(enabled); }
    void SetDeviceNames(const QString &output, const QString &input);

    // "Записать звук в устройство": starts the upload and returns; finished() tells its end.
    void Button4Click();
    // "Остановить": the upload ends before the next message.
    // Ends the upload after the message being played, and says so at once.
    void Button5Click();
    // "Загрузить" and "Сохранить" (debug): the table written from a file, and saved to one; their
    // buttons run them as a panel exchange.
    void Button6Click();
    void Button7Click();
    // Makes word n of panel memory hold value; the outcome goes into the address column.
    bool try_write_eeprom(const QString &value, int n);
    bool Running() const { return m_sequence.running(); }
    // The device the messages are played on.
    WaveDevice &Device() { return m_device; }
    // Ends a running upload at once, for a closing window: no message box follows.
    void Abort();

signals:
    // Seconds of message memory in use, as the table says after a message.
    void usedSecondsChanged(int seconds);
    void finished();

private:
    bool messagesFitOrUserAgrees(double seconds);
    void uploadFinished(const UploadOutcome &outcome);
    UploadPlayer player();
    void repaintProgress() const;

    PanelLink &m_link;
    SoundPage &m_page;
    WaveDevice m_device; // the upload's own, so that the editor can show a message meanwhile
    std::function<void(const QString &)> m_played;
    MessageUpload m_sequence;
    bool m_aborted = false;
};

} // namespace orvanta
